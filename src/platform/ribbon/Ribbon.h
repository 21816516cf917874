#pragma once

#include "RibbonTab.h"

#include <QWidget>

class QStackedWidget;
class QTabBar;

namespace ribbon {

/// The ribbon: a row of tabs above the groups of the active tab. A tab that does not fit the
/// window's width scrolls sideways, so no control is ever cut off. Tabs, groups and items are
/// named objects; `tab`, `group` and `item` find them by their component names.
class Ribbon : public QWidget {
    Q_OBJECT
public:
    explicit Ribbon(QWidget *parent = nullptr);

    RibbonTab *addTab(const QString &name, const QString &caption);
    QList<RibbonTab *> tabs() const { return m_tabs; }

    RibbonTab *tab(const QString &name) const;
    RibbonGroup *group(const QString &name) const;
    RibbonItem *item(const QString &name) const;

    bool isTabVisible(const RibbonTab *tab) const;
    void setTabVisible(RibbonTab *tab, bool visible);
    /// The tab whose groups are shown; null when every tab is hidden.
    RibbonTab *activeTab() const;
    /// Makes a tab the active one (a hidden tab is shown first).
    void setActiveTab(RibbonTab *tab);
    void updateTabCaption(RibbonTab *tab);

    /// The ribbon's height in the window.
    static constexpr int ribbonHeight = 154;

    /// Makes the freedesktop icon theme usable: Breeze as the fallback theme, and the system's
    /// icon folder searched also where the platform plugin does not add it (offscreen).
    static void prepareIconTheme();

signals:
    void activeTabChanged(ribbon::RibbonTab *tab);

private:
    int indexOf(const RibbonTab *tab) const;

    QTabBar *m_tabBar;
    QStackedWidget *m_pages;
    QList<RibbonTab *> m_tabs;
};

} // namespace ribbon
