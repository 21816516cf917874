#include "ContinuousLayout.h"

#include "platform/richedit/layout/StandardPageLayout.h"
#include "platform/richedit/model/Document.h"
#include "platform/richedit/model/Units.h"

#include <QAbstractTextDocumentLayout>
#include <QTextFrame>

#include <algorithm>

namespace richedit {
namespace {

constexpr qreal narrowest = 96; // the simple view's text never gets narrower than an inch

} // namespace

ContinuousLayout::ContinuousLayout(Document &document, StandardPageLayout &printLayout)
    : m_document(document), m_printLayout(printLayout)
{
}

void ContinuousLayout::apply(ViewMode mode, qreal availableWidth)
{
    QTextDocument *story = m_document.mainStory();
    const Section &section = m_document.section(0);
    // Back to the print page first, so that the print layout finds the story as it left it
    // and changes the margins only when the page setup did.
    const QSizeF printPage(twipsToLayout(section.pageWidth),
                           twipsToLayout(section.pageHeight) + StandardPageLayout::pageGap);
    if (story->pageSize() != printPage)
        story->setPageSize(printPage);
    m_printLayout.apply();
    if (mode == ViewMode::PrintLayout)
        return;

    const QTextFrameFormat frame = story->rootFrame()->frameFormat();
    const qreal sides = frame.leftMargin() + frame.rightMargin();
    qreal width = printPage.width();
    if (mode == ViewMode::Simple)
        width = std::max(narrowest, availableWidth - 2 * padding) + sides;
    // A page of no height is not paginated.
    story->setPageSize(QSizeF(width, -1));
}

QRectF ContinuousLayout::textArea(int) const
{
    const QTextDocument *story = m_document.mainStory();
    const QTextFrameFormat frame = story->rootFrame()->frameFormat();
    const QSizeF size = story->documentLayout()->documentSize();
    const qreal width = story->pageSize().width() - frame.leftMargin() - frame.rightMargin();
    const qreal height = std::max(size.height() - frame.topMargin() - frame.bottomMargin(), qreal(24));
    return {frame.leftMargin(), frame.topMargin(), width, height};
}

QRectF ContinuousLayout::pageRect(int page) const
{
    return textArea(page).adjusted(-padding, -padding, padding, padding);
}

} // namespace richedit
