#include "StandardPageLayout.h"

#include "HeaderFooterPlacement.h"
#include "LayoutDevice.h"
#include "platform/richedit/model/Properties.h"
#include "platform/richedit/model/Units.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextBlock>
#include <QTextFrame>

#include <algorithm>

namespace richedit {

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

namespace {

qreal layoutPageHeight(const Section &section)
{
    return twipsToLayout(section.pageHeight) + StandardPageLayout::pageGap;
}

constexpr HeaderFooterKind headerKinds[] = {HeaderFooterKind::HeaderOdd, HeaderFooterKind::HeaderEven,
                                            HeaderFooterKind::HeaderFirst};
constexpr HeaderFooterKind footerKinds[] = {HeaderFooterKind::FooterOdd, HeaderFooterKind::FooterEven,
                                            HeaderFooterKind::FooterFirst};

} // namespace

StandardPageLayout::StandardPageLayout(Document &document) : m_document(document)
{
    m_contentsWatch = QObject::connect(document.mainStory(), &QTextDocument::contentsChanged,
                                       [this] { m_startsValid = false; });
}

StandardPageLayout::~StandardPageLayout()
{
    QObject::disconnect(m_contentsWatch);
}

std::pair<qreal, qreal> StandardPageLayout::bodyMargins() const
{
    // Every page shares the root frame's margins, so the body keeps clear of the tallest
    // header and footer any page can show.
    const Section &first = m_document.section(0);
    const qreal width = twipsToLayout(first.pageWidth - first.margins.left - first.margins.right);
    qreal top = twipsToLayout(first.margins.top);
    qreal bottom = twipsToLayout(first.margins.bottom);
    for (int s = 0; s < static_cast<int>(m_document.sections().size()); ++s) {
        const PageMargins &m = m_document.section(s).margins;
        for (HeaderFooterKind kind : headerKinds)
            if (QTextDocument *story = m_document.headerFooter(s, kind))
                top = std::max(top, twipsToLayout(m.header) + headerFooterHeight(story, width));
        for (HeaderFooterKind kind : footerKinds)
            if (QTextDocument *story = m_document.headerFooter(s, kind))
                bottom = std::max(bottom, twipsToLayout(m.footer) + headerFooterHeight(story, width));
    }
    return {top, bottom};
}

void StandardPageLayout::apply()
{
    m_startsValid = false;
    QTextDocument *story = m_document.mainStory();
    story->documentLayout()->setPaintDevice(layoutDevice());

    const Section &section = m_document.section(0);
    const QSizeF size(twipsToLayout(section.pageWidth), layoutPageHeight(section));
    QTextFrameFormat frame = story->rootFrame()->frameFormat();
    const PageMargins &m = section.margins;
    const qreal left = twipsToLayout(m.left), right = twipsToLayout(m.right);
    const auto [top, bodyBottom] = bodyMargins();
    const qreal bottom = bodyBottom + pageGap;
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
    const QTextFrameFormat frame = m_document.mainStory()->rootFrame()->frameFormat();
    return pageRect(page).adjusted(frame.leftMargin(), frame.topMargin(), -frame.rightMargin(),
                                   -(frame.bottomMargin() - pageGap));
}

int StandardPageLayout::pageAt(qreal y) const
{
    const int page = static_cast<int>(y / layoutPageHeight(m_document.section(0)));
    return std::clamp(page, 0, pageCount() - 1);
}

const std::vector<int> &StandardPageLayout::sectionStarts() const
{
    if (m_startsValid)
        return m_sectionStarts;
    const int sections = static_cast<int>(m_document.sections().size());
    m_sectionStarts.assign(static_cast<std::size_t>(sections), -1);
    m_sectionStarts[0] = 0;
    const QTextDocument *story = m_document.mainStory();
    QAbstractTextDocumentLayout *layout = story->documentLayout();
    int next = 1;
    for (QTextBlock block = story->begin(); block.isValid() && next < sections; block = block.next()) {
        if (!block.blockFormat().boolProperty(prop::SectionEnd) || !block.next().isValid())
            continue;
        const QRectF rect = layout->blockBoundingRect(block.next());
        m_sectionStarts[static_cast<std::size_t>(next++)] = pageAt(rect.top() + 1);
    }
    m_startsValid = true;
    return m_sectionStarts;
}

int StandardPageLayout::sectionOfPage(int page) const
{
    const std::vector<int> &starts = sectionStarts();
    int section = 0;
    for (int s = 0; s < static_cast<int>(starts.size()); ++s)
        if (starts[static_cast<std::size_t>(s)] >= 0 && starts[static_cast<std::size_t>(s)] <= page)
            section = s;
    return section;
}

int StandardPageLayout::pageInSection(int page) const
{
    return page - sectionStarts()[static_cast<std::size_t>(sectionOfPage(page))];
}

int StandardPageLayout::pageNumber(int page) const
{
    // Numbers run on from the first page and restart where a section says so.
    const std::vector<int> &starts = sectionStarts();
    int fromPage = 0;
    int number = std::max(1, m_document.section(0).pageNumberStart);
    for (int s = 1; s < static_cast<int>(starts.size()); ++s) {
        const int start = starts[static_cast<std::size_t>(s)];
        const int restart = m_document.section(s).pageNumberStart;
        if (start < 0 || start > page || restart <= 0)
            continue;
        fromPage = start;
        number = restart;
    }
    return number + page - fromPage;
}

int StandardPageLayout::firstPageOfSection(int section) const
{
    const std::vector<int> &starts = sectionStarts();
    if (section < 0 || section >= static_cast<int>(starts.size()))
        return -1;
    const int start = starts[static_cast<std::size_t>(section)];
    // A later section starting on the same page takes the page over.
    return start >= 0 && sectionOfPage(start) == section ? start : -1;
}

} // namespace richedit
