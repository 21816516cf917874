#include "RibbonGroup.h"

#include "ColorPalette.h"
#include "RibbonButton.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ribbon {
namespace {

constexpr int joinedGroupGap = 6;

bool placedLarge(ItemKind kind, const ItemLayout &layout)
{
    if (layout.alwaysLarge || kind == ItemKind::Large)
        return true;
    // A menu is a large button unless the layout puts it in a row of small ones.
    return kind == ItemKind::Menu && !layout.continuesRow && !layout.iconOnly && !layout.textBeside;
}

} // namespace

RibbonGroup::RibbonGroup(const QString &name, const QString &caption, QWidget *parent) : QFrame(parent)
{
    setObjectName(name);
    setProperty("ribbonGroup", true);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 3, 4, 1);
    outer->setSpacing(0);
    m_columns = new QHBoxLayout;
    m_columns->setSpacing(2);
    m_columns->setContentsMargins(0, 0, 0, 0);
    outer->addLayout(m_columns, 1);
    m_caption = new QLabel(caption, this);
    m_caption->setObjectName(name + QStringLiteral("Caption"));
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setProperty("ribbonGroupCaption", true);
    outer->addWidget(m_caption);
}

QString RibbonGroup::caption() const
{
    return m_caption->text();
}

void RibbonGroup::setCaption(const QString &caption)
{
    m_caption->setText(caption);
}

RibbonItem *RibbonGroup::addItem(ItemKind kind, const QString &name, const ItemLayout &layout)
{
    auto *item = new RibbonItem(kind, name, layout, this);
    m_items << item;
    const bool large = placedLarge(kind, layout);
    QWidget *widget = createWidget(item, large);
    if (large)
        placeLarge(widget, layout);
    else
        placeSmall(widget, layout);
    return item;
}

QWidget *RibbonGroup::createWidget(RibbonItem *item, bool large)
{
    if (item->kind() == ItemKind::Combo) {
        auto *combo = new QComboBox(this);
        combo->setObjectName(item->objectName() + QStringLiteral("Box"));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setFixedHeight(RibbonButton::smallHeight);
        if (item->itemLayout().width > 0)
            combo->setFixedWidth(item->itemLayout().width);
        item->setComboBox(combo);
        return combo;
    }
    auto *button = new RibbonButton(item, large, this);
    if (item->kind() == ItemKind::Gallery) {
        auto *palette = new ColorPalette(button);
        palette->setObjectName(item->objectName() + QStringLiteral("Palette"));
        button->setMenu(palette);
        button->setPopupMode(QToolButton::MenuButtonPopup);
        connect(palette, &ColorPalette::colourPicked, item, [item](const QColor &colour) {
            item->setValue(colour);
            emit item->executed(colour);
        });
    }
    item->setWidget(button);
    return button;
}

void RibbonGroup::placeLarge(QWidget *widget, const ItemLayout &layout)
{
    if (layout.separator)
        addSeparator();
    m_columns->addWidget(widget, 0, Qt::AlignTop);
    m_column = nullptr;
    m_row = nullptr;
}

void RibbonGroup::placeSmall(QWidget *widget, const ItemLayout &layout)
{
    if (layout.separator) {
        addSeparator();
        startColumn();
    } else if (!m_column) {
        startColumn();
    } else if (!(layout.continuesRow && m_row)) {
        if (m_rows == rowsPerColumn)
            startColumn();
        else
            startRow();
    } else if (layout.joinedGroup) {
        m_row->insertSpacing(m_row->count() - 1, joinedGroupGap);
    }
    m_row->insertWidget(m_row->count() - 1, widget);
}

void RibbonGroup::addSeparator()
{
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setProperty("ribbonSeparator", true);
    m_columns->addSpacing(2);
    m_columns->addWidget(line);
    m_columns->addSpacing(2);
}

void RibbonGroup::startColumn()
{
    m_column = new QVBoxLayout;
    m_column->setSpacing(1);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->addStretch(1);
    m_columns->addLayout(m_column);
    m_rows = 0;
    startRow();
}

void RibbonGroup::startRow()
{
    m_row = new QHBoxLayout;
    m_row->setSpacing(0);
    m_row->setContentsMargins(0, 0, 0, 0);
    // Rows fill from the top; the stretch stays below them.
    m_column->insertLayout(m_column->count() - 1, m_row);
    m_row->addStretch(1);
    ++m_rows;
}

} // namespace ribbon
