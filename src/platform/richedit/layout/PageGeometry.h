#pragma once

#include <QRectF>

namespace richedit {

/// Where the pages of the main story lie and what each page shows, in layout units (96 per
/// inch) in the coordinates of the story's text item. The view, the printer and the header
/// and footer placement ask this alone, so the layout behind it can change without touching
/// them.
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

    /// The section whose header, footer and page setup the page shows.
    virtual int sectionOfPage(int page) const = 0;
    /// The page's place in its section, 0 for the section's first page.
    virtual int pageInSection(int page) const = 0;
    /// The number a PAGE field shows on the page.
    virtual int pageNumber(int page) const = 0;
    /// The first page of a section, or -1 when no page shows it.
    virtual int firstPageOfSection(int section) const = 0;
};

} // namespace richedit
