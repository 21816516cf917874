#pragma once

#include "RibbonItem.h"

#include <QFrame>

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;

namespace ribbon {

/// A group of a ribbon tab: its items above, its caption below. Large items stand in a
/// column of their own; small items fill rows, up to three rows to a column.
class RibbonGroup : public QFrame {
    Q_OBJECT
public:
    RibbonGroup(const QString &name, const QString &caption, QWidget *parent = nullptr);

    QString caption() const;
    void setCaption(const QString &caption);

    /// Adds an item after the last one, placed as its kind and layout say.
    RibbonItem *addItem(ItemKind kind, const QString &name, const ItemLayout &layout = {});
    /// The items placed in the group (not menu entries), in their order.
    QList<RibbonItem *> items() const { return m_items; }

    /// Rows a column of small items holds.
    static constexpr int rowsPerColumn = 3;

private:
    QWidget *createWidget(RibbonItem *item, bool large);
    void placeLarge(QWidget *widget, const ItemLayout &layout);
    void placeSmall(QWidget *widget, const ItemLayout &layout);
    void addSeparator();
    void startColumn();
    void startRow();

    QLabel *m_caption;
    QHBoxLayout *m_columns;
    QVBoxLayout *m_column = nullptr;
    QHBoxLayout *m_row = nullptr;
    int m_rows = 0;
    QList<RibbonItem *> m_items;
};

} // namespace ribbon
