#include "HeaderFooterPlacement.h"

#include "LayoutDevice.h"
#include "platform/richedit/model/Units.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

namespace richedit {
namespace {

HeaderFooterKind kindOf(bool header, HeaderFooterKind headerKind)
{
    if (header)
        return headerKind;
    switch (headerKind) {
    case HeaderFooterKind::HeaderFirst: return HeaderFooterKind::FooterFirst;
    case HeaderFooterKind::HeaderEven: return HeaderFooterKind::FooterEven;
    default: return HeaderFooterKind::FooterOdd;
    }
}

} // namespace

HeaderFooterKind headerFooterKindFor(const Document &document, int section, int pageInSection, int pageNumber,
                                     bool header)
{
    if (pageInSection == 0 && document.section(section).differentFirstPage)
        return kindOf(header, HeaderFooterKind::HeaderFirst);
    if (document.evenAndOddHeaders() && pageNumber % 2 == 0)
        return kindOf(header, HeaderFooterKind::HeaderEven);
    return kindOf(header, HeaderFooterKind::HeaderOdd);
}

QTextDocument *resolveHeaderFooter(const Document &document, int section, HeaderFooterKind kind, int *owner)
{
    for (int s = section; s >= 0; --s) {
        if (QTextDocument *story = document.headerFooter(s, kind)) {
            if (owner)
                *owner = s;
            return story;
        }
    }
    if (owner)
        *owner = -1;
    return nullptr;
}

qreal headerFooterHeight(QTextDocument *story, qreal width)
{
    if (!story)
        return 0;
    if (story->documentLayout()->paintDevice() != layoutDevice())
        story->documentLayout()->setPaintDevice(layoutDevice());
    if (story->textWidth() != width)
        story->setTextWidth(width);
    return story->documentLayout()->documentSize().height();
}

QRectF headerFooterArea(const Document &document, const PageGeometry &geometry, int page, bool header,
                        QTextDocument *story)
{
    const QRectF paper = geometry.pageRect(page);
    const QRectF text = geometry.textArea(page);
    const PageMargins &margins = document.section(geometry.sectionOfPage(page)).margins;
    const qreal height = headerFooterHeight(story, text.width());
    const qreal top = header ? paper.top() + twipsToLayout(margins.header)
                             : paper.bottom() - twipsToLayout(margins.footer) - height;
    return {text.left(), top, text.width(), height};
}

PageHeaderFooter pageHeaderFooter(const Document &document, const PageGeometry &geometry, int page, bool header)
{
    PageHeaderFooter result;
    result.section = geometry.sectionOfPage(page);
    result.kind = headerFooterKindFor(document, result.section, geometry.pageInSection(page),
                                      geometry.pageNumber(page), header);
    result.story = resolveHeaderFooter(document, result.section, result.kind, &result.owner);
    result.area = headerFooterArea(document, geometry, page, header, result.story);
    return result;
}

} // namespace richedit
