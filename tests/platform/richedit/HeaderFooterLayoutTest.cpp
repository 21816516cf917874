#include "PagedDocument.h"
#include "platform/richedit/layout/HeaderFooterPlacement.h"
#include "platform/richedit/layout/PageFields.h"
#include "platform/richedit/layout/StandardPageLayout.h"
#include "platform/richedit/model/Units.h"
#include "platform/richedit/view/PagePainter.h"
#include "support/TempDir.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace richedit;
using HF = HeaderFooterKind;

namespace {

// --- Page fields ---------------------------------------------------------------------------

TEST(PageFieldsTest, InstructionsNameTheirFieldWhateverTheirSwitchesAndCase)
{
    const struct {
        const char *instruction;
        PageField field;
    } cases[] = {
        {"PAGE", PageField::Page},          {" page \\* MERGEFORMAT ", PageField::Page},
        {"NUMPAGES", PageField::NumPages}, {"NumPages \\* Arabic", PageField::NumPages},
        {"PAGEREF _Toc1 \\h", PageField::None}, {"SECTIONPAGES", PageField::None},
        {"", PageField::None},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pageFieldOf(QString::fromLatin1(c.instruction)), c.field) << c.instruction;
}

TEST(PageFieldsTest, ResultsChangeButTheFieldsAndTheTextAroundThemStay)
{
    QTextDocument story;
    paged::setStory(story, QStringLiteral("Page {PAGE} of {NUMPAGES} ({SEQ Figure})"));
    EXPECT_TRUE(hasStalePageFields(story, 12, 340));
    EXPECT_TRUE(setPageFieldResults(story, 12, 340));
    EXPECT_EQ(story.toPlainText(), QStringLiteral("Page 12 of 340 (?)"));
    EXPECT_FALSE(hasStalePageFields(story, 12, 340));
    EXPECT_FALSE(setPageFieldResults(story, 12, 340));

    // The new result is still the field, so the next page's number replaces all of it.
    ASSERT_TRUE(setPageFieldResults(story, 9, 340));
    EXPECT_EQ(story.toPlainText(), QStringLiteral("Page 9 of 340 (?)"));
    QTextCursor inResult(&story);
    inResult.setPosition(QStringLiteral("Page 9").size());
    EXPECT_EQ(inResult.charFormat().stringProperty(prop::FieldInstruction), QStringLiteral("PAGE"));
    EXPECT_EQ(lastFieldId(story), 3);
}

// --- Which story a page shows --------------------------------------------------------------

struct KindCase {
    bool differentFirst;
    bool oddEven;
    int pageInSection;
    int pageNumber;
    HF header;
};

TEST(HeaderFooterPlacementTest, KindFollowsFirstPageAndOddEvenSettings)
{
    const KindCase cases[] = {
        {false, false, 0, 1, HF::HeaderOdd},  {false, false, 1, 2, HF::HeaderOdd},
        {true, false, 0, 1, HF::HeaderFirst}, {true, false, 1, 2, HF::HeaderOdd},
        {false, true, 0, 1, HF::HeaderOdd},   {false, true, 1, 2, HF::HeaderEven},
        {true, true, 0, 2, HF::HeaderFirst},  {true, true, 2, 4, HF::HeaderEven},
        {false, true, 0, 6, HF::HeaderEven}, // even by its number, not by its place
    };
    for (const KindCase &c : cases) {
        Document document;
        Section section;
        section.differentFirstPage = c.differentFirst;
        document.setSection(0, section);
        document.setEvenAndOddHeaders(c.oddEven);
        EXPECT_EQ(headerFooterKindFor(document, 0, c.pageInSection, c.pageNumber, true), c.header)
            << c.differentFirst << c.oddEven << c.pageInSection << c.pageNumber;
    }
    Document document;
    document.setEvenAndOddHeaders(true);
    EXPECT_EQ(headerFooterKindFor(document, 0, 1, 2, false), HF::FooterEven);
}

TEST(HeaderFooterPlacementTest, ASectionWithoutItsOwnShowsTheNearestEarlierOne)
{
    Document document;
    document.setSections({Section(), Section(), Section()});
    QTextDocument *first = document.ensureHeaderFooter(0, HF::HeaderOdd);
    int owner = 7;
    EXPECT_EQ(resolveHeaderFooter(document, 2, HF::HeaderOdd, &owner), first);
    EXPECT_EQ(owner, 0);
    QTextDocument *third = document.ensureHeaderFooter(2, HF::HeaderOdd);
    EXPECT_EQ(resolveHeaderFooter(document, 2, HF::HeaderOdd), third);
    EXPECT_EQ(resolveHeaderFooter(document, 1, HF::HeaderOdd), first);
    EXPECT_EQ(resolveHeaderFooter(document, 2, HF::FooterOdd, &owner), nullptr);
    EXPECT_EQ(owner, -1);

    document.removeHeaderFooter(2, HF::HeaderOdd);
    EXPECT_EQ(resolveHeaderFooter(document, 2, HF::HeaderOdd), first);
}

// --- Pages of the standard layout ----------------------------------------------------------

class PagesTest : public ::testing::Test {
protected:
    Document document;
    StandardPageLayout layout{document};

    QRectF bodyLineRect(int block)
    {
        QTextBlock b = document.mainStory()->findBlockByNumber(block);
        return document.mainStory()->documentLayout()->blockBoundingRect(b);
    }
};

TEST_F(PagesTest, SectionsNumbersAndStoriesFollowTheSectionEnds)
{
    Section second;
    second.pageNumberStart = 10;
    document.setSections({Section(), second});
    paged::fill(document, {{"one"}, {"two", true}, {"three"}, {"four"}});
    QTextDocument *head0 = document.ensureHeaderFooter(0, HF::HeaderOdd);
    QTextDocument *head1 = document.ensureHeaderFooter(1, HF::HeaderOdd);
    paged::setStory(*head0, QStringLiteral("first section"));
    paged::setStory(*head1, QStringLiteral("second section"));
    layout.apply();

    ASSERT_EQ(layout.pageCount(), 4);
    const int sections[] = {0, 0, 1, 1};
    const int inSection[] = {0, 1, 0, 1};
    const int numbers[] = {1, 2, 10, 11};
    for (int page = 0; page < 4; ++page) {
        EXPECT_EQ(layout.sectionOfPage(page), sections[page]) << page;
        EXPECT_EQ(layout.pageInSection(page), inSection[page]) << page;
        EXPECT_EQ(layout.pageNumber(page), numbers[page]) << page;
        EXPECT_EQ(pageHeaderFooter(document, layout, page, true).story, page < 2 ? head0 : head1) << page;
    }
    EXPECT_EQ(layout.firstPageOfSection(1), 2);
    EXPECT_EQ(layout.firstPageOfSection(2), -1);

    // Text typed before the section end moves the section with it.
    QTextCursor(document.mainStory()).insertText(QStringLiteral("x"));
    EXPECT_EQ(layout.sectionOfPage(1), 0);
}

TEST_F(PagesTest, HeaderAndFooterSitAtTheirDistancesAndTheBodyKeepsClearOfThem)
{
    Section section;
    section.margins.top = 720;    // half an inch, less than a header of many lines needs
    section.margins.header = 360; // a quarter inch from the top edge
    section.margins.bottom = 720;
    section.margins.footer = 360;
    document.setSection(0, section);
    paged::fill(document, {{"body"}, {"second page"}});
    QTextDocument *header = document.ensureHeaderFooter(0, HF::HeaderOdd);
    QTextDocument *footer = document.ensureHeaderFooter(0, HF::FooterOdd);
    paged::setStory(*header, QStringLiteral("h1\nh2\nh3\nh4\nh5"));
    paged::setStory(*footer, QStringLiteral("f1\nf2\nf3\nf4\nf5"));
    layout.apply();

    for (int page = 0; page < 2; ++page) {
        const QRectF paper = layout.pageRect(page);
        const QRectF top = pageHeaderFooter(document, layout, page, true).area;
        const QRectF bottom = pageHeaderFooter(document, layout, page, false).area;
        EXPECT_DOUBLE_EQ(top.top(), paper.top() + twipsToLayout(360));
        EXPECT_DOUBLE_EQ(bottom.bottom(), paper.bottom() - twipsToLayout(360));
        EXPECT_GT(top.height(), twipsToLayout(720 - 360)); // it does reach past the top margin
        const QRectF body = bodyLineRect(page);
        EXPECT_GE(body.top(), top.bottom()) << page;
        EXPECT_LE(layout.textArea(page).bottom(), bottom.top()) << page;
        EXPECT_DOUBLE_EQ(top.left(), twipsToLayout(section.margins.left));
    }
}

// --- Painting and printing -----------------------------------------------------------------

/// A paint device that keeps the text drawn on it.
class TextRecorder final : public QPaintEngine {
public:
    QStringList texts;
    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &, const QTextItem &item) override { texts << item.text(); }
    Type type() const override { return QPaintEngine::User; }
};

class TextDevice final : public QPaintDevice {
public:
    mutable TextRecorder engine;
    QPaintEngine *paintEngine() const override { return &engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return 2000;
        case PdmHeight: return 3000;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return layoutDpi;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 1;
        }
    }
};

class PrintTest : public PagesTest {
protected:
    TempDir dir;

    void SetUp() override
    {
        Section landscape;
        landscape.setPaperKind(PaperKind::A4);
        document.setSection(0, landscape);
        paged::fill(document, {{"alpha"}, {"beta"}, {"gamma"}});
        paged::setStory(*document.ensureHeaderFooter(0, HF::HeaderOdd), QStringLiteral("Head {PAGE}/{NUMPAGES}"));
        paged::setStory(*document.ensureHeaderFooter(0, HF::FooterOdd), QStringLiteral("Foot"));
        layout.apply();
    }

    QString pageText(int page)
    {
        TextDevice device;
        QPainter painter(&device);
        paintPage(painter, document, layout, page);
        painter.end();
        return device.engine.texts.join(QString()); // runs of one line come piece by piece
    }
};

TEST_F(PrintTest, EachPageShowsItsHeaderWithItsOwnNumberItsFooterAndItsBody)
{
    ASSERT_EQ(layout.pageCount(), 3);
    const char *bodies[] = {"alpha", "beta", "gamma"};
    for (int page = 0; page < 3; ++page) {
        const QString text = pageText(page);
        EXPECT_TRUE(text.contains(QStringLiteral("Head %1/3").arg(page + 1))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Foot"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String(bodies[page]))) << text.toStdString();
        for (int other = 0; other < 3; ++other) {
            if (other == page)
                continue;
            EXPECT_FALSE(text.contains(QLatin1String(bodies[other]))) << text.toStdString();
        }
    }
    // Painting another page's numbers leaves the story itself alone.
    EXPECT_EQ(document.headerFooter(0, HF::HeaderOdd)->toPlainText(), QStringLiteral("Head ?/?"));
}

/// The pages of a PDF file with their media boxes, in points.
std::vector<QSizeF> pdfPages(const QByteArray &pdf)
{
    std::vector<QSizeF> pages;
    static const QRegularExpression pageObject(QStringLiteral(R"(/Type\s*/Page(?!s))"));
    static const QRegularExpression mediaBox(QStringLiteral(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])"));
    const QString text = QString::fromLatin1(pdf);
    auto it = pageObject.globalMatch(text);
    while (it.hasNext()) {
        const auto object = it.next();
        const int end = text.indexOf(QLatin1String("endobj"), object.capturedEnd());
        const auto box = mediaBox.match(text.left(end), object.capturedEnd());
        pages.emplace_back(box.hasMatch() ? QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble()) : QSizeF());
    }
    return pages;
}

TEST_F(PrintTest, PrintingToPdfGivesOnePageEachAtTheDocumentsPaper)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.path("out.pdf"));
    EXPECT_EQ(printPages(document, layout, printer), 3);

    const std::vector<QSizeF> pages = pdfPages(dir.read("out.pdf"));
    ASSERT_EQ(pages.size(), 3u);
    for (const QSizeF &size : pages) { // A4 upright: 595 x 842 points
        EXPECT_NEAR(size.width(), 595, 1.5);
        EXPECT_NEAR(size.height(), 842, 1.5);
    }
}

TEST_F(PrintTest, APageRangePrintsOnlyThosePagesAndALandscapePagePrintsLandscape)
{
    Section landscape = document.section(0);
    landscape.setLandscape(true);
    document.setSection(0, landscape);
    layout.apply();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.path("range.pdf"));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    EXPECT_EQ(printPages(document, layout, printer), 2);
    const std::vector<QSizeF> pages = pdfPages(dir.read("range.pdf"));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NEAR(pages[0].width(), 842, 1.5);
    EXPECT_NEAR(pages[0].height(), 595, 1.5);
}

} // namespace
