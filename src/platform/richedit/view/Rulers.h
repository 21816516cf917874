#pragma once

#include <QPointer>
#include <QTextDocument>
#include <QWidget>

#include <vector>

namespace richedit {

class RichEditControl;

/// Where the horizontal ruler's marks lie, in layout units (96 per inch) of the story: the
/// caret's page, its text area and the caret paragraph's indents and tab stops.
struct HorizontalMarks {
    qreal pageLeft = 0, pageRight = 0;
    qreal textLeft = 0, textRight = 0;
    qreal firstLine = 0; // where the paragraph's first line starts
    qreal left = 0;      // where its other lines start
    qreal right = 0;     // where its lines end
    std::vector<qreal> tabs;
};

/// Where the vertical ruler's marks lie: the caret's page and the text area on it.
struct VerticalMarks {
    qreal pageTop = 0, pageBottom = 0;
    qreal textTop = 0, textBottom = 0;
};

HorizontalMarks horizontalMarks(const RichEditControl &control);
VerticalMarks verticalMarks(const RichEditControl &control);

/// One ruler: ticks and numbers in the control's measurement unit counted from the margin,
/// the margins shaded. The horizontal one shows the caret paragraph's indents and tab stops;
/// its indent markers can be dragged.
class RulerBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int thickness = 22;

    RulerBar(RichEditControl &control, Qt::Orientation orientation);

    Qt::Orientation orientation() const { return m_orientation; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Marker { None, FirstLine, Left, Right };

    qreal toScreen(qreal layout) const;
    qreal toLayout(qreal screen) const;
    void paintTicks(QPainter &painter, qreal origin, qreal from, qreal to);

    RichEditControl &m_control;
    Qt::Orientation m_orientation;
    Marker m_dragging = Marker::None;
    qreal m_dragPosition = 0;
};

/// The two rulers of a control, both hidden at first. They sit in room the control leaves
/// free at its left and top edges and follow its scrolling, zoom, caret and page setup.
class Rulers : public QObject {
    Q_OBJECT
public:
    /// The rulers of the control, made on first use.
    static Rulers &of(RichEditControl &control);

    bool isHorizontalShown() const { return m_horizontalShown; }
    bool isVerticalShown() const { return m_verticalShown; }
    void setHorizontalShown(bool shown);
    void setVerticalShown(bool shown);

    RulerBar &horizontal() { return *m_horizontal; }
    RulerBar &vertical() { return *m_vertical; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit Rulers(RichEditControl &control);
    void place();
    void refresh();

    RichEditControl &m_control;
    RulerBar *m_horizontal;
    RulerBar *m_vertical;
    QPointer<QTextDocument> m_story;
    QObject *m_viewport = nullptr;
    bool m_horizontalShown = false;
    bool m_verticalShown = false;
};

} // namespace richedit
