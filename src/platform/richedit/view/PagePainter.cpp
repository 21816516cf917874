#include "PagePainter.h"

#include "platform/richedit/layout/HeaderFooterPlacement.h"
#include "platform/richedit/layout/LayoutDevice.h"
#include "platform/richedit/layout/PageFields.h"
#include "platform/richedit/layout/PageGeometry.h"
#include "platform/richedit/model/Document.h"
#include "platform/richedit/model/Units.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>

#include <memory>

namespace richedit {
namespace {

void drawStory(QPainter &painter, QTextDocument &story, const QRectF &area)
{
    painter.save();
    painter.translate(area.topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    story.documentLayout()->draw(&painter, context);
    painter.restore();
}

void paintOne(QPainter &painter, const Document &document, const PageGeometry &geometry, int page, bool header,
              const QTextDocument *skip)
{
    const PageHeaderFooter shown = pageHeaderFooter(document, geometry, page, header);
    if (!shown.story || shown.story == skip || shown.story->isEmpty())
        return;
    const int number = geometry.pageNumber(page);
    const int count = geometry.pageCount();
    if (!hasStalePageFields(*shown.story, number, count)) {
        drawStory(painter, *shown.story, shown.area);
        return;
    }
    // The same story shows other numbers on other pages: paint a copy with this page's.
    std::unique_ptr<QTextDocument> copy(shown.story->clone());
    copy->setDocumentMargin(shown.story->documentMargin());
    setPageFieldResults(*copy, number, count);
    copy->documentLayout()->setPaintDevice(layoutDevice());
    copy->setTextWidth(shown.area.width());
    QRectF area = shown.area;
    const qreal bottom = area.bottom();
    area.setHeight(copy->documentLayout()->documentSize().height());
    if (!header) // footers grow upwards from the footer distance
        area.moveBottom(bottom);
    drawStory(painter, *copy, area);
}

} // namespace

void paintHeaderFooters(QPainter &painter, const Document &document, const PageGeometry &geometry, int page,
                        const QTextDocument *skip, qreal opacity)
{
    painter.save();
    painter.setOpacity(painter.opacity() * opacity);
    paintOne(painter, document, geometry, page, true, skip);
    paintOne(painter, document, geometry, page, false, skip);
    painter.restore();
}

void paintBody(QPainter &painter, const Document &document, const PageGeometry &geometry, int page)
{
    const QRectF paper = geometry.pageRect(page);
    painter.save();
    painter.setClipRect(paper, Qt::IntersectClip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    context.clip = paper;
    document.mainStory()->documentLayout()->draw(&painter, context);
    painter.restore();
}

void paintPage(QPainter &painter, const Document &document, const PageGeometry &geometry, int page)
{
    painter.save();
    painter.translate(-geometry.pageRect(page).topLeft());
    paintHeaderFooters(painter, document, geometry, page);
    paintBody(painter, document, geometry, page);
    painter.restore();
}

int printPages(const Document &document, const PageGeometry &geometry, QPrinter &printer)
{
    const int pages = geometry.pageCount();
    int from = 0, to = pages - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = printer.fromPage() - 1;
        to = std::min(to, printer.toPage() > 0 ? printer.toPage() - 1 : to);
    }
    if (from > to)
        return 0;

    const auto pageLayout = [&geometry](int page) {
        const QSizeF paper = geometry.pageRect(page).size() * 72.0 / layoutDpi; // points
        // Paper sizes are named upright; a landscape page is that paper turned.
        const bool landscape = paper.width() > paper.height();
        const QPageSize size(landscape ? paper.transposed() : paper, QPageSize::Point, QString(),
                             QPageSize::FuzzyMatch);
        const QPageLayout::Orientation orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
        return QPageLayout(size, orientation, QMarginsF());
    };
    printer.setFullPage(true);
    printer.setPageLayout(pageLayout(from));
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    int printed = 0;
    for (int page = from; page <= to; ++page) {
        if (page > from) {
            printer.setPageLayout(pageLayout(page));
            printer.newPage();
        }
        painter.save();
        const qreal scale = printer.resolution() / qreal(layoutDpi);
        painter.scale(scale, scale);
        paintPage(painter, document, geometry, page);
        painter.restore();
        ++printed;
    }
    painter.end();
    return printed;
}

} // namespace richedit
