#pragma once

#include <QtGlobal>

class QPainter;
class QPrinter;
class QTextDocument;

namespace richedit {

class Document;
class PageGeometry;

/// Paints a page's header and footer, each page's numbers in its page fields. `skip` is a
/// story not to paint on this page (the one being edited there); `opacity` dims them while
/// the body is being edited.
void paintHeaderFooters(QPainter &painter, const Document &document, const PageGeometry &geometry, int page,
                        const QTextDocument *skip = nullptr, qreal opacity = 1.0);

/// Paints the main story's text of one page where the page lies in the story's coordinates.
void paintBody(QPainter &painter, const Document &document, const PageGeometry &geometry, int page);

/// Paints a whole page as it is printed (header, footer and body), the paper's top-left
/// corner at the painter's origin, in layout units.
void paintPage(QPainter &painter, const Document &document, const PageGeometry &geometry, int page);

/// Prints the pages as the view lays them out, headers and footers included, each page on
/// paper of its own size, within the printer's page range. Returns the number of pages printed.
int printPages(const Document &document, const PageGeometry &geometry, QPrinter &printer);

} // namespace richedit
