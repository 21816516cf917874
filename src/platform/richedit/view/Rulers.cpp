#include "Rulers.h"

#include "RichEditControl.h"
#include "platform/richedit/layout/PageGeometry.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>

namespace richedit {
namespace {

const QColor rulerColour(0xe8, 0xea, 0xed);
const QColor marginColour(0xc4, 0xc8, 0xcf);
const QColor paperColour(Qt::white);
const QColor tickColour(0x50, 0x55, 0x5c);
const QColor markerColour(0x3a, 0x6e, 0xa5);
constexpr qreal grabDistance = 5; // pixels round a marker that pick it up

/// A ruler's scale in a unit: a numbered tick every `major` units, split into `parts`.
struct Scale {
    MeasurementUnit unit;
    qreal major;
    int parts;
};

const Scale scales[] = {
    {MeasurementUnit::Centimeter, 1, 4},
    {MeasurementUnit::Millimeter, 10, 2},
    {MeasurementUnit::Inch, 1, 8},
    {MeasurementUnit::Point, 72, 6},
    {MeasurementUnit::Document, 300, 6},
};

Scale scaleOf(MeasurementUnit unit)
{
    for (const Scale &scale : scales)
        if (scale.unit == unit)
            return scale;
    return scales[0];
}

int caretPage(const RichEditControl &control)
{
    const QTextDocument *story = control.document().mainStory();
    const QTextBlock block = control.textCursor().block();
    const QRectF rect = story->documentLayout()->blockBoundingRect(block);
    return control.pageGeometry().pageAt(rect.top() + 1);
}

} // namespace

HorizontalMarks horizontalMarks(const RichEditControl &control)
{
    const PageGeometry &geometry = control.pageGeometry();
    const int page = caretPage(control);
    const QRectF paper = geometry.pageRect(page);
    const QRectF text = geometry.textArea(page);
    const QTextBlockFormat format = control.textCursor().blockFormat();
    HorizontalMarks marks;
    marks.pageLeft = paper.left();
    marks.pageRight = paper.right();
    marks.textLeft = text.left();
    marks.textRight = text.right();
    marks.left = text.left() + format.leftMargin() + format.indent() * control.document().mainStory()->indentWidth();
    marks.firstLine = marks.left + format.textIndent();
    marks.right = text.right() - format.rightMargin();
    for (const QTextOption::Tab &tab : format.tabPositions())
        marks.tabs.push_back(text.left() + tab.position);
    return marks;
}

VerticalMarks verticalMarks(const RichEditControl &control)
{
    const PageGeometry &geometry = control.pageGeometry();
    const int page = caretPage(control);
    const QRectF paper = geometry.pageRect(page);
    const QRectF text = geometry.textArea(page);
    return {paper.top(), paper.bottom(), text.top(), text.bottom()};
}

RulerBar::RulerBar(RichEditControl &control, Qt::Orientation orientation)
    : QWidget(&control), m_control(control), m_orientation(orientation)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (orientation == Qt::Horizontal)
        setCursor(Qt::ArrowCursor);
}

qreal RulerBar::toScreen(qreal layout) const
{
    const QPointF point = m_orientation == Qt::Horizontal ? QPointF(layout, 0) : QPointF(0, layout);
    const QPointF mapped = m_control.viewportTransform().map(point);
    return m_orientation == Qt::Horizontal ? mapped.x() : mapped.y();
}

qreal RulerBar::toLayout(qreal screen) const
{
    const QPointF point = m_orientation == Qt::Horizontal ? QPointF(screen, 0) : QPointF(0, screen);
    const QPointF mapped = m_control.viewportTransform().inverted().map(point);
    return m_orientation == Qt::Horizontal ? mapped.x() : mapped.y();
}

void RulerBar::paintTicks(QPainter &painter, qreal origin, qreal from, qreal to)
{
    const Scale scale = scaleOf(m_control.MeasurementUnit());
    const qreal step = twipsToLayout(scale.major * twipsPerUnit(scale.unit)) / scale.parts;
    const bool horizontal = m_orientation == Qt::Horizontal;
    const int extent = horizontal ? height() : width();
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    painter.setPen(tickColour);
    const int firstTick = int(std::ceil((from - origin) / step));
    const int lastTick = int(std::floor((to - origin) / step));
    for (int i = firstTick; i <= lastTick; ++i) {
        const qreal at = toScreen(origin + i * step);
        if (i % scale.parts == 0) {
            if (i == 0)
                continue;
            const QString number = QString::number(std::abs(i / scale.parts) * scale.major);
            const QRectF box = horizontal ? QRectF(at - 15, 0, 30, extent) : QRectF(0, at - 8, extent, 16);
            painter.drawText(box, Qt::AlignCenter, number);
        } else {
            const qreal length = i % scale.parts == scale.parts / 2 ? extent / 3.0 : extent / 6.0;
            const qreal middle = extent / 2.0;
            if (horizontal)
                painter.drawLine(QPointF(at, middle - length / 2), QPointF(at, middle + length / 2));
            else
                painter.drawLine(QPointF(middle - length / 2, at), QPointF(middle + length / 2, at));
        }
    }
}

void RulerBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), rulerColour);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool horizontal = m_orientation == Qt::Horizontal;
    const int extent = horizontal ? height() : width();
    const auto band = [&](qreal from, qreal to, const QColor &colour) {
        const qreal a = toScreen(from), b = toScreen(to);
        painter.fillRect(horizontal ? QRectF(a, 3, b - a, extent - 6) : QRectF(3, a, extent - 6, b - a), colour);
    };
    if (horizontal) {
        const HorizontalMarks marks = horizontalMarks(m_control);
        band(marks.pageLeft, marks.pageRight, marginColour);
        band(marks.textLeft, marks.textRight, paperColour);
        paintTicks(painter, marks.textLeft, marks.pageLeft, marks.pageRight);
        painter.setPen(tickColour);
        for (qreal tab : marks.tabs) {
            const qreal x = toScreen(tab);
            painter.drawLine(QPointF(x, extent - 8), QPointF(x, extent - 3));
            painter.drawLine(QPointF(x, extent - 3), QPointF(x - 4, extent - 3));
        }
        const auto triangle = [&](qreal at, bool down) {
            const qreal x = toScreen(at);
            const qreal tip = down ? 8 : extent - 8;
            const qreal base = down ? 1 : extent - 1;
            const QPointF points[] = {{x - 5, base}, {x + 5, base}, {x, tip}};
            painter.setPen(markerColour.darker());
            painter.setBrush(markerColour);
            painter.drawPolygon(points, 3);
        };
        qreal firstLine = marks.firstLine, left = marks.left, right = marks.right;
        if (m_dragging == Marker::FirstLine)
            firstLine = m_dragPosition;
        else if (m_dragging == Marker::Left)
            left = m_dragPosition;
        else if (m_dragging == Marker::Right)
            right = m_dragPosition;
        triangle(firstLine, true);
        triangle(left, false);
        triangle(right, false);
    } else {
        const VerticalMarks marks = verticalMarks(m_control);
        band(marks.pageTop, marks.pageBottom, marginColour);
        band(marks.textTop, marks.textBottom, paperColour);
        paintTicks(painter, marks.textTop, marks.pageTop, marks.pageBottom);
    }
}

void RulerBar::mousePressEvent(QMouseEvent *event)
{
    if (m_orientation != Qt::Horizontal || event->button() != Qt::LeftButton || m_control.isReadOnly())
        return;
    const HorizontalMarks marks = horizontalMarks(m_control);
    const qreal x = event->position().x();
    const bool top = event->position().y() < height() / 2.0;
    if (top && std::abs(toScreen(marks.firstLine) - x) <= grabDistance)
        m_dragging = Marker::FirstLine;
    else if (!top && std::abs(toScreen(marks.left) - x) <= grabDistance)
        m_dragging = Marker::Left;
    else if (!top && std::abs(toScreen(marks.right) - x) <= grabDistance)
        m_dragging = Marker::Right;
    m_dragPosition = toLayout(x);
}

void RulerBar::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging == Marker::None)
        return;
    const HorizontalMarks marks = horizontalMarks(m_control);
    m_dragPosition = std::clamp(toLayout(event->position().x()), marks.pageLeft, marks.pageRight);
    update();
}

void RulerBar::mouseReleaseEvent(QMouseEvent *)
{
    if (m_dragging == Marker::None)
        return;
    const HorizontalMarks marks = horizontalMarks(m_control);
    const Marker dragged = m_dragging;
    m_dragging = Marker::None;
    const qreal base = marks.left - m_control.textCursor().blockFormat().leftMargin();
    QTextCursor cursor = m_control.textCursor();
    cursor.beginEditBlock();
    // Each paragraph of the selection keeps its own other indents.
    const QTextDocument *story = cursor.document();
    const QTextBlock last = story->findBlock(cursor.selectionEnd());
    for (QTextBlock block = story->findBlock(cursor.selectionStart()); block.isValid(); block = block.next()) {
        QTextCursor editor(block);
        QTextBlockFormat format = block.blockFormat();
        if (dragged == Marker::FirstLine) {
            format.setTextIndent(m_dragPosition - marks.left);
        } else if (dragged == Marker::Left) {
            // The first line stays where it is; the other lines move.
            const qreal firstLine = format.leftMargin() + format.textIndent();
            format.setLeftMargin(std::max<qreal>(0, m_dragPosition - base));
            format.setTextIndent(firstLine - format.leftMargin());
        } else {
            format.setRightMargin(std::max<qreal>(0, marks.textRight - m_dragPosition));
        }
        editor.setBlockFormat(format);
        if (block == last)
            break;
    }
    cursor.endEditBlock();
    update();
}

Rulers::Rulers(RichEditControl &control)
    : QObject(&control), m_control(control), m_horizontal(new RulerBar(control, Qt::Horizontal)),
      m_vertical(new RulerBar(control, Qt::Vertical))
{
    setObjectName(QStringLiteral("rulers"));
    m_horizontal->hide();
    m_vertical->hide();
    m_viewport = control.viewport();
    m_viewport->installEventFilter(this);
    connect(&control, &RichEditControl::SelectionChanged, this, &Rulers::refresh);
    connect(&control, &RichEditControl::zoomChanged, this, &Rulers::refresh);
    connect(&control, &RichEditControl::viewModeChanged, this, &Rulers::refresh);
    connect(&control, &RichEditControl::DocumentLoaded, this, &Rulers::refresh);
    connect(control.horizontalScrollBar(), &QScrollBar::valueChanged, this, &Rulers::refresh);
    connect(control.verticalScrollBar(), &QScrollBar::valueChanged, this, &Rulers::refresh);
}

Rulers &Rulers::of(RichEditControl &control)
{
    if (Rulers *existing = control.findChild<Rulers *>(QStringLiteral("rulers"), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new Rulers(control);
}

void Rulers::setHorizontalShown(bool shown)
{
    m_horizontalShown = shown;
    place();
}

void Rulers::setVerticalShown(bool shown)
{
    m_verticalShown = shown;
    place();
}

void Rulers::place()
{
    const int top = m_horizontalShown ? RulerBar::thickness : 0;
    const int left = m_verticalShown ? RulerBar::thickness : 0;
    m_control.setRulerMargins(left, top);
    const QRect viewport = m_control.viewport()->geometry();
    m_horizontal->setGeometry(viewport.left(), viewport.top() - top, viewport.width(), top);
    m_vertical->setGeometry(viewport.left() - left, viewport.top(), left, viewport.height());
    m_horizontal->setVisible(m_horizontalShown);
    m_vertical->setVisible(m_verticalShown);
    refresh();
}

void Rulers::refresh()
{
    QTextDocument *story = m_control.mainStory();
    if (story != m_story) {
        if (m_story)
            disconnect(m_story, nullptr, this, nullptr);
        m_story = story;
        connect(story, &QTextDocument::contentsChanged, this, &Rulers::refresh);
    }
    if (m_horizontal->isVisible())
        m_horizontal->update();
    if (m_vertical->isVisible())
        m_vertical->update();
}

bool Rulers::eventFilter(QObject *watched, QEvent *event)
{
    // The viewport moves and resizes after the control has laid out its scroll bars and margins.
    // Compared with the pointer kept at the start: while the control is being destroyed its
    // viewport still sends events, and the control must not be asked anything then.
    if (watched == m_viewport && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        place();
    return QObject::eventFilter(watched, event);
}

} // namespace richedit
