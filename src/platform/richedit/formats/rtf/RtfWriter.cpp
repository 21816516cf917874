#include "RtfWriter.h"

#include "platform/richedit/formats/UnderlineNames.h"
#include "platform/richedit/model/TextFormats.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <map>
#include <set>

namespace richedit {
namespace {

/// Only properties a format holds (styles, defaults), or every property whose effective value
/// differs from the base (paragraphs and runs).
enum class Mode { Present, Difference };

const struct {
    const char *style;
    const char *word;
} borderStyleWords[] = {
    {"single", "brdrs"}, {"double", "brdrdb"},     {"dotted", "brdrdot"}, {"dashed", "brdrdash"},
    {"thick", "brdrth"}, {"triple", "brdrtriple"}, {"wave", "brdrwavy"},  {"none", "brdrnone"},
};

int levelNumberFormat(NumberFormat format)
{
    switch (format) {
    case NumberFormat::Decimal: return 0;
    case NumberFormat::UpperRoman: return 1;
    case NumberFormat::LowerRoman: return 2;
    case NumberFormat::UpperLetter: return 3;
    case NumberFormat::LowerLetter: return 4;
    case NumberFormat::Bullet: return 23;
    case NumberFormat::None: return 255;
    }
    return 0;
}

QColor brushColor(const QTextFormat &format, int property)
{
    const QBrush brush = format.brushProperty(property);
    return brush.style() == Qt::NoBrush ? QColor() : brush.color();
}

class Generator {
public:
    explicit Generator(const Document &document) : m_document(document) {}
    QByteArray write();

private:
    void collect(const QTextFormat &format);
    void collectStory(const QTextDocument *story);
    int font(const QString &family);
    int color(const QColor &color);
    QString firstFamily(const QTextFormat &format) const;

    void text(const QString &text);
    void word(const char *word, int parameter);
    void word(const char *word);
    void pageBackground();
    void characterProperties(const QTextCharFormat &format, const QTextCharFormat &base, Mode mode);
    void paragraphProperties(const QTextBlockFormat &format, const QTextBlockFormat &base, Mode mode);
    void border(const QTextFormat &format, int property, const char *word);

    void fontTable();
    void colorTable();
    void styleSheet();
    void listTables();
    void sectionProperties(const Section &section, int index);
    void story(const QTextDocument *story, bool mainStory);
    void frame(QTextFrame *frame, bool inTable, bool mainStory);
    void paragraph(const QTextBlock &block, bool inTable, const char *end, bool mainStory);
    void runs(const QTextBlock &block, bool mainStory);
    void run(const QString &text, const QTextCharFormat &format, int start, bool mainStory);
    void picture(const QTextImageFormat &format, const QTextDocument *story);
    int note(const QString &text, const QTextCharFormat &format, const QTextCharFormat &effective);
    void table(QTextTable *table, bool mainStory);

    const Document &m_document;
    QByteArray m_out;
    QStringList m_fonts;
    QList<QRgb> m_colors;
    std::map<QString, int> m_styleNumbers;
    QTextCharFormat m_baseChar;
    QTextBlockFormat m_baseBlock;
    QTextCharFormat m_paragraphChar; // the defaults with the current paragraph's style
    // Bookmark starts and ends by position in the story being written; the others wait by story.
    std::map<int, QStringList> m_bookmarkStarts;
    std::map<int, QStringList> m_bookmarkEnds;
    std::map<const QTextDocument *, std::pair<std::map<int, QStringList>, std::map<int, QStringList>>> m_storyMarks;
    const QTextDocument *m_story = nullptr;
    int m_section = 0;
    std::set<int> m_notesReferred;
};

int Generator::font(const QString &family)
{
    qsizetype index = m_fonts.indexOf(family);
    if (index < 0) {
        m_fonts << family;
        index = m_fonts.size() - 1;
    }
    return int(index);
}

int Generator::color(const QColor &value)
{
    if (!value.isValid())
        return 0;
    const QRgb rgb = value.rgb() | 0xff000000u;
    qsizetype index = m_colors.indexOf(rgb);
    if (index < 0) {
        m_colors << rgb;
        index = m_colors.size() - 1;
    }
    return int(index) + 1;
}

QString Generator::firstFamily(const QTextFormat &format) const
{
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    if (!families.isEmpty())
        return families.front();
    return format.stringProperty(QTextFormat::FontFamily);
}

void Generator::collect(const QTextFormat &format)
{
    const QString family = firstFamily(format);
    if (!family.isEmpty())
        font(family);
    for (const int property : {int(QTextFormat::ForegroundBrush), int(QTextFormat::BackgroundBrush)})
        color(brushColor(format, property));
    color(format.colorProperty(QTextFormat::TextUnderlineColor));
    color(format.colorProperty(prop::Highlight));
    for (int property = prop::BorderTop; property <= prop::BorderBetween; ++property)
        if (const auto line = borderLine(format, property))
            color(line->color);
    for (int property = prop::TableBorderTop; property <= prop::TableBorderInsideV; ++property)
        if (const auto line = borderLine(format, property))
            color(line->color);
}

void Generator::collectStory(const QTextDocument *story)
{
    if (!story)
        return;
    for (const QTextFormat &format : story->allFormats())
        collect(format);
}

void Generator::text(const QString &value)
{
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            m_out += '\\';
            m_out += char(u);
        } else if (u == '\t') {
            m_out += "\\tab ";
        } else if (u == QChar::LineSeparator || u == '\n') {
            m_out += "\\line ";
        } else if (u == 0x00A0) {
            m_out += "\\~";
        } else if (u == 0x00AD) {
            m_out += "\\-";
        } else if (u == 0x2011) {
            m_out += "\\_";
        } else if (u >= 0x20 && u < 0x7f) {
            m_out += char(u);
        } else if (u < 0x20 || u == QChar::ObjectReplacementCharacter) {
            continue;
        } else {
            // RTF numbers are signed 16-bit: characters above U+7FFF are written negative.
            m_out += "\\u" + QByteArray::number(u > 0x7fff ? int(u) - 65536 : int(u)) + '?';
        }
    }
}

void Generator::word(const char *value, int parameter)
{
    m_out += '\\';
    m_out += value;
    m_out += QByteArray::number(parameter);
}

void Generator::word(const char *value)
{
    m_out += '\\';
    m_out += value;
}

void Generator::characterProperties(const QTextCharFormat &format, const QTextCharFormat &base, Mode mode)
{
    const qsizetype before = m_out.size();
    QTextCharFormat effective = base;
    effective.merge(format);
    const auto wanted = [&](std::initializer_list<int> properties, const QVariant &mine, const QVariant &theirs) {
        if (mode == Mode::Present) {
            for (int property : properties)
                if (format.hasProperty(property))
                    return true;
            return false;
        }
        return mine != theirs;
    };
    const QString family = firstFamily(effective);
    if (wanted({QTextFormat::FontFamilies, QTextFormat::FontFamily}, family, firstFamily(base)) && !family.isEmpty())
        word("f", font(family));
    if (wanted({QTextFormat::FontPointSize}, effective.fontPointSize(), base.fontPointSize()) &&
        effective.fontPointSize() > 0)
        word("fs", qRound(effective.fontPointSize() * 2));
    const bool bold = effective.fontWeight() >= QFont::DemiBold;
    if (wanted({QTextFormat::FontWeight}, bold, base.fontWeight() >= QFont::DemiBold))
        bold ? word("b") : word("b", 0);
    if (wanted({QTextFormat::FontItalic}, effective.fontItalic(), base.fontItalic()))
        effective.fontItalic() ? word("i") : word("i", 0);
    if (wanted({QTextFormat::FontStrikeOut}, effective.fontStrikeOut(), base.fontStrikeOut()))
        effective.fontStrikeOut() ? word("strike") : word("strike", 0);
    const bool doubleStrike = effective.boolProperty(prop::DoubleStrikeOut);
    if (wanted({prop::DoubleStrikeOut}, doubleStrike, base.boolProperty(prop::DoubleStrikeOut)))
        word("striked", doubleStrike ? 1 : 0);
    const UnderlineType underline = underlineType(effective);
    if (wanted({prop::UnderlineKind, QTextFormat::TextUnderlineStyle}, int(underline), int(underlineType(base))))
        for (const auto &row : underlineNames)
            if (row.type == underline)
                word(row.rtf);
    const int caps = effective.fontCapitalization();
    if (wanted({QTextFormat::FontCapitalization}, caps, int(base.fontCapitalization()))) {
        if (caps == QFont::AllUppercase)
            word("caps");
        else if (caps == QFont::SmallCaps)
            word("scaps");
        else {
            word("caps", 0);
            word("scaps", 0);
        }
    }
    const QColor foreground = brushColor(effective, QTextFormat::ForegroundBrush);
    if (wanted({QTextFormat::ForegroundBrush}, foreground, brushColor(base, QTextFormat::ForegroundBrush)))
        word("cf", color(foreground));
    const QColor background = brushColor(effective, QTextFormat::BackgroundBrush);
    if (wanted({QTextFormat::BackgroundBrush}, background, brushColor(base, QTextFormat::BackgroundBrush)))
        word("chcbpat", color(background));
    const QColor highlight = effective.colorProperty(prop::Highlight);
    if (wanted({prop::Highlight}, highlight, base.colorProperty(prop::Highlight)))
        word("highlight", color(highlight));
    const QColor underlineColor = effective.underlineColor();
    if (wanted({QTextFormat::TextUnderlineColor}, underlineColor, base.underlineColor()))
        word("ulc", color(underlineColor));
    const int alignment = effective.verticalAlignment();
    if (wanted({QTextFormat::TextVerticalAlignment}, alignment, int(base.verticalAlignment()))) {
        if (alignment == QTextCharFormat::AlignSuperScript)
            word("super");
        else if (alignment == QTextCharFormat::AlignSubScript)
            word("sub");
        else
            word("nosupersub");
    }
    const bool hidden = effective.boolProperty(prop::Hidden);
    if (wanted({prop::Hidden}, hidden, base.boolProperty(prop::Hidden)))
        hidden ? word("v") : word("v", 0);
    const bool noProof = effective.boolProperty(prop::NoProof);
    if (wanted({prop::NoProof}, noProof, base.boolProperty(prop::NoProof)))
        noProof ? word("noproof") : word("noproof", 0);
    if (mode == Mode::Difference) {
        const auto style = m_styleNumbers.find(format.stringProperty(prop::CharacterStyleId));
        if (style != m_styleNumbers.end())
            word("cs", style->second);
    }
    if (m_out.size() != before)
        m_out += ' ';
}

void Generator::border(const QTextFormat &format, int property, const char *side)
{
    const auto line = borderLine(format, property);
    if (!line)
        return;
    word(side);
    const char *style = "brdrs";
    for (const auto &row : borderStyleWords)
        if (line->style == QLatin1String(row.style))
            style = row.word;
    word(style);
    word("brdrw", qRound(line->width * 2.5));
    if (line->space)
        word("brsp", line->space * 20);
    if (line->color.isValid())
        word("brdrcf", color(line->color));
}

void Generator::paragraphProperties(const QTextBlockFormat &format, const QTextBlockFormat &base, Mode mode)
{
    const qsizetype before = m_out.size();
    QTextBlockFormat effective = base;
    effective.merge(format);
    const auto wanted = [&](int property, const QVariant &mine, const QVariant &theirs) {
        return mode == Mode::Present ? format.hasProperty(property) : mine != theirs;
    };
    if (wanted(QTextFormat::BlockAlignment, int(effective.alignment()), int(base.alignment()))) {
        const Qt::Alignment a = effective.alignment();
        word(a & Qt::AlignHCenter ? "qc" : a & Qt::AlignRight ? "qr" : a & Qt::AlignJustify ? "qj" : "ql");
    }
    const struct {
        int property;
        const char *word;
    } lengths[] = {{QTextFormat::BlockLeftMargin, "li"},   {QTextFormat::BlockRightMargin, "ri"},
                   {QTextFormat::TextIndent, "fi"},        {QTextFormat::BlockTopMargin, "sb"},
                   {QTextFormat::BlockBottomMargin, "sa"}};
    for (const auto &row : lengths) {
        const int twips = layoutToTwipsRounded(effective.doubleProperty(row.property));
        if (wanted(row.property, twips, layoutToTwipsRounded(base.doubleProperty(row.property))))
            word(row.word, twips);
    }
    const int heightType = effective.lineHeightType();
    const qreal height = effective.lineHeight();
    if (wanted(QTextFormat::LineHeightType, QVariant(QList<QVariant>{heightType, height}),
               QVariant(QList<QVariant>{base.lineHeightType(), base.lineHeight()}))) {
        switch (heightType) {
        case QTextBlockFormat::ProportionalHeight: word("sl", qRound(height * 2.4)); word("slmult", 1); break;
        case QTextBlockFormat::FixedHeight: word("sl", -layoutToTwipsRounded(height)); word("slmult", 0); break;
        case QTextBlockFormat::MinimumHeight: word("sl", layoutToTwipsRounded(height)); word("slmult", 0); break;
        default: word("sl", 0); word("slmult", 0); break;
        }
    }
    if (wanted(prop::KeepWithNext, effective.boolProperty(prop::KeepWithNext), base.boolProperty(prop::KeepWithNext)) &&
        effective.boolProperty(prop::KeepWithNext))
        word("keepn");
    if (wanted(QTextFormat::BlockNonBreakableLines, effective.nonBreakableLines(), base.nonBreakableLines()) &&
        effective.nonBreakableLines())
        word("keep");
    const bool widow = effective.boolProperty(prop::WidowControl);
    if (wanted(prop::WidowControl, widow, base.boolProperty(prop::WidowControl)))
        word(widow ? "widctlpar" : "nowidctlpar");
    const bool pageBreak = effective.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
    if (wanted(QTextFormat::PageBreakPolicy, pageBreak, bool(base.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)) &&
        pageBreak)
        word("pagebb");
    const auto outline = [](const QTextBlockFormat &f) {
        return f.hasProperty(prop::OutlineLevel) ? f.intProperty(prop::OutlineLevel) : bodyTextLevel;
    };
    if (wanted(prop::OutlineLevel, outline(effective), outline(base)))
        word("outlinelevel", outline(effective));
    const struct {
        int property;
        const char *word;
    } borders[] = {{prop::BorderTop, "brdrt"},
                   {prop::BorderBottom, "brdrb"},
                   {prop::BorderLeft, "brdrl"},
                   {prop::BorderRight, "brdrr"},
                   {prop::BorderBetween, "brdrbtw"}};
    for (const auto &row : borders)
        if (wanted(row.property, effective.property(row.property), base.property(row.property)))
            border(effective, row.property, row.word);
    const QColor shading = brushColor(effective, QTextFormat::BackgroundBrush);
    if (wanted(QTextFormat::BackgroundBrush, shading, brushColor(base, QTextFormat::BackgroundBrush)) && shading.isValid())
        word("cbpat", color(shading));
    const QList<QTextOption::Tab> tabs = effective.tabPositions();
    const QString leaders = effective.stringProperty(prop::TabLeaders);
    if (wanted(QTextFormat::TabPositions, effective.property(QTextFormat::TabPositions),
               base.property(QTextFormat::TabPositions)) ||
        wanted(prop::TabLeaders, leaders, base.stringProperty(prop::TabLeaders))) {
        for (qsizetype i = 0; i < tabs.size(); ++i) {
            const QTextOption::Tab &tab = tabs[i];
            const QChar leader = i < leaders.size() ? leaders[i] : QChar(LeaderNone);
            if (leader == LeaderDot) word("tldot");
            else if (leader == LeaderHyphen) word("tlhyph");
            else if (leader == LeaderUnderscore) word("tlul");
            if (tab.type == QTextOption::RightTab) word("tqr");
            else if (tab.type == QTextOption::CenterTab) word("tqc");
            else if (tab.type == QTextOption::DelimiterTab) word("tqdec");
            word("tx", layoutToTwipsRounded(tab.position));
        }
    }
    if (m_out.size() != before)
        m_out += ' ';
}

void Generator::fontTable()
{
    m_out += "{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        m_out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        text(m_fonts[i]);
        m_out += ";}";
    }
    m_out += "}\n";
}

void Generator::colorTable()
{
    m_out += "{\\colortbl;";
    for (const QRgb rgb : m_colors)
        m_out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb)) + "\\blue" +
                 QByteArray::number(qBlue(rgb)) + ';';
    m_out += "}\n";
}

void Generator::styleSheet()
{
    const StyleSheet &sheet = m_document.styles();
    if (sheet.isEmpty())
        return;
    m_out += "{\\stylesheet";
    for (const Style &style : sheet.styles()) {
        const int number = m_styleNumbers.at(style.id);
        m_out += '{';
        if (style.type == StyleType::Paragraph)
            word("s", number);
        else
            m_out += style.type == StyleType::Character ? "\\*\\cs" + QByteArray::number(number)
                                                         : "\\*\\ts" + QByteArray::number(number);
        if (!style.basedOn.isEmpty() && m_styleNumbers.count(style.basedOn))
            word("sbasedon", m_styleNumbers.at(style.basedOn));
        if (!style.next.isEmpty() && m_styleNumbers.count(style.next))
            word("snext", m_styleNumbers.at(style.next));
        if (style.type == StyleType::Character)
            word("additive");
        m_out += ' ';
        paragraphProperties(style.blockFormat, QTextBlockFormat(), Mode::Present);
        characterProperties(style.charFormat, QTextCharFormat(), Mode::Present);
        m_out += "{\\*\\tavelstyleid ";
        text(style.id);
        m_out += '}';
        text(style.name);
        m_out += ";}\n";
    }
    m_out += "}\n";
}

void Generator::listTables()
{
    const ListTable &lists = m_document.lists();
    if (lists.empty())
        return;
    m_out += "{\\*\\listtable";
    for (const auto &[id, list] : lists) {
        m_out += "{\\list\\listtemplateid" + QByteArray::number(id);
        for (const ListLevel &level : list.levels) {
            m_out += "{\\listlevel";
            word("levelnfc", levelNumberFormat(level.format));
            word("levelnfcn", levelNumberFormat(level.format));
            word("levelstartat", level.start);
            // Level text: a length, then the text with level numbers as bytes 0..8.
            QString encoded;
            for (qsizetype i = 0; i < level.text.size(); ++i) {
                if (level.text[i] == QLatin1Char('%') && i + 1 < level.text.size() && level.text[i + 1].isDigit() &&
                    level.text[i + 1] != QLatin1Char('0')) {
                    encoded += QChar(level.text[i + 1].digitValue() - 1);
                    ++i;
                } else {
                    encoded += level.text[i];
                }
            }
            m_out += "{\\leveltext\\'" + QByteArray::number(qMin(encoded.size(), qsizetype(255)), 16).rightJustified(2, '0');
            for (const QChar c : encoded)
                if (c.unicode() < 9)
                    m_out += "\\'0" + QByteArray::number(c.unicode());
                else
                    text(QString(c));
            m_out += ";}";
            if (!level.fontFamily.isEmpty())
                word("f", font(level.fontFamily));
            word("fi", -level.hanging);
            word("li", level.indent);
            m_out += '}';
        }
        m_out += "\\listid" + QByteArray::number(id) + "}\n";
    }
    m_out += "}\n{\\*\\listoverridetable";
    for (const auto &[id, list] : lists)
        m_out += "{\\listoverride\\listid" + QByteArray::number(id) + "\\listoverridecount0\\ls" +
                 QByteArray::number(id) + '}';
    m_out += "}\n";
}

void Generator::sectionProperties(const Section &section, int index)
{
    m_out += "\\sectd";
    const char *starts[] = {"sbkpage", "sbknone", "sbkeven", "sbkodd", "sbkcol"};
    word(starts[int(section.start)]);
    if (section.landscape)
        word("lndscpsxn");
    word("pgwsxn", section.pageWidth);
    word("pghsxn", section.pageHeight);
    word("marglsxn", section.margins.left);
    word("margrsxn", section.margins.right);
    word("margtsxn", section.margins.top);
    word("margbsxn", section.margins.bottom);
    word("headery", section.margins.header);
    word("footery", section.margins.footer);
    if (section.columnCount > 1) {
        word("cols", section.columnCount);
        word("colsx", section.columnSpacing);
    }
    if (section.lineNumbering.countBy > 0) {
        word("linemod", section.lineNumbering.countBy);
        word("linex", section.lineNumbering.distance);
        word("linestarts", section.lineNumbering.start);
        const char *restarts[] = {"lineppage", "linerestart", "linecont"};
        word(restarts[int(section.lineNumbering.restart)]);
    }
    if (section.differentFirstPage)
        word("titlepg");
    if (section.pageNumberStart > 0) {
        word("pgnrestart");
        word("pgnstarts", section.pageNumberStart);
    }
    m_out += '\n';
    const struct {
        HeaderFooterKind kind;
        const char *word;
    } stories[] = {{HeaderFooterKind::HeaderOdd, "header"},   {HeaderFooterKind::HeaderEven, "headerl"},
                   {HeaderFooterKind::HeaderFirst, "headerf"}, {HeaderFooterKind::FooterOdd, "footer"},
                   {HeaderFooterKind::FooterEven, "footerl"},  {HeaderFooterKind::FooterFirst, "footerf"}};
    for (const auto &row : stories)
        if (const QTextDocument *story = m_document.headerFooter(index, row.kind)) {
            m_out += "{\\";
            m_out += row.word;
            m_out += ' ';
            this->story(story, false);
            m_out += "}\n";
        }
}

void Generator::story(const QTextDocument *story, bool mainStory)
{
    const QTextDocument *saved = m_story;
    m_story = story;
    // A note is written inside the main story's paragraph: the main story's marks wait meanwhile.
    auto &[starts, ends] = m_storyMarks[story];
    std::swap(m_bookmarkStarts, starts);
    std::swap(m_bookmarkEnds, ends);
    frame(story->rootFrame(), false, mainStory);
    std::swap(m_bookmarkStarts, starts);
    std::swap(m_bookmarkEnds, ends);
    m_story = saved;
}

void Generator::frame(QTextFrame *frame, bool inTable, bool mainStory)
{
    for (QTextFrame::iterator it = frame->begin(); !it.atEnd(); ++it) {
        if (QTextFrame *child = it.currentFrame()) {
            if (auto *table = qobject_cast<QTextTable *>(child))
                this->table(table, mainStory);
            else
                this->frame(child, inTable, mainStory);
            continue;
        }
        const QTextBlock block = it.currentBlock();
        const bool sectionEnd = mainStory && block.blockFormat().boolProperty(prop::SectionEnd);
        paragraph(block, inTable, sectionEnd ? "sect" : "par", mainStory);
        if (sectionEnd && m_section + 1 < int(m_document.sections().size())) {
            ++m_section;
            m_out += '\n';
            sectionProperties(m_document.section(m_section), m_section);
        }
    }
}

void Generator::paragraph(const QTextBlock &block, bool inTable, const char *end, bool mainStory)
{
    m_out += "\\pard\\plain ";
    const QTextBlockFormat format = block.blockFormat();
    const StyleSheet &sheet = m_document.styles();
    QString styleId = format.stringProperty(prop::ParagraphStyleId);
    if (styleId.isEmpty() || !sheet.find(styleId))
        styleId = sheet.defaultStyleId(StyleType::Paragraph);
    const auto style = m_styleNumbers.find(styleId);
    if (style != m_styleNumbers.end() && style->second != 0)
        word("s", style->second);
    if (inTable)
        word("intbl");
    if (const QTextList *list = block.textList()) {
        const QTextListFormat listFormat = list->format();
        if (listFormat.hasProperty(prop::ListId) && m_document.lists().count(listFormat.intProperty(prop::ListId))) {
            word("ls", listFormat.intProperty(prop::ListId));
            word("ilvl", listFormat.intProperty(prop::ListLevelIndex));
        }
    }
    // RTF states a paragraph's formatting in full: the style's, then the paragraph's own.
    QTextBlockFormat effective = sheet.resolvedBlockFormat(styleId);
    effective.merge(format);
    paragraphProperties(effective, m_baseBlock, Mode::Difference);
    m_paragraphChar = m_baseChar;
    m_paragraphChar.merge(sheet.resolvedCharFormat(styleId));
    runs(block, mainStory);
    if (block.length() <= 1) {
        // An empty paragraph shows its mark's formatting (its height comes from it).
        QTextCharFormat mark = m_paragraphChar;
        mark.merge(paragraphMarkFormat(block));
        characterProperties(mark, m_baseChar, Mode::Difference);
    }
    word(end);
    m_out += '\n';
}

void Generator::runs(const QTextBlock &block, bool mainStory)
{
    // Fields and hyperlinks span fragments; group them so each is written once.
    int openField = 0;
    QString openHref;
    const auto close = [&] {
        if (openField || !openHref.isEmpty())
            m_out += "}}";
        openField = 0;
        openHref.clear();
    };
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        const int field = format.intProperty(prop::FieldId);
        const QString href = format.isAnchor() ? format.anchorHref() : QString();
        if (field != openField || href != openHref) {
            close();
            if (field) {
                m_out += "{\\field{\\*\\fldinst ";
                text(format.stringProperty(prop::FieldInstruction));
                m_out += "}{\\fldrslt ";
                openField = field;
            } else if (!href.isEmpty()) {
                m_out += "{\\field{\\*\\fldinst HYPERLINK \"";
                text(href);
                m_out += "\"}{\\fldrslt ";
                openHref = href;
            }
        }
        if (format.isImageFormat()) {
            picture(format.toImageFormat(), m_story);
            continue;
        }
        run(fragment.text(), format, fragment.position(), mainStory);
    }
    close();
    {
        const int end = block.position() + block.length() - 1;
        for (const auto *marks : {&m_bookmarkStarts, &m_bookmarkEnds}) {
            const auto it = marks->find(end);
            if (it == marks->end())
                continue;
            for (const QString &name : it->second) {
                m_out += marks == &m_bookmarkStarts ? "{\\*\\bkmkstart " : "{\\*\\bkmkend ";
                text(name);
                m_out += '}';
            }
        }
        m_bookmarkStarts.erase(end);
        m_bookmarkEnds.erase(end);
    }
}

void Generator::run(const QString &value, const QTextCharFormat &format, int start, bool mainStory)
{
    int from = 0;
    const auto marks = [&](int position) {
        if (const auto it = m_bookmarkStarts.find(position); it != m_bookmarkStarts.end()) {
            for (const QString &name : it->second) {
                m_out += "{\\*\\bkmkstart ";
                text(name);
                m_out += '}';
            }
            m_bookmarkStarts.erase(it);
        }
        if (const auto it = m_bookmarkEnds.find(position); it != m_bookmarkEnds.end()) {
            for (const QString &name : it->second) {
                m_out += "{\\*\\bkmkend ";
                text(name);
                m_out += '}';
            }
            m_bookmarkEnds.erase(it);
        }
    };
    QTextCharFormat effective = m_paragraphChar;
    const QString charStyle = format.stringProperty(prop::CharacterStyleId);
    if (!charStyle.isEmpty())
        effective.merge(m_document.styles().chainCharFormat(charStyle));
    effective.merge(format);
    if (mainStory && format.hasProperty(prop::NoteReference)) {
        marks(start);
        effective.clearProperty(prop::NoteReference);
        from = note(value, format, effective);
    }
    const auto piece = [&](int to) {
        if (to <= from)
            return;
        m_out += '{';
        characterProperties(effective, m_baseChar, Mode::Difference);
        text(value.mid(from, to - from));
        m_out += '}';
        from = to;
    };
    const bool anyMarks = !m_bookmarkStarts.empty() || !m_bookmarkEnds.empty();
    for (int i = 0; anyMarks && i < value.size(); ++i)
        if (m_bookmarkStarts.count(start + i) || m_bookmarkEnds.count(start + i)) {
            piece(i);
            marks(start + i);
        }
    piece(int(value.size()));
}

int Generator::note(const QString &runText, const QTextCharFormat &format, const QTextCharFormat &effective)
{
    const int id = format.intProperty(prop::NoteReference);
    const Note *note = m_document.note(id);
    if (!note || !m_notesReferred.insert(id).second)
        return 0; // referred to already: the rest is text
    const bool comment = note->kind == NoteKind::Comment;
    if (comment) {
        m_out += "{\\*\\atnid ";
        text(note->initials);
        m_out += "}{\\*\\atnauthor ";
        text(note->author);
        m_out += '}';
    }
    m_out += '{';
    characterProperties(effective, m_baseChar, Mode::Difference);
    m_out += comment ? "\\chatn}{\\*\\annotation " : "\\chftn}{\\footnote";
    if (note->kind == NoteKind::Endnote)
        word("ftnalt");
    if (!comment)
        m_out += "{\\super\\chftn}";
    m_out += '\n';
    // The note's paragraphs are written like any story's; the paragraph around it goes on after.
    const QTextCharFormat paragraphChar = m_paragraphChar;
    story(note->story, false);
    m_paragraphChar = paragraphChar;
    m_out += '}';
    // The reader's mark is numbered anew by whoever opens the file; text typed after it is kept.
    return !note->mark.isEmpty() && runText.startsWith(note->mark) ? int(note->mark.size()) : 0;
}

void Generator::picture(const QTextImageFormat &format, const QTextDocument *story)
{
    const QVariant resource = story->resource(QTextDocument::ImageResource, QUrl(format.name()));
    QByteArray bytes;
    QImage image;
    if (resource.typeId() == QMetaType::QByteArray) {
        bytes = resource.toByteArray();
        image.loadFromData(bytes);
    } else {
        image = resource.value<QImage>();
        if (image.isNull())
            image = QImage(resource.value<QPixmap>().toImage());
    }
    const bool jpeg = bytes.startsWith("\xFF\xD8");
    if (!bytes.startsWith("\x89PNG") && !jpeg) {
        if (image.isNull())
            return;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    const int width = format.width() > 0 ? layoutToTwipsRounded(format.width()) : image.width() * 15;
    const int height = format.height() > 0 ? layoutToTwipsRounded(format.height()) : image.height() * 15;
    m_out += "{\\*\\shppict{\\pict";
    word(jpeg ? "jpegblip" : "pngblip");
    word("picw", image.width());
    word("pich", image.height());
    word("picwgoal", width);
    word("pichgoal", height);
    const QString description = format.stringProperty(prop::ImageDescription);
    if (!description.isEmpty()) {
        m_out += "{\\*\\picprop{\\sp{\\sn wzDescription}{\\sv ";
        text(description);
        m_out += "}}}";
    }
    m_out += '\n';
    const QByteArray hex = bytes.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128) {
        m_out += hex.mid(i, 128);
        m_out += '\n';
    }
    m_out += "}}";
}

void Generator::table(QTextTable *table, bool mainStory)
{
    const int rows = table->rows();
    const int columns = table->columns();
    const QList<QTextLength> constraints = table->format().columnWidthConstraints();
    std::vector<int> rights;
    int right = 0;
    for (int c = 0; c < columns; ++c) {
        const QTextLength length = c < constraints.size() ? constraints[c] : QTextLength();
        right += length.type() == QTextLength::FixedLength ? layoutToTwipsRounded(length.rawValue()) : 9360 / columns;
        rights.push_back(right);
    }
    const struct {
        int property;
        const char *word;
    } borders[] = {{prop::TableBorderTop, "clbrdrt"},
                   {prop::TableBorderLeft, "clbrdrl"},
                   {prop::TableBorderBottom, "clbrdrb"},
                   {prop::TableBorderRight, "clbrdrr"}};
    const QTextTableFormat tableFormat = table->format();
    const struct {
        int property;
        const char *word;
    } tableBorders[] = {{prop::TableBorderTop, "trbrdrt"},     {prop::TableBorderLeft, "trbrdrl"},
                        {prop::TableBorderBottom, "trbrdrb"},  {prop::TableBorderRight, "trbrdrr"},
                        {prop::TableBorderInsideH, "trbrdrh"}, {prop::TableBorderInsideV, "trbrdrv"}};
    const auto tableStyle = m_styleNumbers.find(tableFormat.stringProperty(prop::TableStyleId));
    const QVariantList heights = tableFormat.property(prop::TableRowHeights).toList();
    for (int r = 0; r < rows; ++r) {
        m_out += "\\trowd\\trgaph108\\trleft0";
        if (r < tableFormat.headerRowCount())
            word("trhdr");
        if (r < heights.size() && heights[r].toInt() != 0)
            word("trrh", heights[r].toInt());
        if (tableStyle != m_styleNumbers.end())
            word("ts", tableStyle->second);
        for (const auto &row : tableBorders)
            border(tableFormat, row.property, row.word);
        m_out += '\n';
        for (int c = 0; c < columns; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.column() != c)
                continue;
            const QTextCharFormat format = cell.format();
            if (cell.row() != r)
                word("clvmrg");
            else if (cell.rowSpan() > 1)
                word("clvmgf");
            const auto alignment = format.verticalAlignment();
            if (alignment == QTextCharFormat::AlignMiddle) word("clvertalc");
            else if (alignment == QTextCharFormat::AlignBottom) word("clvertalb");
            else if (format.hasProperty(QTextFormat::TextVerticalAlignment)) word("clvertalt");
            for (const auto &row : borders)
                border(format, row.property, row.word);
            const QColor shading = brushColor(format, QTextFormat::BackgroundBrush);
            if (shading.isValid())
                word("clcbpat", color(shading));
            word("cellx", rights[std::size_t(std::min(c + cell.columnSpan(), columns) - 1)]);
            m_out += '\n';
        }
        for (int c = 0; c < columns; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.column() != c)
                continue;
            if (cell.row() != r) {
                m_out += "\\pard\\plain\\intbl\\cell\n";
                continue;
            }
            std::vector<QTextBlock> blocks;
            for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it)
                if (!it.currentFrame())
                    blocks.push_back(it.currentBlock());
            for (std::size_t i = 0; i < blocks.size(); ++i)
                paragraph(blocks[i], true, i + 1 == blocks.size() ? "cell" : "par", mainStory);
        }
        m_out += "\\row\n";
    }
}

QByteArray Generator::write()
{
    // Defaults: the document's font and size, then what the defaults add.
    m_baseChar.setFontFamilies(QStringList{m_document.defaultFont().family()});
    m_baseChar.setFontPointSize(m_document.defaultFont().pointSizeF() > 0 ? m_document.defaultFont().pointSizeF() : 12);
    m_baseChar.merge(m_document.styles().defaultCharFormat);
    m_baseBlock = m_document.styles().defaultBlockFormat;
    font(firstFamily(m_baseChar));
    collect(m_baseChar);
    collect(m_baseBlock);
    int number = 1;
    for (const Style &style : m_document.styles().styles()) {
        m_styleNumbers[style.id] = style.isDefault && style.type == StyleType::Paragraph ? 0 : number++;
        collect(style.charFormat);
        collect(style.blockFormat);
    }
    for (const auto &[id, list] : m_document.lists())
        for (const ListLevel &level : list.levels)
            if (!level.fontFamily.isEmpty())
                font(level.fontFamily);
    collectStory(m_document.mainStory());
    for (const auto &[id, note] : m_document.notes())
        collectStory(note.story);
    for (int i = 0; i < int(m_document.sections().size()); ++i)
        for (int kind = 0; kind < headerFooterKindCount; ++kind)
            collectStory(m_document.headerFooter(i, HeaderFooterKind(kind)));
    for (const auto *list : {&m_document.bookmarks(), &m_document.storyBookmarks()})
        for (const Bookmark &bookmark : *list) {
            auto &[starts, ends] = m_storyMarks[bookmark.range.document()];
            starts[bookmark.range.selectionStart()] << bookmark.name;
            ends[bookmark.range.selectionEnd()] << bookmark.name;
        }

    m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
    fontTable();
    colorTable();
    m_out += "{\\*\\defchp ";
    characterProperties(m_baseChar, QTextCharFormat(), Mode::Present);
    m_out += "}{\\*\\defpap ";
    paragraphProperties(m_baseBlock, QTextBlockFormat(), Mode::Present);
    m_out += "}\n";
    styleSheet();
    listTables();
    const Section &first = m_document.section(0);
    word("paperw", first.pageWidth);
    word("paperh", first.pageHeight);
    word("margl", first.margins.left);
    word("margr", first.margins.right);
    word("margt", first.margins.top);
    word("margb", first.margins.bottom);
    if (m_document.evenAndOddHeaders())
        word("facingp");
    const Protection &protection = m_document.protection();
    if (protection.kind != ProtectionKind::None) {
        const int levels[] = {0, 3, 1, 0, 2};
        word("protlevel", levels[int(protection.kind)]);
        word("enforceprot", protection.enforced ? 1 : 0);
        if (!protection.hash.isEmpty()) {
            // RTF has no place for a modern password hash; our own ignorable group keeps it, so
            // that the document stays protected by the same password when read back.
            m_out += "{\\*\\tavelpassword ";
            text(QStringList{protection.algorithm, protection.hash, protection.salt,
                             QString::number(protection.spinCount)}
                     .join(QLatin1Char(';')));
            m_out += '}';
        }
    }
    pageBackground();
    m_out += '\n';
    m_section = 0;
    sectionProperties(first, 0);
    story(m_document.mainStory(), true);
    m_out += "}\n";
    return m_out;
}

void Generator::pageBackground()
{
    const QColor colour = m_document.pageColor();
    if (!colour.isValid())
        return;
    // The page colour is the fill of a background shape (a colour reference: red in the low
    // byte), shown only with \viewbksp on; this is the form word processors write and read.
    const int fill = colour.red() | colour.green() << 8 | colour.blue() << 16;
    word("viewbksp", 1);
    m_out += "{\\*\\background{\\shp{\\*\\shpinst\\shpleft0\\shptop0\\shpright0\\shpbottom0\\shpfhdr0"
             "\\shpbxmargin\\shpbymargin\\shpwr0\\shpwrk0\\shpfblwtxt1\\shpz0\\shplid1025"
             "{\\sp{\\sn shapeType}{\\sv 1}}{\\sp{\\sn fillColor}{\\sv ";
    m_out += QByteArray::number(fill);
    m_out += "}}{\\sp{\\sn fFilled}{\\sv 1}}{\\sp{\\sn lineWidth}{\\sv 0}}{\\sp{\\sn fLine}{\\sv 0}}"
             "{\\sp{\\sn bWMode}{\\sv 9}}{\\sp{\\sn fBackground}{\\sv 1}}}}}";
}

} // namespace

void writeRtf(const Document &document, QIODevice &out)
{
    Generator generator(document);
    out.write(generator.write());
}

} // namespace richedit
