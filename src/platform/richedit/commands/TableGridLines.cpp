#include "TableGridLines.h"

#include "platform/richedit/view/RichEditControl.h"

#include <QAbstractTextDocumentLayout>
#include <QGraphicsObject>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <limits>

namespace richedit::table {
namespace {

void collectTables(QTextFrame *frame, std::vector<QTextTable *> &tables)
{
    for (QTextFrame *child : frame->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child))
            tables.push_back(table);
        collectTables(child, tables);
    }
}

qreal padding(const QTextTable *table, const QTextTableCellFormat &cell, QTextFormat::Property property)
{
    return cell.hasProperty(property) ? cell.doubleProperty(property) : table->format().cellPadding();
}

/// The grid drawn over the story item, in the item's (the story layout's) coordinates.
class Overlay final : public QGraphicsObject {
public:
    explicit Overlay(QGraphicsTextItem *story) : QGraphicsObject(story), m_story(story)
    {
        connect(story->document()->documentLayout(), &QAbstractTextDocumentLayout::update, this,
                [this] { update(); });
    }

    QRectF boundingRect() const override { return m_story->boundingRect(); }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        std::vector<QTextTable *> tables;
        collectTables(m_story->document()->rootFrame(), tables);
        QPen pen(QColor(0x9E, 0xB6, 0xCE), 0, Qt::DashLine);
        painter->setPen(pen);
        for (QTextTable *table : tables) {
            if (table->format().border() > 0)
                continue;
            for (const QRectF &rect : cellRectangles(table))
                painter->drawRect(rect);
        }
    }

private:
    QGraphicsTextItem *m_story;
};

} // namespace

std::vector<QRectF> cellRectangles(QTextTable *table)
{
    QAbstractTextDocumentLayout *layout = table->document()->documentLayout();
    const QRectF outline = layout->frameBoundingRect(table);
    const int rows = table->rows(), columns = table->columns();
    constexpr qreal none = std::numeric_limits<qreal>::max();
    std::vector<qreal> left(std::size_t(columns + 1), none), top(std::size_t(rows + 1), none);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c)
                continue;
            const QTextTableCellFormat format = cell.format().toTableCellFormat();
            const QRectF text = layout->blockBoundingRect(table->document()->findBlock(cell.firstPosition()));
            if (cell.columnSpan() == 1 || left[std::size_t(c)] == none)
                left[std::size_t(c)] = std::min(left[std::size_t(c)], text.left() - padding(table, format, QTextFormat::TableCellLeftPadding));
            if (format.verticalAlignment() == QTextCharFormat::AlignTop || format.verticalAlignment() == QTextCharFormat::AlignNormal)
                top[std::size_t(r)] = std::min(top[std::size_t(r)], text.top() - padding(table, format, QTextFormat::TableCellTopPadding));
        }
    left[std::size_t(columns)] = outline.right() - table->format().margin();
    top[std::size_t(rows)] = outline.bottom() - table->format().margin();
    // A line whose cells all sit lower (middle or bottom aligned) follows the line before it.
    for (int r = 0; r < rows; ++r)
        if (top[std::size_t(r)] == none)
            top[std::size_t(r)] = r == 0 ? outline.top() + table->format().margin() : top[std::size_t(r - 1)];
    for (int c = 0; c < columns; ++c)
        if (left[std::size_t(c)] == none)
            left[std::size_t(c)] = c == 0 ? outline.left() + table->format().margin() : left[std::size_t(c - 1)];
    std::vector<QRectF> rectangles;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c)
                continue;
            rectangles.emplace_back(QPointF(left[std::size_t(c)], top[std::size_t(r)]),
                                    QPointF(left[std::size_t(c + cell.columnSpan())], top[std::size_t(r + cell.rowSpan())]));
        }
    return rectangles;
}

GridLines::GridLines(RichEditControl &control) : QObject(&control), m_control(control)
{
    setObjectName(QStringLiteral("TableGridLines"));
    // A new or opened document comes with a new story item, which needs the grid again.
    connect(&control, &RichEditControl::SelectionChanged, this, [this] {
        if (m_shown)
            attach();
    });
}

GridLines *GridLines::of(const RichEditControl &control)
{
    return control.findChild<GridLines *>(QStringLiteral("TableGridLines"), Qt::FindDirectChildrenOnly);
}

void GridLines::setShown(bool shown)
{
    m_shown = shown;
    attach();
}

void GridLines::attach()
{
    QGraphicsTextItem *story = nullptr;
    if (QGraphicsScene *scene = m_control.scene())
        for (QGraphicsItem *item : scene->items())
            if (auto *text = dynamic_cast<QGraphicsTextItem *>(item); text && text->document() == m_control.mainStory())
                story = text;
    if (!story)
        return;
    Overlay *overlay = nullptr;
    for (QGraphicsItem *child : story->childItems())
        if (auto *found = dynamic_cast<Overlay *>(child))
            overlay = found;
    if (!overlay && !m_shown)
        return;
    if (!overlay)
        overlay = new Overlay(story);
    overlay->setVisible(m_shown);
}

void toggleShowGridLines(CommandContext &context, const QVariant &)
{
    if (GridLines *lines = GridLines::of(context.control))
        lines->setShown(!lines->isShown());
}

bool gridLinesShown(const CommandContext &context)
{
    const GridLines *lines = GridLines::of(context.control);
    return lines && lines->isShown();
}

} // namespace richedit::table
