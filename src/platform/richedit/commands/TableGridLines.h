#pragma once

#include "EditorCommand.h"

#include <QObject>
#include <QRectF>

#include <vector>

class QTextTable;

namespace richedit::table {

/// Where the cells of a table are in its story's layout, one rectangle per cell.
std::vector<QRectF> cellRectangles(QTextTable *table);

/// Dashed lines round the cells of tables without borders, drawn over the main story in the
/// view only: the document and its files never see them.
class GridLines final : public QObject {
public:
    explicit GridLines(RichEditControl &control);
    bool isShown() const { return m_shown; }
    void setShown(bool shown);
    static GridLines *of(const RichEditControl &control);

private:
    void attach();

    RichEditControl &m_control;
    bool m_shown = false;
};

void toggleShowGridLines(CommandContext &context, const QVariant &);
bool gridLinesShown(const CommandContext &context);

} // namespace richedit::table
