#pragma once

#include <QRectF>

namespace richedit {

/// Where the pages of the main story lie, in layout units (96 per inch) in the coordinates
/// of the story's text item. The view paints pages and places the caret from this alone, so
/// the layout behind it can change without touching the view.
class PageGeometry {
public:
    virtual ~PageGeometry() = default;

    virtual int pageCount() const = 0;
    /// The paper of a page.
    virtual QRectF pageRect(int page) const = 0;
    /// The part of the page inside its margins, where the text goes.
    virtual QRectF textArea(int page) const = 0;
    /// The page that holds the point `y`, clamped to the first and last page.
    virtual int pageAt(qreal y) const = 0;
};

} // namespace richedit
