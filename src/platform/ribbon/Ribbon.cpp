#include "Ribbon.h"

#include "RibbonStyle.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace ribbon {

Ribbon::Ribbon(QWidget *parent) : QWidget(parent), m_tabBar(new QTabBar(this)), m_pages(new QStackedWidget(this))
{
    prepareIconTheme();
    setObjectName(QStringLiteral("dxRibbon"));
    setAttribute(Qt::WA_StyledBackground);
    setProperty("ribbon", true);
    setFixedHeight(ribbonHeight);
    setStyleSheet(ribbonStyleSheet());

    m_tabBar->setObjectName(QStringLiteral("ribbonTabBar"));
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    m_tabBar->setUsesScrollButtons(true);
    m_tabBar->setFocusPolicy(Qt::NoFocus);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabBar);
    layout->addWidget(m_pages, 1);

    connect(m_tabBar, &QTabBar::currentChanged, this, [this](int index) {
        m_pages->setCurrentIndex(index);
        emit activeTabChanged(activeTab());
    });
}

void Ribbon::prepareIconTheme()
{
    if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == QLatin1String("hicolor"))
        QIcon::setFallbackThemeName(QStringLiteral("breeze"));
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("breeze"));
    const QString system = QStringLiteral("/usr/share/icons");
    QStringList paths = QIcon::themeSearchPaths();
    if (!paths.contains(system) && QDir(system).exists()) {
        paths << system;
        QIcon::setThemeSearchPaths(paths);
    }
}

RibbonTab *Ribbon::addTab(const QString &name, const QString &caption)
{
    auto *tab = new RibbonTab(this, name, caption);
    auto *scroller = new QScrollArea(m_pages);
    scroller->setObjectName(name + QStringLiteral("Scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidget(tab);
    m_pages->addWidget(scroller);
    m_tabs << tab;
    const bool first = m_tabBar->count() == 0;
    m_tabBar->addTab(caption);
    if (first)
        m_pages->setCurrentIndex(0);
    return tab;
}

RibbonTab *Ribbon::tab(const QString &name) const
{
    return findChild<RibbonTab *>(name);
}

RibbonGroup *Ribbon::group(const QString &name) const
{
    return findChild<RibbonGroup *>(name);
}

RibbonItem *Ribbon::item(const QString &name) const
{
    return findChild<RibbonItem *>(name);
}

int Ribbon::indexOf(const RibbonTab *tab) const
{
    return int(m_tabs.indexOf(const_cast<RibbonTab *>(tab)));
}

bool Ribbon::isTabVisible(const RibbonTab *tab) const
{
    return m_tabBar->isTabVisible(indexOf(tab));
}

void Ribbon::setTabVisible(RibbonTab *tab, bool visible)
{
    const int index = indexOf(tab);
    if (index < 0 || m_tabBar->isTabVisible(index) == visible)
        return;
    m_tabBar->setTabVisible(index, visible);
    // The tab bar moves off a hidden current tab by itself; keep the page in step.
    if (m_pages->currentIndex() != m_tabBar->currentIndex() && m_tabBar->currentIndex() >= 0)
        m_pages->setCurrentIndex(m_tabBar->currentIndex());
}

RibbonTab *Ribbon::activeTab() const
{
    const int index = m_tabBar->currentIndex();
    if (index < 0 || !m_tabBar->isTabVisible(index))
        return nullptr;
    return m_tabs.value(index);
}

void Ribbon::setActiveTab(RibbonTab *tab)
{
    const int index = indexOf(tab);
    if (index < 0)
        return;
    setTabVisible(tab, true);
    m_tabBar->setCurrentIndex(index);
}

void Ribbon::updateTabCaption(RibbonTab *tab)
{
    const int index = indexOf(tab);
    if (index >= 0)
        m_tabBar->setTabText(index, tab->caption());
}

} // namespace ribbon
