#include "DocumentBuilders.h"

#include "platform/richedit/model/StoryBuilder.h"
#include "platform/richedit/model/TextFormats.h"

#include <QBuffer>
#include <QImage>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

namespace richedit::test {

StoryWriter::StoryWriter(QTextDocument *story) : m_cursor(story)
{
    m_cursor.movePosition(QTextCursor::End);
}

StoryWriter &StoryWriter::paragraph(std::initializer_list<Run> runs, const QTextBlockFormat &format)
{
    if (m_first && m_cursor.block().text().isEmpty() && m_cursor.document()->characterCount() <= 1)
        m_cursor.setBlockFormat(format);
    else
        m_cursor.insertBlock(format);
    m_first = false;
    for (const Run &run : runs)
        m_cursor.insertText(run.text, run.format);
    return *this;
}

namespace {

QTextCharFormat charFormat(const std::function<void(QTextCharFormat &)> &set)
{
    QTextCharFormat format;
    set(format);
    return format;
}

Style makeStyle(const char *id, const char *name, StyleType type = StyleType::Paragraph)
{
    Style style;
    style.id = QString::fromLatin1(id);
    style.name = QString::fromLatin1(name);
    style.type = type;
    return style;
}

QTextBlockFormat blockFormat(const std::function<void(QTextBlockFormat &)> &set)
{
    QTextBlockFormat format;
    set(format);
    return format;
}

QTextCharFormat underline(UnderlineType type)
{
    QTextCharFormat format;
    setUnderlineType(format, type);
    return format;
}

void addCharacterFormats(Document &document)
{
    StoryWriter story(document.mainStory());
    story.paragraph({{QStringLiteral("Fonts: ")},
                     {QStringLiteral("Arial 14 "), charFormat([](auto &f) {
                          f.setFontFamilies(QStringList{QStringLiteral("Arial")});
                          f.setFontPointSize(14);
                      })},
                     {QStringLiteral("Courier New 9.5"), charFormat([](auto &f) {
                          f.setFontFamilies(QStringList{QStringLiteral("Courier New")});
                          f.setFontPointSize(9.5);
                      })}});
    story.paragraph({{QStringLiteral("bold"), charFormat([](auto &f) { f.setFontWeight(QFont::Bold); })},
                     {QStringLiteral(" italic"), charFormat([](auto &f) { f.setFontItalic(true); })},
                     {QStringLiteral(" strike"), charFormat([](auto &f) { f.setFontStrikeOut(true); })},
                     {QStringLiteral(" double strike"),
                      charFormat([](auto &f) { f.setProperty(prop::DoubleStrikeOut, true); })},
                     {QStringLiteral(" caps"), charFormat([](auto &f) { f.setFontCapitalization(QFont::AllUppercase); })},
                     {QStringLiteral(" small caps"), charFormat([](auto &f) { f.setFontCapitalization(QFont::SmallCaps); })},
                     {QStringLiteral(" hidden"), charFormat([](auto &f) { f.setProperty(prop::Hidden, true); })},
                     {QStringLiteral(" no proof"), charFormat([](auto &f) { f.setProperty(prop::NoProof, true); })}});
    story.paragraph({{QStringLiteral("single"), underline(UnderlineType::Single)},
                     {QStringLiteral(" words"), underline(UnderlineType::Words)},
                     {QStringLiteral(" double"), underline(UnderlineType::Double)},
                     {QStringLiteral(" thick"), underline(UnderlineType::Thick)},
                     {QStringLiteral(" dotted"), underline(UnderlineType::Dotted)},
                     {QStringLiteral(" dash"), underline(UnderlineType::Dash)},
                     {QStringLiteral(" wave"), underline(UnderlineType::Wave)},
                     {QStringLiteral(" coloured"), charFormat([](auto &f) {
                          setUnderlineType(f, UnderlineType::Double);
                          f.setUnderlineColor(QColor(0, 0, 255));
                      })}});
    story.paragraph({{QStringLiteral("red"), charFormat([](auto &f) { f.setForeground(QColor(255, 0, 0)); })},
                     {QStringLiteral(" on grey"), charFormat([](auto &f) { f.setBackground(QColor(204, 204, 204)); })},
                     {QStringLiteral(" highlighted"),
                      charFormat([](auto &f) { f.setProperty(prop::Highlight, QColor(255, 255, 0)); })},
                     {QStringLiteral(" x"), {}},
                     {QStringLiteral("2"), charFormat([](auto &f) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); })},
                     {QStringLiteral(" H"), {}},
                     {QStringLiteral("2"), charFormat([](auto &f) { f.setVerticalAlignment(QTextCharFormat::AlignSubScript); })},
                     {QStringLiteral("O"), {}}});
}

void addParagraphFormats(Document &document)
{
    StoryWriter story(document.mainStory());
    story.paragraph({{QStringLiteral("Centred")}}, blockFormat([](auto &f) { f.setAlignment(Qt::AlignHCenter); }));
    story.paragraph({{QStringLiteral("Right")}}, blockFormat([](auto &f) { f.setAlignment(Qt::AlignRight); }));
    story.paragraph({{QStringLiteral("Justified text that goes on")}},
                    blockFormat([](auto &f) { f.setAlignment(Qt::AlignJustify); }));
    story.paragraph({{QStringLiteral("Indented")}}, blockFormat([](auto &f) {
                        f.setLeftMargin(twipsToLayout(1440));
                        f.setRightMargin(twipsToLayout(720));
                        f.setTextIndent(twipsToLayout(360));
                    }));
    story.paragraph({{QStringLiteral("Hanging")}}, blockFormat([](auto &f) {
                        f.setLeftMargin(twipsToLayout(720));
                        f.setTextIndent(twipsToLayout(-360));
                    }));
    story.paragraph({{QStringLiteral("Spaced")}}, blockFormat([](auto &f) {
                        f.setTopMargin(twipsToLayout(240));
                        f.setBottomMargin(twipsToLayout(120));
                    }));
    story.paragraph({{QStringLiteral("One and a half")}},
                    blockFormat([](auto &f) { f.setLineHeight(150, QTextBlockFormat::ProportionalHeight); }));
    story.paragraph({{QStringLiteral("Double")}},
                    blockFormat([](auto &f) { f.setLineHeight(200, QTextBlockFormat::ProportionalHeight); }));
    story.paragraph({{QStringLiteral("Exactly 18 pt")}},
                    blockFormat([](auto &f) { f.setLineHeight(twipsToLayout(360), QTextBlockFormat::FixedHeight); }));
    story.paragraph({{QStringLiteral("At least 14 pt")}},
                    blockFormat([](auto &f) { f.setLineHeight(twipsToLayout(280), QTextBlockFormat::MinimumHeight); }));
    story.paragraph({{QStringLiteral("Keep with next, together, widow control, outline 2")}}, blockFormat([](auto &f) {
                        f.setProperty(prop::KeepWithNext, true);
                        f.setNonBreakableLines(true);
                        f.setProperty(prop::WidowControl, true);
                        f.setProperty(prop::OutlineLevel, 2);
                    }));
    story.paragraph({{QStringLiteral("New page")}},
                    blockFormat([](auto &f) { f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore); }));
    story.paragraph({{QStringLiteral("Boxed and shaded")}}, blockFormat([](auto &f) {
                        BorderLine line;
                        line.width = 8;
                        line.space = 4;
                        line.color = QColor(0, 128, 0);
                        setBorderLine(f, prop::BorderTop, line);
                        line.style = QStringLiteral("double");
                        setBorderLine(f, prop::BorderBottom, line);
                        setBorderLine(f, prop::BorderLeft, BorderLine{});
                        setBorderLine(f, prop::BorderRight, BorderLine{});
                        f.setBackground(QColor(255, 240, 200));
                    }));
    story.paragraph({{QStringLiteral("a\tb\tc\td")}}, blockFormat([](auto &f) {
                        f.setTabPositions({QTextOption::Tab(twipsToLayout(1440), QTextOption::LeftTab),
                                           QTextOption::Tab(twipsToLayout(2880), QTextOption::CenterTab),
                                           QTextOption::Tab(twipsToLayout(4320), QTextOption::RightTab),
                                           QTextOption::Tab(twipsToLayout(5760), QTextOption::DelimiterTab, QLatin1Char('.'))});
                        f.setProperty(prop::TabLeaders, QStringLiteral(" .-_"));
                    }));
    story.paragraph({{QStringLiteral("line one\u2028line two")}});
    // An empty paragraph keeps the size of its mark.
    story.paragraph({});
    QTextCharFormat large;
    large.setFontPointSize(24);
    story.cursor().setBlockCharFormat(large);
    story.paragraph({{QStringLiteral("After the tall empty line")}});
}

void addStyles(Document &document)
{
    StyleSheet &sheet = document.styles();
    sheet.defaultCharFormat.setFontFamilies(QStringList{QStringLiteral("Times New Roman")});
    sheet.defaultCharFormat.setFontPointSize(11);
    sheet.defaultBlockFormat.setBottomMargin(twipsToLayout(160));
    Style normal = makeStyle("Normal", "Normal");
    normal.isDefault = true;
    normal.blockFormat.setProperty(prop::WidowControl, true);
    sheet.add(normal);
    Style heading = makeStyle("Heading1", "heading 1");
    heading.basedOn = QStringLiteral("Normal");
    heading.next = QStringLiteral("Normal");
    heading.charFormat.setFontWeight(QFont::Bold);
    heading.charFormat.setFontPointSize(16);
    heading.blockFormat.setProperty(prop::KeepWithNext, true);
    heading.blockFormat.setProperty(prop::OutlineLevel, 0);
    heading.blockFormat.setTopMargin(twipsToLayout(240));
    sheet.add(heading);
    Style heading2 = makeStyle("Heading2", "heading 2");
    heading2.basedOn = QStringLiteral("Heading1");
    heading2.charFormat.setFontPointSize(13);
    heading2.charFormat.setFontItalic(true);
    heading2.blockFormat.setProperty(prop::OutlineLevel, 1);
    sheet.add(heading2);
    Style defaultFont = makeStyle("DefaultParagraphFont", "Default Paragraph Font", StyleType::Character);
    defaultFont.isDefault = true;
    sheet.add(defaultFont);
    Style strong = makeStyle("Strong", "Strong", StyleType::Character);
    strong.basedOn = QStringLiteral("DefaultParagraphFont");
    strong.charFormat.setFontWeight(QFont::Bold);
    strong.charFormat.setForeground(QColor(128, 0, 0));
    sheet.add(strong);
    document.setDefaultFont([] {
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSizeF(11);
        return font;
    }());

    const auto styled = [](const char *id) {
        QTextBlockFormat f;
        f.setProperty(prop::ParagraphStyleId, QString::fromLatin1(id));
        return f;
    };
    QTextCharFormat strongRun;
    strongRun.setProperty(prop::CharacterStyleId, QStringLiteral("Strong"));
    QTextCharFormat notBold;
    notBold.setFontWeight(QFont::Normal);
    StoryWriter story(document.mainStory());
    story.paragraph({{QStringLiteral("Chapter")}}, styled("Heading1"));
    story.paragraph({{QStringLiteral("Body with "), {}}, {QStringLiteral("strong"), strongRun}, {QStringLiteral(" words.")}});
    story.paragraph({{QStringLiteral("Section "), {}}, {QStringLiteral("not bold"), notBold}}, styled("Heading2"));
}

void addLists(Document &document)
{
    document.lists()[1] = ListDefinition::bulleted();
    ListDefinition numbered = ListDefinition::numbered();
    numbered.levels[1].text = QStringLiteral("%1.%2.");
    numbered.levels[1].format = NumberFormat::Decimal;
    numbered.levels[0].start = 3;
    document.lists()[2] = numbered;
    document.lists()[1].levels[0].fontFamily = QStringLiteral("Symbol");

    StoryBuilder builder(document, document.mainStory());
    const auto item = [&](const char *text, int list, int level) {
        ParagraphContent paragraph;
        paragraph.runs.push_back({RunContent::Text, QString::fromUtf8(text), {}});
        paragraph.listId = list;
        paragraph.listLevel = level;
        builder.addParagraph(paragraph);
    };
    // The builder reuses the first block only in an empty story.
    item("Bullet one", 1, 0);
    item("Bullet nested", 1, 1);
    item("Bullet two", 1, 0);
    item("Number three", 2, 0);
    item("Number three point one", 2, 1);
    item("Number four", 2, 0);
    builder.finish();
}

void addTables(Document &document)
{
    StoryBuilder builder(document, document.mainStory());
    ParagraphContent before;
    before.runs.push_back({RunContent::Text, QStringLiteral("Before the table"), {}});
    builder.addParagraph(before);
    Style grid = makeStyle("TableGrid", "Table Grid", StyleType::Table);
    document.styles().add(grid);
    TableContent table;
    table.format.setProperty(prop::TableStyleId, QStringLiteral("TableGrid"));
    BorderLine outer;
    outer.width = 8;
    for (int property : {prop::TableBorderTop, prop::TableBorderLeft, prop::TableBorderBottom, prop::TableBorderRight,
                         prop::TableBorderInsideH, prop::TableBorderInsideV})
        setBorderLine(table.format, property, outer);
    table.format.setColumnWidthConstraints({QTextLength(QTextLength::FixedLength, twipsToLayout(2000)),
                                            QTextLength(QTextLength::FixedLength, twipsToLayout(3000)),
                                            QTextLength(QTextLength::FixedLength, twipsToLayout(1500))});
    table.rows.assign(3, std::vector<CellContent>(3));
    table.format.setHeaderRowCount(1);
    table.format.setProperty(prop::TableRowHeights, QVariantList{567, -850, 0}); // at least, exactly, auto
    const auto text = [](const char *value) {
        ParagraphContent paragraph;
        paragraph.runs.push_back({RunContent::Text, QString::fromUtf8(value), {}});
        return paragraph;
    };
    table.rows[0][0].paragraphs = {text("Merged across")};
    table.rows[0][0].columnSpan = 2;
    table.rows[0][1].covered = true;
    table.rows[0][2].paragraphs = {text("Merged down"), text("second paragraph")};
    table.rows[0][2].rowSpan = 2;
    table.rows[0][2].format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    table.rows[1][2].covered = true;
    table.rows[1][0].paragraphs = {text("Shaded")};
    table.rows[1][0].format.setBackground(QColor(200, 220, 255));
    table.rows[1][1].paragraphs = {text("Bottom")};
    table.rows[1][1].format.setVerticalAlignment(QTextCharFormat::AlignBottom);
    BorderLine line;
    line.width = 12;
    line.color = QColor(255, 0, 0);
    for (int property : {prop::TableBorderTop, prop::TableBorderBottom, prop::TableBorderLeft, prop::TableBorderRight})
        setBorderLine(table.rows[2][0].format, property, line);
    table.rows[2][0].paragraphs = {text("Bordered")};
    table.rows[2][1].paragraphs = {text("B")};
    table.rows[2][2].paragraphs = {text("C")};
    builder.addTable(table);
    builder.addParagraph(text("After the table"));
    builder.finish();
}

QByteArray imageBytes(const char *format, QColor color)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

void addPictures(Document &document)
{
    StoryBuilder builder(document, document.mainStory());
    ParagraphContent paragraph;
    paragraph.runs.push_back({RunContent::Text, QStringLiteral("A PNG "), {}});
    QTextImageFormat png;
    png.setName(builder.addImage(imageBytes("PNG", Qt::red)));
    png.setProperty(prop::ImageDescription, QStringLiteral("A red square – “alt” text"));
    png.setWidth(twipsToLayout(1440));
    png.setHeight(twipsToLayout(1080));
    paragraph.runs.push_back({RunContent::Text, QString(), png});
    paragraph.runs.push_back({RunContent::Text, QStringLiteral(" and a JPEG "), {}});
    QTextImageFormat jpeg;
    jpeg.setName(builder.addImage(imageBytes("JPEG", Qt::blue)));
    jpeg.setWidth(twipsToLayout(720));
    jpeg.setHeight(twipsToLayout(540));
    paragraph.runs.push_back({RunContent::Text, QString(), jpeg});
    builder.addParagraph(paragraph);
    builder.finish();
}

void addFields(Document &document)
{
    const auto field = [](int id, const char *instruction) {
        QTextCharFormat f;
        f.setProperty(prop::FieldId, id);
        f.setProperty(prop::FieldInstruction, QString::fromLatin1(instruction));
        return f;
    };
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("https://example.com/a?b=c&d=e"));
    QTextCharFormat internal;
    internal.setAnchor(true);
    internal.setAnchorHref(QStringLiteral("#Start"));
    StoryWriter story(document.mainStory());
    story.paragraph({{QStringLiteral("Contents")}, {QStringLiteral("Chapter 1\t3"), field(901, "TOC \\o \"1-3\" \\h")}});
    story.paragraph({{QStringLiteral("Page ")},
                     {QStringLiteral("1"), field(902, "PAGE")},
                     {QStringLiteral(" of ")},
                     {QStringLiteral("5"), field(903, "NUMPAGES")}});
    story.paragraph({{QStringLiteral("Figure ")}, {QStringLiteral("2"), field(904, "SEQ Figure \\* ARABIC")}});
    story.paragraph({{QStringLiteral("See ")}, {QStringLiteral("the site"), link}, {QStringLiteral(" or ")},
                     {QStringLiteral("the start"), internal}});
}

void addBookmarks(Document &document)
{
    StoryWriter story(document.mainStory());
    const int start = story.cursor().position() + (document.mainStory()->characterCount() > 1 ? 1 : 0);
    story.paragraph({{QStringLiteral("Marked words here")}});
    document.setBookmark(QStringLiteral("Start"), start, start);
    document.setBookmark(QStringLiteral("Words"), start + 7, start + 12);
}

void addProtection(Document &document)
{
    Protection protection;
    protection.kind = ProtectionKind::ReadOnly;
    protection.enforced = true;
    protection.algorithm = QStringLiteral("SHA-512");
    protection.hash = QStringLiteral("q1w2e3r4t5y6u7i8o9p0AbCdEfGh+/==");
    protection.salt = QStringLiteral("c2FsdHNhbHRzYWx0c2FsdA==");
    protection.spinCount = 100000;
    document.setProtection(protection);
    StoryWriter(document.mainStory()).paragraph({{QStringLiteral("Protected")}});
}

void addUnicode(Document &document)
{
    StoryWriter(document.mainStory())
        .paragraph({{QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy")}})
        .paragraph({{QStringLiteral("Съешь же ещё этих мягких французских булок; Ελληνικά")}})
        .paragraph({{QStringLiteral("日本語のテキスト, emoji \U0001F600, braces {} and \\ backslash")}})
        .paragraph({{QStringLiteral("non\u00A0breaking, soft\u00ADhyphen, hard\u2011hyphen, “quotes” – dash")}});
}

void addSectionsAndHeaders(Document &document)
{
    std::vector<Section> sections(3);
    sections[0].setPaperKind(PaperKind::A4);
    sections[0].margins = {1134, 1134, 1417, 1417, 709, 709};
    sections[0].differentFirstPage = true;
    sections[1].setPaperKind(PaperKind::Letter);
    sections[1].setLandscape(true);
    sections[1].columnCount = 2;
    sections[1].columnSpacing = 567;
    sections[1].lineNumbering = {5, 1, 360, LineNumbering::EachSection};
    sections[1].start = SectionStart::OddPage;
    sections[2].setPaperKind(PaperKind::A5);
    sections[2].start = SectionStart::Continuous;
    sections[2].pageNumberStart = 7;
    document.setSections(sections);
    document.setEvenAndOddHeaders(true);

    QTextBlockFormat end;
    end.setProperty(prop::SectionEnd, true);
    StoryWriter story(document.mainStory());
    story.paragraph({{QStringLiteral("First section")}}, end);
    story.paragraph({{QStringLiteral("Second section")}}, end);
    story.paragraph({{QStringLiteral("Third section")}});

    const auto write = [&](int section, HeaderFooterKind kind, const QString &text) {
        QTextCharFormat pageField;
        pageField.setProperty(prop::FieldId, 100 + section * 10 + int(kind));
        pageField.setProperty(prop::FieldInstruction, QStringLiteral("PAGE"));
        StoryWriter(document.ensureHeaderFooter(section, kind)).paragraph({{text}, {QStringLiteral("1"), pageField}});
    };
    write(0, HeaderFooterKind::HeaderOdd, QStringLiteral("Odd header "));
    write(0, HeaderFooterKind::HeaderEven, QStringLiteral("Even header "));
    write(0, HeaderFooterKind::HeaderFirst, QStringLiteral("First header "));
    write(0, HeaderFooterKind::FooterOdd, QStringLiteral("Odd footer "));
    write(0, HeaderFooterKind::FooterEven, QStringLiteral("Even footer "));
    write(0, HeaderFooterKind::FooterFirst, QStringLiteral("First footer "));
    write(2, HeaderFooterKind::HeaderOdd, QStringLiteral("Third section header "));
    document.setStoryBookmark(document.headerFooter(0, HeaderFooterKind::FooterOdd), QStringLiteral("InFooter"), 4, 10);
}

void addNotes(Document &document)
{
    // Notes are added in the order they are referred to, as readers number them.
    const int footnote = document.addNote(NoteKind::Footnote, QStringLiteral("1"));
    const int endnote = document.addNote(NoteKind::Endnote, QStringLiteral("i"));
    const int comment = document.addNote(NoteKind::Comment, QStringLiteral("[AB1]"));
    Note *remark = document.note(comment);
    remark->author = QStringLiteral("Alice Brown");
    remark->initials = QStringLiteral("AB");
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    StoryWriter(document.note(footnote)->story)
        .paragraph({{QStringLiteral("A footnote with "), {}}, {QStringLiteral("bold"), bold}, {QStringLiteral(" text.")}})
        .paragraph({{QStringLiteral("Its second paragraph.")}});
    StoryWriter(document.note(endnote)->story).paragraph({{QStringLiteral("An endnote.")}});
    StoryWriter(remark->story).paragraph({{QStringLiteral("A comment: “check this”.")}});

    const auto reference = [](int id, bool raised) {
        QTextCharFormat format;
        format.setProperty(prop::NoteReference, id);
        if (raised)
            format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        return format;
    };
    StoryWriter(document.mainStory())
        .paragraph({{QStringLiteral("Text with a footnote")},
                    {QStringLiteral("1"), reference(footnote, true)},
                    {QStringLiteral(", an endnote")},
                    {QStringLiteral("i"), reference(endnote, true)},
                    {QStringLiteral(" and a comment")},
                    {QStringLiteral("[AB1]"), reference(comment, false)},
                    {QStringLiteral(".")}});
}

std::unique_ptr<Document> build(void (*add)(Document &))
{
    auto document = std::make_unique<Document>();
    add(*document);
    return document;
}

} // namespace

const std::vector<FeatureBuilder> &featureBuilders()
{
    static const std::vector<FeatureBuilder> builders = {
        {"CharacterFormats", [] { return build(addCharacterFormats); }},
        {"ParagraphFormats", [] { return build(addParagraphFormats); }},
        {"Styles", [] { return build(addStyles); }},
        {"Lists", [] { return build(addLists); }},
        {"Tables", [] { return build(addTables); }},
        {"Pictures", [] { return build(addPictures); }},
        {"Fields", [] { return build(addFields); }},
        {"Bookmarks", [] { return build(addBookmarks); }},
        {"Protection", [] { return build(addProtection); }},
        {"Unicode", [] { return build(addUnicode); }},
        {"SectionsAndHeaders", [] { return build(addSectionsAndHeaders); }},
        {"Notes", [] { return build(addNotes); }},
    };
    return builders;
}

std::unique_ptr<Document> buildEverything()
{
    auto document = std::make_unique<Document>();
    for (auto add : {addStyles, addCharacterFormats, addParagraphFormats, addLists, addTables, addPictures, addFields,
                     addBookmarks, addProtection, addUnicode, addNotes, addSectionsAndHeaders})
        add(*document);
    return document;
}

} // namespace richedit::test
