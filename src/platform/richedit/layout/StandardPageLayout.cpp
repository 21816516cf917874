#include "StandardPageLayout.h"

#include "platform/richedit/model/Units.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextFrame>

#include <algorithm>

namespace richedit {
namespace {

// Layout happens on a fixed 96-dpi device so that every screen and the printer break
// lines and pages alike.
QPaintDevice *layoutDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(layoutDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

qreal layoutPageHeight(const Section &section)
{
    return twipsToLayout(section.pageHeight) + StandardPageLayout::pageGap;
}

} // namespace

StandardPageLayout::StandardPageLayout(Document &document) : m_document(document) {}

void StandardPageLayout::apply()
{
    QTextDocument *story = m_document.mainStory();
    story->documentLayout()->setPaintDevice(layoutDevice());

    const Section &section = m_document.section(0);
    const QSizeF size(twipsToLayout(section.pageWidth), layoutPageHeight(section));
    QTextFrameFormat frame = story->rootFrame()->frameFormat();
    const PageMargins &m = section.margins;
    const qreal left = twipsToLayout(m.left), right = twipsToLayout(m.right);
    const qreal top = twipsToLayout(m.top), bottom = twipsToLayout(m.bottom) + pageGap;
    // The page size is no part of Qt's undo stack; only the frame margins are.
    if (story->pageSize() != size)
        story->setPageSize(size);
    if (frame.leftMargin() == left && frame.rightMargin() == right && frame.topMargin() == top
        && frame.bottomMargin() == bottom)
        return;
    frame.setLeftMargin(left);
    frame.setRightMargin(right);
    frame.setTopMargin(top);
    frame.setBottomMargin(bottom);
    if (m_document.recordingPageSetup()) {
        // The user's page setup edit: the margins join its undo step, so that undo and redo
        // bring them back with the sections and never have to switch undo off midway.
        story->rootFrame()->setFrameFormat(frame);
        return;
    }

    // A page setup is not an edit of the text: keep it off the undo stack (Qt's only way is
    // to switch undo off for the change, which also clears the stack) and out of the
    // modified flag.
    const bool modified = story->isModified();
    story->setUndoRedoEnabled(false);
    story->rootFrame()->setFrameFormat(frame);
    story->setUndoRedoEnabled(true);
    story->setModified(modified);
}

int StandardPageLayout::pageCount() const
{
    return std::max(1, m_document.mainStory()->pageCount());
}

QRectF StandardPageLayout::pageRect(int page) const
{
    const Section &section = m_document.section(0);
    return {0, page * layoutPageHeight(section), twipsToLayout(section.pageWidth), twipsToLayout(section.pageHeight)};
}

QRectF StandardPageLayout::textArea(int page) const
{
    const PageMargins &m = m_document.section(0).margins;
    return pageRect(page).adjusted(twipsToLayout(m.left), twipsToLayout(m.top), -twipsToLayout(m.right),
                                   -twipsToLayout(m.bottom));
}

int StandardPageLayout::pageAt(qreal y) const
{
    const int page = static_cast<int>(y / layoutPageHeight(m_document.section(0)));
    return std::clamp(page, 0, pageCount() - 1);
}

} // namespace richedit
