#pragma once

#include "PageGeometry.h"
#include "platform/richedit/model/Document.h"

namespace richedit {

/// The header or footer a page shows and where it goes.
struct PageHeaderFooter {
    HeaderFooterKind kind = HeaderFooterKind::HeaderOdd;
    int section = 0;              // the page's section
    int owner = -1;               // the section that holds the story, -1 when there is none
    QTextDocument *story = nullptr;
    QRectF area;                  // where the story is drawn: its top-left, text width and height
};

/// Which kind of header (or footer) a page of a section shows: the first page's own when the
/// section asks for one, the even pages' own when the document does, else the odd one.
HeaderFooterKind headerFooterKindFor(const Document &document, int section, int pageInSection, int pageNumber,
                                     bool header);

/// The story a section shows for `kind`: its own, else the nearest earlier section's (a
/// section without one is linked to the previous). `owner` receives the section holding it.
QTextDocument *resolveHeaderFooter(const Document &document, int section, HeaderFooterKind kind,
                                   int *owner = nullptr);

/// The height a header or footer story takes when laid out at `width`.
qreal headerFooterHeight(QTextDocument *story, qreal width);

/// The header (or footer) of a page: the story, with the area below the header distance
/// from the top edge (above the footer distance from the bottom edge), as wide as the text.
PageHeaderFooter pageHeaderFooter(const Document &document, const PageGeometry &geometry, int page, bool header);

/// The same, for a given story shown on that page (the one being edited, which may be new).
QRectF headerFooterArea(const Document &document, const PageGeometry &geometry, int page, bool header,
                        QTextDocument *story);

} // namespace richedit
