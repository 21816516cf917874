#include "RibbonItem.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolButton>

namespace ribbon {

RibbonItem::RibbonItem(ItemKind kind, const QString &name, const ItemLayout &layout, QObject *parent)
    : QAction(parent), m_kind(kind), m_layout(layout)
{
    setObjectName(name);
    if (kind == ItemKind::Menu) {
        m_menu = new QMenu;
        m_menu->setObjectName(name + QStringLiteral("Menu"));
        m_menu->setToolTipsVisible(true);
        setMenu(m_menu);
    }
    if (kind == ItemKind::Gallery)
        m_colour = Qt::black;
    connect(this, &QAction::triggered, this, [this] {
        if (m_kind == ItemKind::Menu || m_kind == ItemKind::Combo)
            return;
        emit executed(m_kind == ItemKind::Gallery ? QVariant(m_colour) : QVariant());
    });
    connect(this, &QAction::changed, this, &RibbonItem::syncWidget);
}

RibbonItem::~RibbonItem()
{
    // A menu has no QObject parent: the action only refers to it.
    delete m_menu;
}

RibbonItem *RibbonItem::addMenuItem(ItemKind kind, const QString &name, const ItemLayout &layout)
{
    Q_ASSERT(m_menu);
    auto *entry = new RibbonItem(kind, name, layout, this);
    if (layout.separator)
        m_menu->addSeparator();
    m_menu->addAction(entry);
    return entry;
}

QList<RibbonItem *> RibbonItem::menuItems() const
{
    QList<RibbonItem *> entries;
    if (!m_menu)
        return entries;
    for (QAction *action : m_menu->actions())
        if (auto *entry = qobject_cast<RibbonItem *>(action))
            entries << entry;
    return entries;
}

RibbonItem *RibbonItem::parentMenuItem() const
{
    return qobject_cast<RibbonItem *>(parent());
}

void RibbonItem::setHint(const QString &hint)
{
    m_hint = hint;
    // An empty tool tip would fall back to the caption; a single space shows nothing.
    setToolTip(hint.isEmpty() ? QStringLiteral(" ") : hint);
}

QVariant RibbonItem::value() const
{
    if (m_combo)
        return m_combo->currentText();
    if (m_kind == ItemKind::Gallery)
        return m_colour;
    return {};
}

void RibbonItem::setValue(const QVariant &value)
{
    if (m_combo) {
        const QString text = value.toString();
        if (m_combo->currentText() == text)
            return;
        const QSignalBlocker block(m_combo);
        const int index = m_combo->findText(text);
        if (index >= 0)
            m_combo->setCurrentIndex(index);
        else
            m_combo->setEditText(text);
        if (m_combo->lineEdit())
            m_combo->lineEdit()->setCursorPosition(0);
    } else if (m_kind == ItemKind::Gallery) {
        m_colour = value.value<QColor>();
    }
}

void RibbonItem::setWidget(QWidget *widget)
{
    m_widget = widget;
    syncWidget();
}

void RibbonItem::setComboBox(QComboBox *combo)
{
    m_combo = combo;
    setWidget(combo);
    // A choice from the list and Enter in the edit both run the item.
    connect(combo, &QComboBox::activated, this, [this] { emit executed(m_combo->currentText()); });
    if (combo->lineEdit())
        connect(combo->lineEdit(), &QLineEdit::returnPressed, this, [this] { emit executed(m_combo->currentText()); });
}

void RibbonItem::syncWidget()
{
    if (!m_widget)
        return;
    // A tool button follows its action on its own, except for visibility.
    m_widget->setVisible(isVisible());
    if (m_combo) {
        m_combo->setEnabled(isEnabled());
        m_combo->setToolTip(toolTip());
    }
}

} // namespace ribbon
