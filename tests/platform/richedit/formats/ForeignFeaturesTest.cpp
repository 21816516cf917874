// Features of documents made by other word processors that the model keeps in its own way:
// page breaks inside paragraphs, tracked changes, text boxes, footnotes, endnotes, comments.
#include "DocumentBuilders.h"
#include "ZipFixture.h"

#include "platform/richedit/formats/Formats.h"

#include <QBuffer>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace richedit::test {
namespace {

/// Paragraphs of the main story, "|" between them, "<page>" where a paragraph starts a page.
QString outline(const QTextDocument *story)
{
    QStringList paragraphs;
    for (QTextBlock block = story->begin(); block.isValid(); block = block.next())
        paragraphs << (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore
                           ? QStringLiteral("<page>") : QString()) + block.text();
    return paragraphs.join(QLatin1Char('|'));
}

/// Notes as "kind:mark:author:text", "; " between them.
QString notes(const Document &document)
{
    const char *kinds[] = {"footnote", "endnote", "comment"};
    QStringList out;
    for (const auto &[id, note] : document.notes())
        out << QStringLiteral("%1:%2:%3:%4")
                   .arg(QLatin1String(kinds[int(note.kind)]), note.mark, note.author,
                        note.story->toPlainText().replace(QLatin1Char('\n'), QLatin1Char('|')));
    return out.join(QStringLiteral("; "));
}

QByteArray rel(const char *id, const char *type, const char *target)
{
    return QByteArray("<Relationship Id=\"") + id +
           "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/" + type + "\" Target=\"" +
           target + "\"/>";
}

QByteArray wordPart(const char *root, const QByteArray &inside)
{
    return QByteArray("<?xml version=\"1.0\"?><w:") + root +
           " xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">" + inside + "</w:" + root + ">";
}

// Footnotes as Word writes them: separators first, the note's own mark, then its text. The
// second footnote refers to itself, which must neither loop nor lose its text.
QByteArray docxWithNotes()
{
    const QByteArray body =
        "<w:p><w:r><w:t>Text</w:t></w:r>"
        "<w:r><w:rPr><w:vertAlign w:val=\"superscript\"/></w:rPr><w:footnoteReference w:id=\"1\"/></w:r>"
        "<w:r><w:t xml:space=\"preserve\"> more</w:t></w:r>"
        "<w:r><w:footnoteReference w:id=\"2\"/></w:r>"
        "<w:commentRangeStart w:id=\"0\"/><w:r><w:t>.</w:t></w:r><w:commentRangeEnd w:id=\"0\"/>"
        "<w:r><w:commentReference w:id=\"0\"/></w:r>"
        "<w:r><w:endnoteReference w:id=\"1\"/></w:r>"
        "<w:r><w:footnoteReference w:id=\"9\"/></w:r></w:p>";
    const QByteArray footnotes = wordPart(
        "footnotes",
        "<w:footnote w:type=\"separator\" w:id=\"-1\"><w:p><w:r><w:separator/></w:r></w:p></w:footnote>"
        "<w:footnote w:type=\"continuationSeparator\" w:id=\"0\"><w:p><w:r><w:continuationSeparator/></w:r></w:p>"
        "</w:footnote>"
        "<w:footnote w:id=\"1\"><w:p><w:r><w:footnoteRef/></w:r><w:r><w:t>First note.</w:t></w:r></w:p>"
        "<w:p><w:r><w:t>Second paragraph.</w:t></w:r></w:p></w:footnote>"
        "<w:footnote w:id=\"2\"><w:p><w:r><w:t>Self</w:t></w:r><w:r><w:footnoteReference w:id=\"2\"/></w:r></w:p>"
        "</w:footnote>");
    const QByteArray endnotes =
        wordPart("endnotes", "<w:endnote w:id=\"1\"><w:p><w:r><w:endnoteRef/></w:r><w:r><w:t>End.</w:t></w:r></w:p>"
                             "</w:endnote>");
    const QByteArray comments = wordPart(
        "comments", "<w:comment w:id=\"0\" w:author=\"Alice Brown\" w:initials=\"AB\"><w:p><w:r><w:annotationRef/>"
                    "</w:r><w:r><w:t>Check.</w:t></w:r></w:p></w:comment>");
    return makeDocx(body,
                    {{QStringLiteral("word/footnotes.xml"), footnotes},
                     {QStringLiteral("word/endnotes.xml"), endnotes},
                     {QStringLiteral("word/comments.xml"), comments}},
                    rel("rId7", "footnotes", "footnotes.xml") + rel("rId8", "endnotes", "endnotes.xml") +
                        rel("rId9", "comments", "comments.xml"));
}

QByteArray textBoxDocx()
{
    const QByteArray box = "<w:txbxContent><w:p><w:r><w:t>boxed</w:t></w:r></w:p></w:txbxContent>";
    // Word writes a text box twice: as a drawing and, for older readers, as a shape.
    return makeDocx("<w:p><w:r><w:t>anchor</w:t></w:r><w:r><mc:AlternateContent><mc:Choice Requires=\"wps\">"
                    "<w:drawing><wp:anchor><a:graphic><a:graphicData><wps:wsp><wps:txbx>" +
                    box +
                    "</wps:txbx></wps:wsp></a:graphicData></a:graphic></wp:anchor></w:drawing></mc:Choice>"
                    "<mc:Fallback><w:pict><v:shape><v:textbox>" +
                    box +
                    "</v:textbox></v:shape></w:pict></mc:Fallback></mc:AlternateContent></w:r>"
                    "<w:r><w:t xml:space=\"preserve\"> text</w:t></w:r></w:p><w:p><w:r><w:t>next</w:t></w:r></w:p>");
}

struct ForeignCase {
    const char *name;
    DocumentFormat format;
    QByteArray data;
    QString outline;
    QString notes;
    QString warning; // a part of the warning expected, empty for none
};

void PrintTo(const ForeignCase &c, std::ostream *out) { *out << c.name; }

const QString trackedWarning = QStringLiteral("Tracked changes were accepted");
const QString textBoxWarning = QStringLiteral("Text boxes were placed in the text");

const ForeignCase foreignCases[] = {
    {"RtfPageBreakInsideAParagraph", DocumentFormat::Rtf, "{\\rtf1 before\\page after\\par next\\par}",
     QStringLiteral("before|<page>after|next"), {}, {}},
    {"RtfPageBreakBeforeText", DocumentFormat::Rtf, "{\\rtf1 one\\par\\page two\\par}",
     QStringLiteral("one|<page>two"), {}, {}},
    {"RtfPageBreakAfterText", DocumentFormat::Rtf, "{\\rtf1 one\\page\\par two\\par}",
     QStringLiteral("one|<page>two"), {}, {}},
    {"RtfPageBreakInACell", DocumentFormat::Rtf,
     "{\\rtf1\\trowd\\cellx2000\\pard\\intbl a\\page b\\cell\\row\\pard after\\par}",
     // Qt keeps an empty paragraph before a table that starts the story.
     QStringLiteral("|a|<page>b|after"), {}, {}},
    {"DocxPageBreakInsideAParagraph", DocumentFormat::OpenXml,
     makeDocx("<w:p><w:r><w:t>before</w:t><w:br w:type=\"page\"/><w:t>after</w:t></w:r></w:p>"
              "<w:p><w:r><w:t>end</w:t><w:br w:type=\"page\"/></w:r></w:p><w:p><w:r><w:t>last</w:t></w:r></w:p>"),
     QStringLiteral("before|<page>after|end|<page>last"), {}, {}},
    {"DocxTrackedChangesAccepted", DocumentFormat::OpenXml,
     makeDocx("<w:p><w:r><w:t xml:space=\"preserve\">keep </w:t></w:r>"
              "<w:ins><w:r><w:t xml:space=\"preserve\">inserted </w:t></w:r></w:ins>"
              "<w:del><w:r><w:delText>deleted </w:delText></w:r></w:del>"
              "<w:moveFrom><w:r><w:t>moved away</w:t></w:r></w:moveFrom>"
              "<w:moveTo><w:r><w:t>moved here</w:t></w:r></w:moveTo></w:p>"
              "<w:del><w:p><w:r><w:t>deleted paragraph</w:t></w:r></w:p></w:del>"),
     QStringLiteral("keep inserted moved here"), {}, trackedWarning},
    {"RtfTrackedChangesAccepted", DocumentFormat::Rtf,
     "{\\rtf1 keep {\\deleted gone }{\\revised added} {\\deleted\\deleted0 back}\\par}",
     QStringLiteral("keep added back"), {}, trackedWarning},
    {"DocxTextBoxReadOnceAfterItsParagraph", DocumentFormat::OpenXml, textBoxDocx(),
     QStringLiteral("anchor text|boxed|next"), {}, textBoxWarning},
    {"RtfTextBoxAfterItsParagraph", DocumentFormat::Rtf,
     "{\\rtf1 anchor{\\shp{\\*\\shpinst\\shpleft0{\\sp{\\sn fillColor}{\\sv 255}}{\\shptxt \\pard boxed\\par}}"
     "{\\shprslt junk}} text\\par next\\par}",
     QStringLiteral("anchor text|boxed|next"), {}, textBoxWarning},
    {"DocxNotesAndComments", DocumentFormat::OpenXml, docxWithNotes(),
     QStringLiteral("Text1 more2.[AB1]i"),
     QStringLiteral("footnote:1::First note.|Second paragraph.; footnote:2::Self; comment:[AB1]:Alice Brown:Check.; "
                    "endnote:i::End."),
     QStringLiteral("missing")},
    {"RtfNotesAndComments", DocumentFormat::Rtf,
     "{\\rtf1 Text{\\super\\chftn}{\\footnote\\pard\\plain{\\super\\chftn} First note.\\par Second.\\par} more"
     "{\\*\\atnid AB}{\\*\\atnauthor Alice Brown}\\chatn{\\*\\annotation{\\*\\atnref 1}\\pard\\plain Check.}"
     "{\\footnote\\ftnalt\\pard\\plain End.}\\par}",
     QStringLiteral("Text1 more[AB1]i"),
     QStringLiteral("footnote:1:: First note.|Second.; comment:[AB1]:Alice Brown:Check.; endnote:i::End."), {}},
    {"RtfNoteInAHeaderKeepsTheHeader", DocumentFormat::Rtf,
     "{\\rtf1{\\header\\pard Head{\\footnote\\pard Lost.}\\par}Body\\par}", QStringLiteral("Body"), {},
     QStringLiteral("outside the main text")},
};

class ForeignFeatures : public testing::TestWithParam<ForeignCase> {};

TEST_P(ForeignFeatures, KeepTextAndStructure)
{
    const ForeignCase &c = GetParam();
    ReadReport report;
    const auto document = readDocument(c.data, c.format, QStringLiteral("foreign"), &report);
    EXPECT_EQ(outline(document->mainStory()).toStdString(), c.outline.toStdString());
    EXPECT_EQ(notes(*document).toStdString(), c.notes.toStdString());
    const QString warnings = report.warnings.join(QLatin1Char('\n'));
    if (c.warning.isEmpty())
        EXPECT_TRUE(warnings.isEmpty()) << warnings.toStdString();
    else
        EXPECT_TRUE(warnings.contains(c.warning)) << warnings.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Formats, ForeignFeatures, testing::ValuesIn(foreignCases),
                         [](const testing::TestParamInfo<ForeignCase> &info) { return std::string(info.param.name); });

TEST(Notes, ReadNotesSurviveBeingWrittenInEitherFormat)
{
    const auto original = readDocument(docxWithNotes(), DocumentFormat::OpenXml, QStringLiteral("notes.docx"));
    for (DocumentFormat format : {DocumentFormat::Rtf, DocumentFormat::OpenXml}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        writeDocument(*original, buffer, format);
        const auto copy = readDocument(buffer.data(), format, QStringLiteral("copy"));
        EXPECT_EQ(outline(copy->mainStory()), outline(original->mainStory()));
        EXPECT_EQ(notes(*copy), notes(*original));
    }
}

TEST(Notes, TextTypedRightAfterAMarkIsKeptAsText)
{
    // Typing after a reference mark takes on the mark's format; the writer must not swallow it.
    const auto document = featureBuilders().back().build();
    ASSERT_STREQ(featureBuilders().back().name, "Notes");
    QTextCursor cursor(document->mainStory());
    const int afterMark = int(document->plainText().indexOf(QLatin1String("footnote1")) + 9);
    cursor.setPosition(afterMark);
    cursor.insertText(QStringLiteral("X")); // with the mark's own format
    cursor.setPosition(afterMark - 1);
    cursor.setPosition(afterMark + 1, QTextCursor::KeepAnchor);
    ASSERT_EQ(cursor.selectedText(), QStringLiteral("1X"));
    for (DocumentFormat format : {DocumentFormat::Rtf, DocumentFormat::OpenXml}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        writeDocument(*document, buffer, format);
        const auto copy = readDocument(buffer.data(), format, QStringLiteral("copy"));
        EXPECT_EQ(copy->plainText(), document->plainText());
        EXPECT_EQ(copy->notes().size(), 3u);
    }
}

TEST(Lists, AListInstanceStartsAtItsOwnNumber)
{
    const QByteArray numbering =
        "<?xml version=\"1.0\"?><w:numbering xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:abstractNum w:abstractNumId=\"0\"><w:lvl w:ilvl=\"0\"><w:start w:val=\"1\"/><w:numFmt w:val=\"decimal\"/>"
        "<w:lvlText w:val=\"%1.\"/></w:lvl><w:lvl w:ilvl=\"1\"><w:start w:val=\"1\"/><w:numFmt w:val=\"decimal\"/>"
        "</w:lvl></w:abstractNum>"
        "<w:num w:numId=\"1\"><w:abstractNumId w:val=\"0\"/></w:num>"
        "<w:num w:numId=\"2\"><w:abstractNumId w:val=\"0\"/><w:lvlOverride w:ilvl=\"0\"><w:startOverride w:val=\"5\"/>"
        "</w:lvlOverride><w:lvlOverride w:ilvl=\"1\"><w:lvl w:ilvl=\"1\"><w:start w:val=\"3\"/>"
        "<w:numFmt w:val=\"upperRoman\"/></w:lvl></w:lvlOverride></w:num></w:numbering>";
    const auto docx = readDocument(
        makeDocx("<w:p><w:r><w:t>x</w:t></w:r></w:p>", {{QStringLiteral("word/numbering.xml"), numbering}},
                 rel("rId5", "numbering", "numbering.xml")),
        DocumentFormat::OpenXml, QStringLiteral("lists.docx"));
    const auto rtf = readDocument(
        "{\\rtf1{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc0\\levelstartat1}"
        "{\\listlevel\\levelnfc0\\levelstartat1}\\listid7}}{\\*\\listoverridetable"
        "{\\listoverride\\listid7\\listoverridecount0\\ls1}{\\listoverride\\listid7\\listoverridecount2"
        "{\\lfolevel\\listoverridestartat\\levelstartat5}{\\lfolevel\\listoverridestartat\\levelstartat3}\\ls2}}"
        "x\\par}",
        DocumentFormat::Rtf, QStringLiteral("lists.rtf"));
    for (const Document *document : {docx.get(), rtf.get()}) {
        ASSERT_EQ(document->lists().size(), 2u);
        EXPECT_EQ(document->lists().at(1).levels[0].start, 1);
        EXPECT_EQ(document->lists().at(2).levels[0].start, 5);
        EXPECT_EQ(document->lists().at(2).levels[1].start, 3);
    }
    EXPECT_EQ(docx->lists().at(2).levels[1].format, NumberFormat::UpperRoman);
}

} // namespace
} // namespace richedit::test
