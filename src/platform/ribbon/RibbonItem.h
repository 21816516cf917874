#pragma once

#include <QAction>
#include <QColor>
#include <QVariant>

class QComboBox;
class QMenu;
class QWidget;

namespace ribbon {

/// What an item looks like and how it is used.
enum class ItemKind {
    Large,   ///< a button with a 32-pixel glyph above its caption
    Small,   ///< a button with a 16-pixel glyph, placed in rows of up to three
    Menu,    ///< a button that drops down the items placed under it
    Gallery, ///< a button that applies a colour, with a drop-down colour palette
    Combo,   ///< an editable combo box
};

/// Where and how the group places an item.
struct ItemLayout {
    bool separator = false;    ///< a separator line precedes the item
    bool continuesRow = false; ///< continues the row of the small item before it
    bool joinedGroup = false;  ///< starts a set of visually joined buttons within a row
    bool iconOnly = false;     ///< glyph without caption (the caption shows when the glyph is missing)
    bool textBeside = false;   ///< small glyph with caption beside it
    bool alwaysLarge = false;  ///< large with caption, whatever the kind
    int width = 0;             ///< fixed width of a combo box, 0 for its natural width
};

/// One ribbon item. It is an action, so its caption, hint (tool tip), enabled, pressed,
/// visible state and shortcut are the action's; the group's widget follows them. Program
/// code finds an item by its object name, the component name.
class RibbonItem : public QAction {
    Q_OBJECT
public:
    RibbonItem(ItemKind kind, const QString &name, const ItemLayout &layout, QObject *parent);
    ~RibbonItem() override;

    ItemKind kind() const { return m_kind; }

    /// The hint shown as the item's tool tip; empty when the item has none.
    QString hint() const { return m_hint; }
    void setHint(const QString &hint);
    const ItemLayout &itemLayout() const { return m_layout; }

    /// Adds an entry to this menu item's drop-down (menu items only).
    RibbonItem *addMenuItem(ItemKind kind, const QString &name, const ItemLayout &layout = {});
    /// The entries of a menu item, in their order.
    QList<RibbonItem *> menuItems() const;
    /// The drop-down of a menu item, null for other kinds.
    QMenu *dropDown() const { return m_menu; }
    /// The menu item this entry sits in, null for an item placed in a group.
    RibbonItem *parentMenuItem() const;

    /// The combo box of a combo item, null for other kinds.
    QComboBox *comboBox() const { return m_combo; }
    /// A combo box's text or a gallery's colour; setting it shows the value without running anything.
    QVariant value() const;
    void setValue(const QVariant &value);

    /// The widget that shows the item in its group (null for a menu entry).
    QWidget *widget() const { return m_widget; }
    void setWidget(QWidget *widget);
    void setComboBox(QComboBox *combo);

signals:
    /// The user ran the item: a click, a colour picked from the palette, or a combo box
    /// entry confirmed. `value` is the colour or the text, invalid for a plain button.
    void executed(const QVariant &value);

private:
    void syncWidget();

    ItemKind m_kind;
    ItemLayout m_layout;
    QMenu *m_menu = nullptr;
    QComboBox *m_combo = nullptr;
    QWidget *m_widget = nullptr;
    QColor m_colour;
    QString m_hint;
};

} // namespace ribbon
