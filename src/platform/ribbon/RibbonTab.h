#pragma once

#include "RibbonGroup.h"

#include <QWidget>

class QHBoxLayout;

namespace ribbon {

class Ribbon;

/// One tab of the ribbon: its groups from left to right. Whether the tab is shown in the
/// ribbon and whether it is the active one is the ribbon's business; the tab passes on.
class RibbonTab : public QWidget {
    Q_OBJECT
public:
    RibbonTab(Ribbon *ribbon, const QString &name, const QString &caption);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    RibbonGroup *addGroup(const QString &name, const QString &caption);
    QList<RibbonGroup *> groups() const { return m_groups; }

    /// Whether the tab has a place in the ribbon's tab row.
    bool isTabVisible() const;
    void setTabVisible(bool visible);
    /// Whether the tab is the one whose groups are shown.
    bool isActive() const;
    void setActive();

    Ribbon *ribbon() const { return m_ribbon; }

private:
    Ribbon *m_ribbon;
    QString m_caption;
    QHBoxLayout *m_layout;
    QList<RibbonGroup *> m_groups;
};

} // namespace ribbon
