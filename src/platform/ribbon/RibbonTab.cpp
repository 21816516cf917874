#include "RibbonTab.h"

#include "Ribbon.h"

#include <QHBoxLayout>

namespace ribbon {

RibbonTab::RibbonTab(Ribbon *ribbon, const QString &name, const QString &caption)
    : m_ribbon(ribbon), m_caption(caption), m_layout(new QHBoxLayout(this))
{
    setObjectName(name);
    setProperty("ribbonTab", true);
    m_layout->setContentsMargins(2, 2, 2, 2);
    m_layout->setSpacing(0);
    m_layout->addStretch(1);
}

void RibbonTab::setCaption(const QString &caption)
{
    m_caption = caption;
    m_ribbon->updateTabCaption(this);
}

RibbonGroup *RibbonTab::addGroup(const QString &name, const QString &caption)
{
    auto *group = new RibbonGroup(name, caption, this);
    m_layout->insertWidget(m_layout->count() - 1, group);
    m_groups << group;
    return group;
}

bool RibbonTab::isTabVisible() const
{
    return m_ribbon->isTabVisible(this);
}

void RibbonTab::setTabVisible(bool visible)
{
    m_ribbon->setTabVisible(this, visible);
}

bool RibbonTab::isActive() const
{
    return m_ribbon->activeTab() == this;
}

void RibbonTab::setActive()
{
    m_ribbon->setActiveTab(this);
}

} // namespace ribbon
