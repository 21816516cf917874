// Rich Text Format reader: tokens → group states → the document model.
//
// Supported:
// [X] code pages: \ansicpg, \fcharset and \cpg per font, \'hh (single and double byte), \uN with \ucN
// [X] character formatting: font, size, bold, italic, strike, double strike, underline kinds and
//     colour, caps, small caps, colours, shading, highlight, sub/superscript, hidden, no-proof
// [X] paragraph formatting: alignment, indents, spacing, line spacing, keep-with-next,
//     keep-together, widow control, page break before, outline level, borders, shading, tabs
// [X] style sheet: paragraph, character and table styles with \sbasedon, \snext; \defchp, \defpap
// [X] sections: page size and paper kind, orientation, margins, header/footer distance,
//     columns, line numbering, title page, page number start, break type
// [X] headers and footers (all, odd, even, first)
// [X] lists: \listtable, \listoverridetable, \ls, \ilvl
// [-] tables: rows, cells, widths, horizontal and vertical merges, cell shading, cell and table
//     borders, vertical alignment, table style, row heights (\trrh), header rows (\trhdr); nested
//     tables are not kept (they are flattened into their outer cell)
// [-] pictures: PNG and JPEG (\pngblip, \jpegblip) with their alternative text (\picprop
//     wzDescription); metafiles and bitmaps are dropped with a warning
// [X] fields with their results; HYPERLINK fields become hyperlinks
// [X] bookmarks
// [X] protection: \protlevel and \enforceprot; the password hash in our own {\*\tavelpassword}
// [X] footnotes and endnotes (\footnote, \ftnalt), comments (\annotation with \atnid, \atnauthor)
// [-] text boxes (\shptxt): their paragraphs follow the paragraph that holds them (warning)
// [-] revisions: read as accepted, \deleted text left out (warning)
// [-] \page inside a paragraph splits it; the text after the break starts the page
// [ ] drawing objects (\do) and embedded objects (dropped with a warning)
// [-] page colour: the fill colour of the background shape (\background)
#include "RtfReader.h"

#include "CodePage.h"
#include "RtfTokenizer.h"
#include "platform/richedit/formats/UnderlineNames.h"
#include "platform/richedit/Error.h"
#include "platform/richedit/model/PaperKind.h"
#include "platform/richedit/model/StoryBuilder.h"
#include "platform/richedit/model/TextFormats.h"

#include <QImage>
#include <QSet>
#include <QTextImageFormat>

#include <cctype>
#include <cstring>
#include <memory>

namespace richedit {
namespace {

constexpr int maxGroupDepth = 1000;
constexpr int maxTableColumns = 1000;
// Cells cost memory in the story; a merged cell can stand for many, so count them all.
constexpr qsizetype maxTableCells = 1'000'000;

enum class Dest {
    Body, Skip, FontTable, FontEntry, ColorTable, StyleSheet, StyleEntry, StyleIdText, ListTable, List,
    ListLevel, LevelText, ListOverrideTable, ListOverride, FieldInstruction, Picture, BookmarkStart,
    BookmarkEnd, DefaultChar, DefaultParagraph, AnnotationId, AnnotationAuthor, Shape, PictureProperties, PropertyName,
    PropertyValue, Password, Background, ShapePropertyName, ShapePropertyValue
};

/// A control word compared with literals by length first, so that most of the many comparisons
/// a word meets end at once (comparing with a C string measures the string every time).
class Word {
public:
    explicit Word(const QByteArray &bytes) : m_bytes(bytes) {}
    template <std::size_t N>
    bool operator==(const char (&literal)[N]) const
    {
        return m_bytes.size() == qsizetype(N - 1) && std::memcmp(m_bytes.constData(), literal, N - 1) == 0;
    }
    bool equals(const char *text) const { return m_bytes == text; }
    const QByteArray &bytes() const { return m_bytes; }

private:
    const QByteArray &m_bytes;
};

struct ParagraphState {
    QTextBlockFormat format;
    bool inTable = false;
    int listId = -1;
    int listLevel = 0;
    int lineSpacing = 0; // \sl
    int lineMultiple = 0; // \slmult
    QTextOption::TabType tabType = QTextOption::LeftTab;
    QChar tabLeader = LeaderNone;
};

struct BorderTarget {
    QTextFormat *format = nullptr;
    int property = 0;
};

struct GroupState {
    Dest dest = Dest::Body;
    QTextCharFormat chr;
    ParagraphState para;
    int uc = 1;
    int fontCodePage = 0;
    int context = 0;      // index of the story being filled
    int fieldIndex = -1;  // the field whose instruction or result this group belongs to
    bool inFieldResult = false;
    bool deleted = false; // a tracked deletion: the text is left out
};

struct CellDefinition {
    int right = 0;
    QTextTableCellFormat format;
    bool mergeWithLeft = false;
    bool mergeWithAbove = false;
};

struct RowContent {
    int height = 0; // \trrh: twips, > 0 at least, < 0 exactly
    bool header = false;
    std::vector<CellDefinition> cells;
    std::vector<std::vector<ParagraphContent>> paragraphs;
};

/// A story being filled: the body, one header or footer, a note, or the text of a text box.
struct StoryContext {
    std::unique_ptr<StoryBuilder> builder; // null for a text box, whose paragraphs are collected
    int parent = -1;  // the story a note or text box belongs to
    int noteId = 0;   // of the note this story fills
    std::vector<ParagraphContent> collected; // a text box's paragraphs
    // Text box paragraphs met inside the current paragraph; they follow it.
    std::vector<ParagraphContent> afterParagraph;
    ParagraphContent paragraph;
    std::vector<CellDefinition> rowDefinition;
    int rowHeight = 0;
    bool rowHeader = false;
    CellDefinition pendingCell;
    std::vector<std::vector<ParagraphContent>> rowCells;
    std::vector<ParagraphContent> cellParagraphs;
    std::vector<RowContent> rows;
    QTextTableFormat tableFormat; // table style and borders of the rows being read
    int committedParagraphs = 0;
};

struct FontEntry {
    QString name;
    int codePage = 0;
};

struct StyleEntry {
    int number = 0;
    Style style;
    int basedOn = -1;
    int next = -1;
    QString explicitId;
};

struct FieldRecord {
    QString instruction;
    int id = 0;
};

struct PictureState {
    QByteArray hex;
    QByteArray binary;
    QByteArray kind;
    int goalWidth = 0, goalHeight = 0, width = 0, height = 0;
    int scaleX = 100, scaleY = 100;
    QString description; // wzDescription among the picture's properties
};

const struct {
    const char *word;
    const char *style;
} borderStyleWords[] = {
    {"brdrs", "single"},   {"brdrdb", "double"}, {"brdrdot", "dotted"}, {"brdrdash", "dashed"},
    {"brdrth", "thick"},   {"brdrtriple", "triple"}, {"brdrwavy", "wave"}, {"brdrnone", "none"},
};

const struct {
    const char *word;
    QChar character;
} symbolWords[] = {
    {"tab", QLatin1Char('\t')}, {"line", QChar::LineSeparator}, {"emdash", QChar(0x2014)},
    {"endash", QChar(0x2013)},  {"bullet", QChar(0x2022)},      {"lquote", QChar(0x2018)},
    {"rquote", QChar(0x2019)},  {"ldblquote", QChar(0x201C)},   {"rdblquote", QChar(0x201D)},
    {"emspace", QChar(0x2003)}, {"enspace", QChar(0x2002)},     {"qmspace", QChar(0x2005)},
};

// Destinations whose text never shows in the document.
const char *const skippedDestinations[] = {
    "info", "author", "title", "subject", "operator", "company", "comment", "doccomm", "keywords",
    "listtext", "pntext", "xe", "tc", "rxe", "fldtype", "datafield", "filetbl", "revtbl", "rsidtbl",
    "nonshppict", "themedata", "colorschememapping", "latentstyles", "datastore", "xmlnstbl",
    "generator", "pgdsctbl", "objdata", "mmathPr", "userprops", "docvar", "listpicture", "falt",
    "panose", "fname", "template", "printim", "buptim", "creatim", "revtim", "hlinkbase", "leveltemplateid",
};

const char *const droppedDestinations[] = {"object", "do"};

// Parts of a comment and of a shape that hold nothing the model keeps.
const char *const noteAndShapeSkipped[] = {"atnref", "atndate", "atrfstart", "atrfend", "atnparent", "atntime",
                                           "atnicn", "shprslt", "sp"};

const struct {
    const char *word;
    HeaderFooterKind kind;
} headerWords[] = {
    {"header", HeaderFooterKind::HeaderOdd},   {"headerr", HeaderFooterKind::HeaderOdd},
    {"headerl", HeaderFooterKind::HeaderEven}, {"headerf", HeaderFooterKind::HeaderFirst},
    {"footer", HeaderFooterKind::FooterOdd},   {"footerr", HeaderFooterKind::FooterOdd},
    {"footerl", HeaderFooterKind::FooterEven}, {"footerf", HeaderFooterKind::FooterFirst},
};

NumberFormat numberFormatFor(int nfc)
{
    switch (nfc) {
    case 0: return NumberFormat::Decimal;
    case 1: return NumberFormat::UpperRoman;
    case 2: return NumberFormat::LowerRoman;
    case 3: return NumberFormat::UpperLetter;
    case 4: return NumberFormat::LowerLetter;
    case 23: return NumberFormat::Bullet;
    case 255: return NumberFormat::None;
    default: return NumberFormat::Decimal;
    }
}

/// Word's style ids drop the spaces of the name and capitalise each word ("heading 1" → "Heading1").
QString styleIdFromName(const QString &name)
{
    QString id;
    bool capital = true;
    for (const QChar c : name) {
        if (!c.isLetterOrNumber()) {
            capital = true;
            continue;
        }
        id += capital ? c.toUpper() : c;
        capital = false;
    }
    return id.isEmpty() ? QStringLiteral("Style") : id;
}

class Parser {
public:
    Parser(const QByteArray &data, Document &document, ReadReport &report)
        : m_data(data), m_tokens(data), m_document(document), m_report(report)
    {
    }

    void run();

private:
    GroupState &state() { return m_stack.back(); }
    StoryContext &context() { return *m_contexts[std::size_t(state().context)]; }

    void groupStart();
    void groupEnd();
    void controlWord(const rtf::Token &token);
    void controlSymbol(char symbol);
    void textByte(char byte);
    void flushBytes();
    void appendText(const QString &text);
    void appendToDestination(const QString &text);

    bool destinationWord(const Word &word, int parameter, bool ignorable);
    bool characterWord(const Word &word, int parameter, bool hasParameter);
    bool paragraphWord(const Word &word, int parameter, bool hasParameter);
    bool sectionWord(const Word &word, int parameter, bool hasParameter);
    bool tableWord(const Word &word, int parameter);
    bool listWord(const Word &word, int parameter);
    bool borderWord(const Word &word, int parameter);

    QColor color(int index) const;
    void unicodeCharacter(int value);
    void endParagraph(bool sectionEnd);
    void commitParagraph(ParagraphContent paragraph);
    ParagraphContent takeParagraph(StoryContext &story);
    void endCell(StoryContext &story);
    void endRow(StoryContext &story);
    void flushTable(StoryContext &story);
    void finishContext(int index, const QTextBlockFormat &lastFormat);
    void finishStyle();
    void finishPicture();
    void finishStyleSheet();
    void finishSection();
    void applyLineSpacing(ParagraphState &para);
    void resetParagraph(ParagraphState &para) const;
    void warnOnce(const QString &warning);
    bool beginNote(NoteKind kind);
    void finishNote(StoryContext &story);
    void commitPieces(StoryContext &story, std::vector<ParagraphContent> &pieces, bool inTable);
    QTextCharFormat plainCharacter() const;
    QTextBlockFormat plainParagraph() const;

    const QByteArray &m_data;
    rtf::Tokenizer m_tokens;
    Document &m_document;
    ReadReport &m_report;
    rtf::CodePageDecoder m_decoder;

    std::vector<GroupState> m_stack;
    std::vector<std::unique_ptr<StoryContext>> m_contexts;
    QByteArray m_pendingBytes;
    int m_pendingCodePage = 0;
    int m_skipCount = 0;
    bool m_nextIsIgnorable = false;
    bool m_groupJustOpened = false; // destinations are the first word of a group

    int m_ansiCodePage = 1252;
    int m_defaultFont = -1;
    std::map<int, FontEntry> m_fonts;
    int m_fontNumber = 0;
    std::vector<QColor> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;
    std::vector<StyleEntry> m_styles;
    std::map<int, QString> m_styleIds;
    StyleEntry m_style;
    QTextCharFormat m_defaultChar;
    QTextBlockFormat m_defaultBlock;

    std::map<int, ListDefinition> m_listDefinitions; // by \listid
    ListDefinition m_list;
    int m_listLevel = 0;
    int m_listIdentifier = 0;
    int m_overrideListId = 0;
    int m_overrideNumber = 0;
    int m_overrideLevel = -1;                 // the \lfolevel being read
    std::map<int, int> m_overrideStarts;      // level → number it starts at instead
    QString m_levelText;

    std::vector<FieldRecord> m_fields;
    int m_nextFieldId = 1;
    PictureState m_picture;
    QString m_destinationText;
    QString m_shapeProperty; // the \sn of the background shape's property being read

    Section m_documentSection;
    Section m_section;
    bool m_pageNumberRestart = false;
    int m_pageNumberStart = 1;
    std::vector<Section> m_sections;
    BorderTarget m_border;
    Protection m_protection;
    bool m_sawProtectionLevel = false;
    bool m_pageBreakPending = false;
    qsizetype m_tableCells = 0;
    int m_noteNumbers[3] = {};
    QString m_annotationInitials; // of the comment that follows
    QString m_annotationAuthor;
    QString m_propertyName; // of the picture property being read
};

void Parser::warnOnce(const QString &warning)
{
    if (!m_report.warnings.contains(warning))
        m_report.warnings << warning;
}

QColor Parser::color(int index) const
{
    return index >= 0 && std::size_t(index) < m_colors.size() ? m_colors[std::size_t(index)] : QColor();
}

// RTF states every run and paragraph in full: what \plain and \pard leave is the default,
// not the paragraph style's value. The model keeps formats over their style, so the
// defaults are written out for everything a style could set.
QTextCharFormat Parser::plainCharacter() const
{
    QTextCharFormat f;
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(false);
    f.setFontStrikeOut(false);
    f.setProperty(prop::DoubleStrikeOut, false);
    setUnderlineType(f, UnderlineType::None);
    f.setFontCapitalization(QFont::MixedCase);
    f.setForeground(QBrush());
    f.setBackground(QBrush());
    f.setProperty(prop::Highlight, QColor());
    f.setVerticalAlignment(QTextCharFormat::AlignNormal);
    f.setProperty(prop::Hidden, false);
    f.setProperty(prop::NoProof, false);
    f.setFontPointSize(12);
    f.merge(m_defaultChar);
    return f;
}

QTextBlockFormat Parser::plainParagraph() const
{
    QTextBlockFormat f;
    f.setAlignment(Qt::AlignLeft);
    f.setLeftMargin(0);
    f.setRightMargin(0);
    f.setTextIndent(0);
    f.setTopMargin(0);
    f.setBottomMargin(0);
    f.setLineHeight(0, QTextBlockFormat::SingleHeight);
    f.setProperty(prop::KeepWithNext, false);
    f.setNonBreakableLines(false);
    f.setProperty(prop::WidowControl, false);
    f.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    f.setProperty(prop::OutlineLevel, bodyTextLevel);
    f.setBackground(QBrush());
    f.setTabPositions({});
    f.merge(m_defaultBlock);
    return f;
}

void Parser::resetParagraph(ParagraphState &para) const
{
    para = ParagraphState{};
    para.format = plainParagraph();
}

void Parser::run()
{
    if (!m_data.startsWith("{\\rtf"))
        throw Error(QStringLiteral("it is not a Rich Text Format file (it does not begin with \"{\\rtf\")."));
    m_contexts.push_back(std::make_unique<StoryContext>());
    m_contexts.back()->builder = std::make_unique<StoryBuilder>(m_document, m_document.mainStory());
    m_section = m_documentSection;
    GroupState root;
    root.dest = Dest::Skip; // nothing before the first brace is text
    m_stack.push_back(root);

    bool sawEnd = false;
    for (;;) {
        const rtf::Token token = m_tokens.next();
        if (token.type == rtf::Token::End)
            break;
        if (m_skipCount > 0 && token.type != rtf::Token::GroupStart && token.type != rtf::Token::GroupEnd) {
            --m_skipCount;
            if (token.type == rtf::Token::ControlWord && token.word == "bin")
                m_tokens.takeBinary(token.parameter);
            continue;
        }
        m_skipCount = 0;
        switch (token.type) {
        case rtf::Token::GroupStart:
            flushBytes();
            groupStart();
            break;
        case rtf::Token::GroupEnd:
            flushBytes();
            groupEnd();
            if (m_stack.size() == 1)
                sawEnd = true;
            break;
        case rtf::Token::ControlWord:
            if (sawEnd)
                break;
            controlWord(token);
            break;
        case rtf::Token::ControlSymbol: controlSymbol(token.symbol); break;
        case rtf::Token::HexByte:
            textByte(token.symbol);
            break;
        case rtf::Token::Text:
            if (token.symbol == '\t') {
                flushBytes();
                appendToDestination(QStringLiteral("\t"));
            } else {
                textByte(token.symbol);
            }
            break;
        case rtf::Token::End: break;
        }
        if (sawEnd)
            break;
    }
    flushBytes();
    if (!sawEnd)
        warnOnce(QStringLiteral("The file ends before its last group is closed; the text read so far is kept."));
    while (m_stack.size() > 1)
        groupEnd();
    finishContext(0, state().para.format);
    finishSection();
    m_document.setSections(m_sections);
    if (m_sawProtectionLevel)
        m_document.setProtection(m_protection);
    m_document.styles().defaultCharFormat = m_defaultChar;
    m_document.styles().defaultBlockFormat = m_defaultBlock;
    QFont font = m_document.defaultFont();
    if (!m_defaultChar.fontFamilies().toStringList().isEmpty())
        font.setFamilies(m_defaultChar.fontFamilies().toStringList());
    if (m_defaultChar.hasProperty(QTextFormat::FontPointSize))
        font.setPointSizeF(m_defaultChar.fontPointSize());
    m_document.setDefaultFont(font);
    if (m_decoder.usedFallback())
        warnOnce(QStringLiteral("Text in a code page this system cannot convert was read as Western European."));
}

void Parser::groupStart()
{
    if (m_stack.size() > maxGroupDepth)
        throw Error(QStringLiteral("its groups are nested more than %1 deep.").arg(maxGroupDepth));
    GroupState copy = state();
    if (copy.dest == Dest::Skip && m_stack.size() == 1)
        copy.dest = Dest::Body;
    // A paragraph border being described may live in a group state, which the stack may move or
    // drop: "{\brdrt}\brdrw10" must not write through a stale pointer, so a border ends with its group.
    m_border = {};
    m_stack.push_back(copy);
    m_nextIsIgnorable = false;
    m_groupJustOpened = true;
    // A group opened right after "{\rtf1" holds the body; the first group is the document itself.
}

void Parser::groupEnd()
{
    if (m_stack.size() <= 1)
        return;
    const GroupState ending = state();
    m_border = {};
    m_stack.pop_back();
    const GroupState &parent = state();
    switch (ending.dest) {
    case Dest::FontEntry:
        if (parent.dest != Dest::FontEntry) {
            FontEntry &font = m_fonts[m_fontNumber];
            font.name = m_destinationText.trimmed();
            if (font.name.endsWith(QLatin1Char(';')))
                font.name.chop(1);
            m_destinationText.clear();
        }
        break;
    case Dest::StyleEntry:
        if (parent.dest != Dest::StyleEntry) {
            m_style.style.charFormat = ending.chr;
            m_style.style.blockFormat = ending.para.format;
            finishStyle();
        }
        break;
    case Dest::FontTable:
        if (parent.dest != Dest::FontTable && parent.dest != Dest::FontEntry) {
            const auto it = m_fonts.find(m_defaultFont);
            if (it != m_fonts.end() && !it->second.name.isEmpty() && !m_defaultChar.hasProperty(QTextFormat::FontFamilies))
                m_defaultChar.setFontFamilies(QStringList{it->second.name});
        }
        break;
    case Dest::StyleIdText:
        if (parent.dest == Dest::StyleEntry)
            m_style.explicitId = m_destinationText.trimmed();
        m_destinationText.clear();
        break;
    case Dest::StyleSheet:
        if (parent.dest != Dest::StyleSheet)
            finishStyleSheet();
        break;
    case Dest::LevelText:
        if (parent.dest == Dest::ListLevel && m_listLevel < 9) {
            QString text = m_levelText;
            if (text.endsWith(QLatin1Char(';')))
                text.chop(1);
            QString converted;
            for (qsizetype i = text.isEmpty() ? 0 : 1; i < text.size(); ++i) {
                const ushort c = text[i].unicode();
                converted += c < 9 ? QStringLiteral("%%1").arg(c + 1) : QString(text[i]);
            }
            m_list.levels[std::size_t(m_listLevel)].text = converted;
        }
        m_levelText.clear();
        break;
    case Dest::ListLevel:
        if (parent.dest == Dest::List)
            ++m_listLevel;
        break;
    case Dest::List:
        if (parent.dest == Dest::ListTable)
            m_listDefinitions[m_listIdentifier] = m_list;
        break;
    case Dest::ListOverride:
        if (parent.dest == Dest::ListOverrideTable) {
            const auto it = m_listDefinitions.find(m_overrideListId);
            if (it != m_listDefinitions.end() && m_overrideNumber > 0) {
                ListDefinition list = it->second;
                for (const auto &[level, start] : m_overrideStarts)
                    list.levels[std::size_t(level)].start = start;
                m_document.lists()[m_overrideNumber] = list;
            }
        }
        break;
    case Dest::Picture:
        if (parent.dest != Dest::Picture)
            finishPicture();
        break;
    case Dest::BookmarkStart:
    case Dest::BookmarkEnd:
        if (parent.dest == Dest::Body || parent.dest == Dest::Skip) {
            RunContent mark;
            mark.kind = ending.dest == Dest::BookmarkStart ? RunContent::BookmarkStart : RunContent::BookmarkEnd;
            mark.text = m_destinationText.trimmed();
            if (!mark.text.isEmpty())
                m_contexts[std::size_t(ending.context)]->paragraph.runs.push_back(mark);
        }
        m_destinationText.clear();
        break;
    case Dest::PropertyName:
        if (parent.dest != ending.dest)
            m_propertyName = m_destinationText.trimmed();
        m_destinationText.clear();
        break;
    case Dest::PropertyValue:
        if (parent.dest != ending.dest && m_propertyName == QLatin1String("wzDescription"))
            m_picture.description = m_destinationText;
        m_destinationText.clear();
        break;
    case Dest::Password:
        if (parent.dest != ending.dest) {
            const QStringList parts = m_destinationText.trimmed().split(QLatin1Char(';'));
            if (parts.size() == 4) {
                m_protection.algorithm = parts[0];
                m_protection.hash = parts[1];
                m_protection.salt = parts[2];
                m_protection.spinCount = std::max(parts[3].toInt(), 0);
                m_sawProtectionLevel = true;
            }
        }
        m_destinationText.clear();
        break;
    case Dest::AnnotationId:
    case Dest::AnnotationAuthor:
        if (parent.dest != ending.dest) {
            // Inside the comment it names, or just before it.
            Note *note = m_document.note(m_contexts[std::size_t(ending.context)]->noteId);
            QString &target = note && note->kind == NoteKind::Comment
                                  ? (ending.dest == Dest::AnnotationId ? note->initials : note->author)
                                  : (ending.dest == Dest::AnnotationId ? m_annotationInitials : m_annotationAuthor);
            target = m_destinationText.trimmed();
        }
        m_destinationText.clear();
        break;
    case Dest::ShapePropertyName:
        m_shapeProperty = m_destinationText.trimmed();
        m_destinationText.clear();
        break;
    case Dest::ShapePropertyValue:
        if (m_shapeProperty == QLatin1String("fillColor")) {
            bool ok = false;
            const qint64 fill = m_destinationText.trimmed().toLongLong(&ok);
            if (ok && fill >= 0 && fill <= 0xffffff) // a colour reference: red in the low byte
                m_document.setPageColor(QColor(int(fill & 0xff), int(fill >> 8 & 0xff), int(fill >> 16 & 0xff)));
        }
        m_destinationText.clear();
        break;
    case Dest::DefaultChar:
        if (parent.dest != Dest::DefaultChar)
            m_defaultChar.merge(ending.chr);
        break;
    case Dest::DefaultParagraph:
        if (parent.dest != Dest::DefaultParagraph)
            m_defaultBlock = ending.para.format;
        break;
    default: break;
    }
    if (ending.context != parent.context)
        finishContext(ending.context, ending.para.format);
}

bool Parser::destinationWord(const Word &word, int parameter, bool ignorable)
{
    GroupState &s = state();
    const auto begin = [&](Dest dest) {
        s.dest = dest;
        return true;
    };
    if (s.dest == Dest::Skip)
        return true;
    if (word == "rtf")
        return true;
    if (word == "fonttbl")
        return begin(Dest::FontTable);
    if (word == "colortbl") {
        m_colors.clear();
        return begin(Dest::ColorTable);
    }
    if (word == "stylesheet")
        return begin(Dest::StyleSheet);
    if (word == "listtable")
        return begin(Dest::ListTable);
    if (word == "listoverridetable")
        return begin(Dest::ListOverrideTable);
    if (word == "defchp") {
        s.chr = QTextCharFormat();
        return begin(Dest::DefaultChar);
    }
    if (word == "defpap") {
        s.para = ParagraphState{};
        return begin(Dest::DefaultParagraph);
    }
    if (word == "tavelstyleid" && s.dest == Dest::StyleEntry) {
        m_destinationText.clear();
        return begin(Dest::StyleIdText);
    }
    if (word == "list" && s.dest == Dest::ListTable) {
        m_list = ListDefinition{};
        m_listLevel = 0;
        m_listIdentifier = 0;
        return begin(Dest::List);
    }
    if (word == "listlevel" && s.dest == Dest::List)
        return begin(Dest::ListLevel);
    if (word == "leveltext" && s.dest == Dest::ListLevel) {
        m_levelText.clear();
        return begin(Dest::LevelText);
    }
    if (word == "listoverride" && s.dest == Dest::ListOverrideTable) {
        m_overrideListId = 0;
        m_overrideNumber = 0;
        m_overrideLevel = -1;
        m_overrideStarts.clear();
        return begin(Dest::ListOverride);
    }
    if (word == "listname" || word == "levelnumbers")
        return begin(Dest::Skip);
    if (s.dest == Dest::Picture && word == "picprop")
        return begin(Dest::PictureProperties);
    if (s.dest == Dest::PictureProperties) {
        if (word == "sn" || word == "sv") {
            m_destinationText.clear();
            return begin(word == "sn" ? Dest::PropertyName : Dest::PropertyValue);
        }
        return word == "sp" || begin(Dest::Skip);
    }
    if (word == "tavelpassword" && s.dest == Dest::Body) {
        m_destinationText.clear();
        return begin(Dest::Password);
    }
    if (s.dest == Dest::Shape) {
        if (word == "shptxt") {
            auto box = std::make_unique<StoryContext>();
            box->parent = s.context;
            m_contexts.push_back(std::move(box));
            s.context = int(m_contexts.size()) - 1;
            s.dest = Dest::Body;
            resetParagraph(s.para);
            s.chr = plainCharacter();
            warnOnce(QStringLiteral("Text boxes were placed in the text after the paragraph that holds them; "
                                    "their position on the page was lost."));
            return true;
        }
        return word == "shpinst" || begin(Dest::Skip);
    }
    // The page colour: {\*\background{\shp ... {\sp{\sn fillColor}{\sv N}}}}. Only the
    // shape's properties are read; its other groups go with the rest of the shape.
    if (word == "background" && s.dest == Dest::Body) {
        m_shapeProperty.clear();
        return begin(Dest::Background);
    }
    if (s.dest == Dest::Background) {
        if (word == "sn" || word == "sv") {
            m_destinationText.clear();
            return begin(word == "sn" ? Dest::ShapePropertyName : Dest::ShapePropertyValue);
        }
        if (word == "shp" || word == "shpinst" || word == "sp")
            return true;
        return begin(Dest::Skip);
    }
    for (const char *name : noteAndShapeSkipped)
        if (word.equals(name))
            return begin(Dest::Skip);
    if (word == "atnid" || word == "atnauthor") {
        m_destinationText.clear();
        return begin(word == "atnid" ? Dest::AnnotationId : Dest::AnnotationAuthor);
    }
    for (const char *name : skippedDestinations)
        if (word.equals(name))
            return begin(Dest::Skip);
    if (s.dest != Dest::Body) {
        if (s.dest == Dest::StyleSheet && (word == "cs" || word == "ts" || word == "ds"))
            return false;
        return ignorable ? begin(Dest::Skip) : false;
    }
    if (word == "field") {
        m_fields.push_back({});
        s.fieldIndex = int(m_fields.size()) - 1;
        s.inFieldResult = false;
        return true;
    }
    if (word == "fldinst")
        return s.fieldIndex >= 0 ? begin(Dest::FieldInstruction) : begin(Dest::Skip);
    if (word == "fldrslt") {
        s.inFieldResult = s.fieldIndex >= 0;
        return true;
    }
    if (word == "shppict")
        return true;
    if (word == "pict") {
        m_picture = PictureState{};
        return begin(Dest::Picture);
    }
    if (word == "bkmkstart" || word == "bkmkend") {
        m_destinationText.clear();
        return begin(word == "bkmkstart" ? Dest::BookmarkStart : Dest::BookmarkEnd);
    }
    for (const auto &row : headerWords)
        if (word.equals(row.word)) {
            auto story = std::make_unique<StoryContext>();
            story->builder = std::make_unique<StoryBuilder>(
                m_document, m_document.ensureHeaderFooter(int(m_sections.size()), row.kind));
            m_contexts.push_back(std::move(story));
            s.context = int(m_contexts.size()) - 1;
            resetParagraph(s.para);
            s.chr = plainCharacter();
            return true;
        }
    if (word == "footnote")
        return beginNote(NoteKind::Footnote) || begin(Dest::Skip);
    if (word == "annotation")
        return beginNote(NoteKind::Comment) || begin(Dest::Skip);
    if (word == "shp")
        return begin(Dest::Shape);
    for (const char *name : droppedDestinations)
        if (word.equals(name)) {
            warnOnce(QStringLiteral("Drawing objects and embedded objects are not supported and were left out."));
            return begin(Dest::Skip);
        }
    Q_UNUSED(parameter)
    if (ignorable)
        return begin(Dest::Skip);
    return false;
}

bool Parser::characterWord(const Word &word, int parameter, bool hasParameter)
{
    QTextCharFormat &f = state().chr;
    const bool on = !hasParameter || parameter != 0;
    if (word == "plain") {
        f = plainCharacter();
        state().fontCodePage = m_defaultFont >= 0 ? m_fonts[m_defaultFont].codePage : 0;
    } else if (word == "b") {
        f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    } else if (word == "i") {
        f.setFontItalic(on);
    } else if (word == "strike") {
        f.setFontStrikeOut(on);
    } else if (word == "striked") {
        f.setProperty(prop::DoubleStrikeOut, on);
    } else if (word == "caps") {
        f.setFontCapitalization(on ? QFont::AllUppercase : QFont::MixedCase);
    } else if (word == "scaps") {
        f.setFontCapitalization(on ? QFont::SmallCaps : QFont::MixedCase);
    } else if (word == "v") {
        f.setProperty(prop::Hidden, on);
    } else if (word == "noproof") {
        f.setProperty(prop::NoProof, on);
    } else if (word == "super") {
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    } else if (word == "sub") {
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    } else if (word == "nosupersub") {
        f.setVerticalAlignment(QTextCharFormat::AlignNormal);
    } else if (word == "f") {
        const auto it = m_fonts.find(parameter);
        if (it != m_fonts.end()) {
            if (!it->second.name.isEmpty())
                f.setFontFamilies(QStringList{it->second.name});
            state().fontCodePage = it->second.codePage;
        }
    } else if (word == "fs") {
        if (parameter > 0)
            f.setFontPointSize(std::min(parameter, 3276) / 2.0);
    } else if (word == "cf") {
        if (const QColor c = color(parameter); c.isValid())
            f.setForeground(c);
        else
            f.clearForeground();
    } else if (word == "cb" || word == "chcbpat") {
        if (const QColor c = color(parameter); c.isValid())
            f.setBackground(c);
        else
            f.clearBackground();
    } else if (word == "highlight") {
        if (const QColor c = color(parameter); c.isValid())
            f.setProperty(prop::Highlight, c);
        else
            f.clearProperty(prop::Highlight);
    } else if (word == "ulc") {
        if (const QColor c = color(parameter); c.isValid())
            f.setUnderlineColor(c);
    } else if (word == "cs") {
        const auto it = m_styleIds.find(parameter);
        if (it != m_styleIds.end() && state().dest == Dest::Body)
            f.setProperty(prop::CharacterStyleId, it->second);
    } else {
        for (const auto &row : underlineNames)
            if (word.equals(row.rtf)) {
                setUnderlineType(f, hasParameter && parameter == 0 ? UnderlineType::None : row.type);
                return true;
            }
        return false;
    }
    return true;
}

void Parser::applyLineSpacing(ParagraphState &para)
{
    QTextBlockFormat &f = para.format;
    if (para.lineSpacing == 0) {
        f.clearProperty(QTextFormat::LineHeight);
        f.clearProperty(QTextFormat::LineHeightType);
    } else if (para.lineMultiple) {
        f.setLineHeight(std::abs(para.lineSpacing) * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    } else if (para.lineSpacing < 0) {
        f.setLineHeight(twipsToLayout(-para.lineSpacing), QTextBlockFormat::FixedHeight);
    } else {
        f.setLineHeight(twipsToLayout(para.lineSpacing), QTextBlockFormat::MinimumHeight);
    }
}

bool Parser::paragraphWord(const Word &word, int parameter, bool hasParameter)
{
    ParagraphState &para = state().para;
    QTextBlockFormat &f = para.format;
    const bool on = !hasParameter || parameter != 0;
    if (word == "pard") {
        resetParagraph(para);
    } else if (word == "ql") {
        f.setAlignment(Qt::AlignLeft);
    } else if (word == "qc") {
        f.setAlignment(Qt::AlignHCenter);
    } else if (word == "qr") {
        f.setAlignment(Qt::AlignRight);
    } else if (word == "qj") {
        f.setAlignment(Qt::AlignJustify);
    } else if (word == "li" || word == "lin") {
        f.setLeftMargin(twipsToLayout(parameter));
    } else if (word == "ri" || word == "rin") {
        f.setRightMargin(twipsToLayout(parameter));
    } else if (word == "fi") {
        f.setTextIndent(twipsToLayout(parameter));
    } else if (word == "sb") {
        f.setTopMargin(twipsToLayout(parameter));
    } else if (word == "sa") {
        f.setBottomMargin(twipsToLayout(parameter));
    } else if (word == "sl") {
        para.lineSpacing = parameter;
        applyLineSpacing(para);
    } else if (word == "slmult") {
        para.lineMultiple = parameter;
        applyLineSpacing(para);
    } else if (word == "keepn") {
        f.setProperty(prop::KeepWithNext, on);
    } else if (word == "keep") {
        f.setNonBreakableLines(on);
    } else if (word == "widctlpar") {
        f.setProperty(prop::WidowControl, true);
    } else if (word == "nowidctlpar") {
        f.setProperty(prop::WidowControl, false);
    } else if (word == "pagebb") {
        f.setPageBreakPolicy(on ? QTextFormat::PageBreak_AlwaysBefore : QTextFormat::PageBreak_Auto);
    } else if (word == "outlinelevel") {
        if (parameter >= 0 && parameter <= bodyTextLevel)
            f.setProperty(prop::OutlineLevel, parameter);
    } else if (word == "cbpat") {
        if (const QColor c = color(parameter); c.isValid())
            f.setBackground(c);
    } else if (word == "intbl") {
        para.inTable = true;
    } else if (word == "s") {
        if (state().dest == Dest::Body) {
            const auto it = m_styleIds.find(parameter);
            const Style *style = it == m_styleIds.end() ? nullptr : m_document.styles().find(it->second);
            if (style && !style->isDefault)
                f.setProperty(prop::ParagraphStyleId, it->second);
            else
                f.clearProperty(prop::ParagraphStyleId);
        }
    } else if (word == "tqr") {
        para.tabType = QTextOption::RightTab;
    } else if (word == "tqc") {
        para.tabType = QTextOption::CenterTab;
    } else if (word == "tqdec") {
        para.tabType = QTextOption::DelimiterTab;
    } else if (word == "tldot") {
        para.tabLeader = LeaderDot;
    } else if (word == "tlhyph") {
        para.tabLeader = LeaderHyphen;
    } else if (word == "tlul" || word == "tlth") {
        para.tabLeader = LeaderUnderscore;
    } else if (word == "tx") {
        QList<QTextOption::Tab> tabs = f.tabPositions();
        tabs << QTextOption::Tab(twipsToLayout(parameter), para.tabType,
                                 para.tabType == QTextOption::DelimiterTab ? QLatin1Char('.') : QChar());
        f.setTabPositions(tabs);
        const QString leaders = f.stringProperty(prop::TabLeaders).leftJustified(tabs.size() - 1, LeaderNone);
        if (para.tabLeader != LeaderNone || !leaders.trimmed().isEmpty())
            f.setProperty(prop::TabLeaders, leaders + para.tabLeader);
        para.tabType = QTextOption::LeftTab;
        para.tabLeader = LeaderNone;
    } else if (word == "brdrt" || word == "brdrb" || word == "brdrl" || word == "brdrr" || word == "brdrbtw") {
        const int property = word == "brdrt"   ? prop::BorderTop
                             : word == "brdrb" ? prop::BorderBottom
                             : word == "brdrl" ? prop::BorderLeft
                             : word == "brdrr" ? prop::BorderRight
                                               : prop::BorderBetween;
        m_border = {&f, property};
        setBorderLine(f, property, BorderLine{});
    } else {
        return false;
    }
    return true;
}

bool Parser::borderWord(const Word &word, int parameter)
{
    if (!m_border.format)
        return false;
    std::optional<BorderLine> line = borderLine(*m_border.format, m_border.property);
    if (!line)
        return false;
    if (word == "brdrw")
        line->width = std::clamp(qRound(parameter / 2.5), 0, 96);
    else if (word == "brsp")
        line->space = std::clamp(parameter / 20, 0, 31);
    else if (word == "brdrcf")
        line->color = color(parameter);
    else {
        bool found = false;
        for (const auto &row : borderStyleWords)
            if (word.equals(row.word)) {
                line->style = QLatin1String(row.style);
                found = true;
            }
        if (!found)
            return false;
    }
    setBorderLine(*m_border.format, m_border.property, *line);
    return true;
}

bool Parser::sectionWord(const Word &word, int parameter, bool hasParameter)
{
    Section &s = m_section;
    const bool documentLevel = word == "paperw" || word == "paperh" || word == "margl" || word == "margr" ||
                               word == "margt" || word == "margb" || word == "landscape";
    if (documentLevel) {
        for (Section *target : {&m_documentSection, &m_section}) {
            if (word == "paperw") target->pageWidth = parameter;
            else if (word == "paperh") target->pageHeight = parameter;
            else if (word == "margl") target->margins.left = parameter;
            else if (word == "margr") target->margins.right = parameter;
            else if (word == "margt") target->margins.top = parameter;
            else if (word == "margb") target->margins.bottom = parameter;
            else if (word == "landscape") target->landscape = true;
        }
        return true;
    }
    if (word == "sectd") {
        s = m_documentSection;
        m_pageNumberRestart = false;
    } else if (word == "pgwsxn") s.pageWidth = parameter;
    else if (word == "pghsxn") s.pageHeight = parameter;
    else if (word == "marglsxn") s.margins.left = parameter;
    else if (word == "margrsxn") s.margins.right = parameter;
    else if (word == "margtsxn") s.margins.top = parameter;
    else if (word == "margbsxn") s.margins.bottom = parameter;
    else if (word == "headery") s.margins.header = parameter;
    else if (word == "footery") s.margins.footer = parameter;
    else if (word == "lndscpsxn") s.landscape = !hasParameter || parameter != 0;
    else if (word == "cols") s.columnCount = std::clamp(parameter, 1, 45);
    else if (word == "colsx") s.columnSpacing = parameter;
    else if (word == "linemod") s.lineNumbering.countBy = std::max(parameter, 0);
    else if (word == "linex") s.lineNumbering.distance = parameter;
    else if (word == "linestarts") s.lineNumbering.start = parameter;
    else if (word == "linerestart") s.lineNumbering.restart = LineNumbering::EachSection;
    else if (word == "lineppage") s.lineNumbering.restart = LineNumbering::EachPage;
    else if (word == "linecont") s.lineNumbering.restart = LineNumbering::Continuous;
    else if (word == "titlepg") s.differentFirstPage = true;
    else if (word == "pgnrestart") m_pageNumberRestart = true;
    else if (word == "pgnstarts") m_pageNumberStart = parameter;
    else if (word == "sbknone") s.start = SectionStart::Continuous;
    else if (word == "sbkcol") s.start = SectionStart::Column;
    else if (word == "sbkpage") s.start = SectionStart::NextPage;
    else if (word == "sbkeven") s.start = SectionStart::EvenPage;
    else if (word == "sbkodd") s.start = SectionStart::OddPage;
    else if (word == "facingp") m_document.setEvenAndOddHeaders(true);
    else return false;
    return true;
}

void Parser::finishSection()
{
    Section section = m_section;
    section.pageNumberStart = m_pageNumberRestart ? std::max(m_pageNumberStart, 1) : 0;
    section.pageWidth = std::clamp(section.pageWidth, 144, 31680 * 2);
    section.pageHeight = std::clamp(section.pageHeight, 144, 31680 * 2);
    if (section.landscape != (section.pageWidth > section.pageHeight) && section.pageWidth != section.pageHeight)
        section.landscape = section.pageWidth > section.pageHeight;
    const QSize portrait(std::min(section.pageWidth, section.pageHeight), std::max(section.pageWidth, section.pageHeight));
    section.paperKind = paperKindForSize(portrait);
    m_sections.push_back(section);
}

bool Parser::tableWord(const Word &word, int parameter)
{
    StoryContext &story = context();
    CellDefinition &cell = story.pendingCell;
    if (word == "trowd") {
        if (story.rows.empty())
            story.tableFormat = QTextTableFormat();
        story.rowDefinition.clear();
        story.rowHeight = 0;
        story.rowHeader = false;
        cell = CellDefinition{};
    } else if (word == "trrh") {
        story.rowHeight = std::clamp(parameter, -31680, 31680);
    } else if (word == "trhdr") {
        story.rowHeader = true;
    } else if (word == "cellx") {
        cell.right = parameter;
        story.rowDefinition.push_back(cell);
        cell = CellDefinition{};
    } else if (word == "clmgf") {
    } else if (word == "clmrg") {
        cell.mergeWithLeft = true;
    } else if (word == "clvmgf") {
    } else if (word == "clvmrg") {
        cell.mergeWithAbove = true;
    } else if (word == "clcbpat") {
        if (const QColor c = color(parameter); c.isValid())
            cell.format.setBackground(c);
    } else if (word == "clvertalt") {
        cell.format.setVerticalAlignment(QTextCharFormat::AlignTop);
    } else if (word == "clvertalc") {
        cell.format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    } else if (word == "clvertalb") {
        cell.format.setVerticalAlignment(QTextCharFormat::AlignBottom);
    } else if (word == "clbrdrt" || word == "clbrdrb" || word == "clbrdrl" || word == "clbrdrr") {
        const int property = word == "clbrdrt"   ? prop::TableBorderTop
                             : word == "clbrdrb" ? prop::TableBorderBottom
                             : word == "clbrdrl" ? prop::TableBorderLeft
                                                 : prop::TableBorderRight;
        m_border = {&cell.format, property};
        setBorderLine(cell.format, property, BorderLine{});
    } else if (word == "trbrdrt" || word == "trbrdrl" || word == "trbrdrb" || word == "trbrdrr" || word == "trbrdrh" ||
               word == "trbrdrv") {
        const int property = word == "trbrdrt"   ? prop::TableBorderTop
                             : word == "trbrdrl" ? prop::TableBorderLeft
                             : word == "trbrdrb" ? prop::TableBorderBottom
                             : word == "trbrdrr" ? prop::TableBorderRight
                             : word == "trbrdrh" ? prop::TableBorderInsideH
                                                 : prop::TableBorderInsideV;
        m_border = {&story.tableFormat, property};
        setBorderLine(story.tableFormat, property, BorderLine{});
    } else if (word == "ts") {
        const auto it = m_styleIds.find(parameter);
        if (it != m_styleIds.end())
            story.tableFormat.setProperty(prop::TableStyleId, it->second);
    } else if (word == "cell" || word == "nestcell") {
        endCell(story);
    } else if (word == "row" || word == "nestrow") {
        endRow(story);
    } else if (word == "itap") {
        if (parameter > 1)
            warnOnce(QStringLiteral("Tables inside tables are not supported; their text was kept in the outer cell."));
    } else {
        return false;
    }
    return true;
}

bool Parser::listWord(const Word &word, int parameter)
{
    const Dest dest = state().dest;
    if (dest == Dest::Body && word == "ls") {
        state().para.listId = parameter;
        return true;
    }
    if (dest == Dest::Body && word == "ilvl") {
        state().para.listLevel = std::clamp(parameter, 0, 8);
        return true;
    }
    if (dest == Dest::List && word == "listid") {
        m_listIdentifier = parameter;
        return true;
    }
    if (dest == Dest::ListOverride && word == "listid") {
        m_overrideListId = parameter;
        return true;
    }
    if (dest == Dest::ListOverride && word == "ls") {
        m_overrideNumber = parameter;
        return true;
    }
    if (dest == Dest::ListOverride && word == "lfolevel") {
        ++m_overrideLevel;
        return true;
    }
    if (dest == Dest::ListOverride && word == "levelstartat" && m_overrideLevel >= 0 && m_overrideLevel < 9) {
        m_overrideStarts[m_overrideLevel] = parameter;
        return true;
    }
    if (dest == Dest::ListLevel && m_listLevel < 9) {
        ListLevel &level = m_list.levels[std::size_t(m_listLevel)];
        if (word == "levelnfc" || word == "levelnfcn")
            level.format = numberFormatFor(parameter);
        else if (word == "levelstartat")
            level.start = parameter;
        else if (word == "li" || word == "lin")
            level.indent = parameter;
        else if (word == "fi")
            level.hanging = -parameter;
        else if (word == "f") {
            const auto it = m_fonts.find(parameter);
            if (it != m_fonts.end())
                level.fontFamily = it->second.name;
        } else
            return false;
        return true;
    }
    return false;
}

void Parser::controlWord(const rtf::Token &token)
{
    flushBytes();
    const Word word(token.word);
    const int p = token.parameter;
    const bool ignorable = m_nextIsIgnorable;
    m_nextIsIgnorable = false;
    const bool firstInGroup = m_groupJustOpened;
    m_groupJustOpened = false;
    GroupState &s = state();

    if (word == "bin") {
        const QByteArray bytes = m_tokens.takeBinary(p);
        if (s.dest == Dest::Picture)
            m_picture.binary += bytes;
        return;
    }
    if (word == "u") {
        unicodeCharacter(p);
        return;
    }
    if (word == "uc") {
        s.uc = std::clamp(p, 0, 10);
        return;
    }
    // Only the first word of a group can name a destination; skipping the look-up for
    // every other word keeps long documents fast.
    if ((firstInGroup || s.dest == Dest::Skip) && destinationWord(word, p, ignorable))
        return;
    if (s.dest == Dest::Skip || s.dest == Dest::Background || s.dest == Dest::ShapePropertyName ||
        s.dest == Dest::ShapePropertyValue)
        return;
    if (word == "ansicpg") {
        m_ansiCodePage = p;
        return;
    }
    if (word == "deff") {
        m_defaultFont = p;
        return;
    }
    if (s.dest == Dest::FontTable || s.dest == Dest::FontEntry) {
        if (word == "f") {
            s.dest = Dest::FontEntry;
            m_fontNumber = p;
            m_fonts[p].codePage = 0;
            m_destinationText.clear();
        } else if (word == "fcharset") {
            if (const int page = rtf::codePageForCharset(p))
                m_fonts[m_fontNumber].codePage = page;
        } else if (word == "cpg") {
            m_fonts[m_fontNumber].codePage = p;
        }
        return;
    }
    if (s.dest == Dest::ColorTable) {
        if (word == "red") m_red = std::clamp(p, 0, 255);
        else if (word == "green") m_green = std::clamp(p, 0, 255);
        else if (word == "blue") m_blue = std::clamp(p, 0, 255);
        return;
    }
    if (s.dest == Dest::StyleSheet || s.dest == Dest::StyleEntry) {
        if (s.dest == Dest::StyleSheet) {
            s.dest = Dest::StyleEntry;
            m_style = StyleEntry{};
            m_destinationText.clear();
            s.chr = QTextCharFormat();
            s.para = ParagraphState{};
        }
        if (word == "s") { m_style.number = p; m_style.style.type = StyleType::Paragraph; return; }
        if (word == "cs") { m_style.number = p; m_style.style.type = StyleType::Character; return; }
        if (word == "ts") { m_style.number = p; m_style.style.type = StyleType::Table; return; }
        if (word == "sbasedon") { m_style.basedOn = p; return; }
        if (word == "snext") { m_style.next = p; return; }
        if (word == "plain") { s.chr = QTextCharFormat(); return; }
        if (word == "pard") { s.para = ParagraphState{}; return; }
    }
    if (s.dest == Dest::ListLevel || s.dest == Dest::List || s.dest == Dest::ListOverride) {
        listWord(word, p);
        return;
    }
    if (s.dest == Dest::Picture) {
        if (word == "pngblip" || word == "jpegblip" || word == "emfblip" || word == "wmetafile" ||
            word == "dibitmap" || word == "wbitmap" || word == "macpict")
            m_picture.kind = word.bytes();
        else if (word == "picwgoal") m_picture.goalWidth = p;
        else if (word == "pichgoal") m_picture.goalHeight = p;
        else if (word == "picscalex") m_picture.scaleX = p;
        else if (word == "picscaley") m_picture.scaleY = p;
        return;
    }
    if (s.dest == Dest::Body && (word == "deleted" || word == "plain")) {
        s.deleted = word == "deleted" && (!token.hasParameter || p != 0);
        if (s.deleted)
            warnOnce(QStringLiteral("Tracked changes were accepted: inserted text was kept and deleted text left out."));
    }
    if (s.dest == Dest::Body || s.dest == Dest::DefaultChar || s.dest == Dest::DefaultParagraph ||
        s.dest == Dest::StyleEntry) {
        if (characterWord(word, p, token.hasParameter) || paragraphWord(word, p, token.hasParameter) ||
            borderWord(word, p))
            return;
    }
    if (s.dest == Dest::StyleEntry && word == "additive")
        return;
    if (s.dest != Dest::Body)
        return;
    if (listWord(word, p) || sectionWord(word, p, token.hasParameter) || tableWord(word, p))
        return;
    if (word == "par") {
        endParagraph(false);
    } else if (word == "sect") {
        endParagraph(true);
    } else if (word == "page") {
        context().paragraph.runs.push_back({RunContent::PageBreak, QString(), {}});
    } else if (word == "ftnalt") {
        if (Note *note = m_document.note(context().noteId); note && note->kind == NoteKind::Footnote)
            note->kind = NoteKind::Endnote;
    } else if (word == "protlevel") {
        static const ProtectionKind kinds[] = {ProtectionKind::TrackedChanges, ProtectionKind::Comments,
                                               ProtectionKind::Forms, ProtectionKind::ReadOnly};
        m_protection.kind = p >= 0 && p < 4 ? kinds[p] : ProtectionKind::None;
        m_sawProtectionLevel = true;
    } else if (word == "enforceprot") {
        m_protection.enforced = p != 0;
        m_sawProtectionLevel = true;
    } else {
        for (const auto &row : symbolWords)
            if (word.equals(row.word)) {
                appendText(QString(row.character));
                return;
            }
    }
}

void Parser::controlSymbol(char symbol)
{
    flushBytes();
    if (symbol != '*')
        m_groupJustOpened = false;
    switch (symbol) {
    case '*': m_nextIsIgnorable = true; return;
    case '\\':
    case '{':
    case '}': appendToDestination(QString(QLatin1Char(symbol))); return;
    case '~': appendToDestination(QString(QChar(0x00A0))); return;
    case '-': appendToDestination(QString(QChar(0x00AD))); return;
    case '_': appendToDestination(QString(QChar(0x2011))); return;
    case '\t': appendToDestination(QStringLiteral("\t")); return;
    default: return;
    }
}

void Parser::unicodeCharacter(int value)
{
    flushBytes();
    if (value < -32768 || value > 65535)
        throw Error(QStringLiteral("it holds an invalid Unicode character number \\u%1.").arg(value));
    const char16_t unit = static_cast<char16_t>(value < 0 ? value + 65536 : value);
    appendToDestination(QString(QChar(unit)));
    m_skipCount = state().uc;
}

void Parser::textByte(char byte)
{
    m_groupJustOpened = false;
    const Dest dest = state().dest;
    if (dest == Dest::Skip)
        return;
    if (dest == Dest::Picture) {
        if (std::isxdigit(static_cast<unsigned char>(byte)))
            m_picture.hex += byte;
        return;
    }
    if (dest == Dest::ColorTable) {
        if (byte == ';') {
            m_colors.push_back(m_red < 0 ? QColor() : QColor(m_red, std::max(m_green, 0), std::max(m_blue, 0)));
            m_red = m_green = m_blue = -1;
        }
        return;
    }
    const int page = state().fontCodePage > 0 ? state().fontCodePage : m_ansiCodePage;
    if (page != m_pendingCodePage)
        flushBytes();
    m_pendingCodePage = page;
    m_pendingBytes += byte;
}

void Parser::flushBytes()
{
    if (m_pendingBytes.isEmpty())
        return;
    const QString text = m_decoder.decode(m_pendingBytes, m_pendingCodePage);
    m_pendingBytes.clear();
    appendToDestination(text);
}

void Parser::appendToDestination(const QString &text)
{
    switch (state().dest) {
    case Dest::Body: appendText(text); break;
    case Dest::FontEntry:
    case Dest::StyleEntry:
    case Dest::StyleIdText:
    case Dest::AnnotationId:
    case Dest::AnnotationAuthor:
    case Dest::PropertyName:
    case Dest::PropertyValue:
    case Dest::Password:
    case Dest::BookmarkStart:
    case Dest::BookmarkEnd:
    case Dest::ShapePropertyName:
    case Dest::ShapePropertyValue: m_destinationText += text; break;
    case Dest::LevelText: m_levelText += text; break;
    case Dest::FieldInstruction:
        if (state().fieldIndex >= 0)
            m_fields[std::size_t(state().fieldIndex)].instruction += text;
        break;
    default: break;
    }
}

void Parser::appendText(const QString &text)
{
    if (text.isEmpty())
        return;
    const GroupState &s = state();
    if (s.deleted)
        return;
    QTextCharFormat format = s.chr;
    if (s.inFieldResult && s.fieldIndex >= 0) {
        FieldRecord &field = m_fields[std::size_t(s.fieldIndex)];
        const QString instruction = field.instruction.simplified();
        if (const std::optional<QString> target = hyperlinkTarget(instruction)) {
            format.setAnchor(true);
            format.setAnchorHref(*target);
        } else {
            if (field.id == 0)
                field.id = m_nextFieldId++;
            format.setProperty(prop::FieldId, field.id);
            format.setProperty(prop::FieldInstruction, instruction);
        }
    }
    std::vector<RunContent> &runs = context().paragraph.runs;
    if (!runs.empty() && runs.back().kind == RunContent::Text && !runs.back().format.isImageFormat() &&
        runs.back().format == format)
        runs.back().text += text;
    else
        runs.push_back({RunContent::Text, text, format});
}

ParagraphContent Parser::takeParagraph(StoryContext &story)
{
    const ParagraphState &para = state().para;
    ParagraphContent paragraph = std::move(story.paragraph);
    story.paragraph = ParagraphContent{};
    paragraph.format = para.format;
    paragraph.markFormat = state().chr;
    paragraph.listId = m_document.lists().count(para.listId) ? para.listId : -1;
    paragraph.listLevel = para.listLevel;
    if (m_pageBreakPending) {
        paragraph.format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        m_pageBreakPending = false;
    }
    return paragraph;
}

void Parser::commitParagraph(ParagraphContent paragraph)
{
    StoryContext &story = context();
    if (!story.rows.empty())
        flushTable(story);
    if (story.builder)
        story.builder->addParagraph(paragraph);
    else
        story.collected.push_back(std::move(paragraph));
    ++story.committedParagraphs;
}

void Parser::commitPieces(StoryContext &story, std::vector<ParagraphContent> &pieces, bool inTable)
{
    for (ParagraphContent &box : story.afterParagraph)
        pieces.push_back(std::move(box));
    story.afterParagraph.clear();
    for (ParagraphContent &piece : pieces) {
        if (inTable)
            story.cellParagraphs.push_back(std::move(piece));
        else
            commitParagraph(std::move(piece));
    }
}

void Parser::endParagraph(bool sectionEnd)
{
    StoryContext &story = context();
    const bool inTable = state().para.inTable;
    // A note or a text box has no sections of its own.
    sectionEnd = sectionEnd && story.parent < 0;
    ParagraphContent whole = takeParagraph(story);
    std::vector<ParagraphContent> pieces;
    if (splitAtPageBreaks(whole, pieces))
        m_pageBreakPending = true;
    ParagraphContent paragraph = std::move(pieces.back());
    pieces.pop_back();
    if (!sectionEnd) {
        pieces.push_back(std::move(paragraph));
        commitPieces(story, pieces, inTable);
        return;
    }
    for (ParagraphContent &piece : pieces)
        commitParagraph(std::move(piece));
    const bool empty = paragraph.runs.empty() && story.afterParagraph.empty();
    if (empty && story.rows.empty() && story.cellParagraphs.empty() && story.committedParagraphs > 0 &&
        story.builder->setLastParagraphProperty(prop::SectionEnd, true)) {
        // "\par\sect": the section ends with the paragraph already closed.
    } else {
        // Text boxes of the section's last paragraph go before it, so that it stays the last.
        pieces.clear();
        for (ParagraphContent &box : story.afterParagraph)
            commitParagraph(std::move(box));
        story.afterParagraph.clear();
        paragraph.format.setProperty(prop::SectionEnd, true);
        commitParagraph(std::move(paragraph));
    }
    finishSection();
}

void Parser::endCell(StoryContext &story)
{
    ParagraphContent whole = takeParagraph(story);
    std::vector<ParagraphContent> pieces;
    splitAtPageBreaks(whole, pieces);
    commitPieces(story, pieces, true);
    story.rowCells.push_back(std::move(story.cellParagraphs));
    story.cellParagraphs.clear();
}

void Parser::endRow(StoryContext &story)
{
    if (!story.cellParagraphs.empty() || !story.paragraph.runs.empty())
        endCell(story);
    RowContent row;
    row.height = story.rowHeight;
    row.header = story.rowHeader;
    row.cells = story.rowDefinition;
    row.paragraphs = std::move(story.rowCells);
    story.rowCells.clear();
    int right = row.cells.empty() ? 0 : row.cells.back().right;
    while (row.cells.size() < row.paragraphs.size()) {
        right += 1440;
        row.cells.push_back({right, {}, false, false});
    }
    if (!row.cells.empty())
        story.rows.push_back(std::move(row));
}

void Parser::flushTable(StoryContext &story)
{
    std::vector<RowContent> rows = std::move(story.rows);
    story.rows.clear();
    std::vector<int> bounds;
    for (const RowContent &row : rows) {
        int last = 0;
        for (const CellDefinition &cell : row.cells) {
            last = std::max(last + 1, cell.right);
            bounds.push_back(last);
        }
    }
    std::sort(bounds.begin(), bounds.end());
    bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());
    const int columns = int(bounds.size());
    if (columns == 0)
        return;
    if (columns > maxTableColumns)
        throw Error(QStringLiteral("a table has more than %1 columns.").arg(maxTableColumns));
    m_tableCells += qsizetype(rows.size()) * columns;
    if (m_tableCells > maxTableCells)
        throw Error(QStringLiteral("its tables have more than %1 cells.").arg(maxTableCells));

    TableContent table;
    table.format = story.tableFormat;
    story.tableFormat = QTextTableFormat();
    table.format.setBorder(0);
    table.format.setCellSpacing(0);
    table.format.setCellPadding(twipsToLayout(108) / 2);
    QList<QTextLength> widths;
    for (int c = 0; c < columns; ++c)
        widths << QTextLength(QTextLength::FixedLength,
                              twipsToLayout(bounds[std::size_t(c)] - (c ? bounds[std::size_t(c - 1)] : 0)));
    table.format.setColumnWidthConstraints(widths);
    QVariantList heights;
    int headerRows = 0;
    for (const RowContent &row : rows) {
        heights << row.height;
        if (row.header && headerRows == int(heights.size()) - 1)
            ++headerRows; // only rows at the top repeat on every page
    }
    if (std::any_of(heights.begin(), heights.end(), [](const QVariant &height) { return height.toInt() != 0; }))
        table.format.setProperty(prop::TableRowHeights, heights);
    if (headerRows)
        table.format.setHeaderRowCount(headerRows);
    table.rows.assign(rows.size(), std::vector<CellContent>(std::size_t(columns)));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::vector<CellContent> &grid = table.rows[r];
        for (CellContent &cell : grid)
            cell.covered = true;
        int column = 0;
        int anchor = -1;
        int last = 0;
        for (std::size_t i = 0; i < rows[r].cells.size() && column < columns; ++i) {
            const CellDefinition &definition = rows[r].cells[i];
            last = std::max(last + 1, definition.right);
            const int end = int(std::lower_bound(bounds.begin(), bounds.end(), last) - bounds.begin()) + 1;
            const int span = std::max(1, std::min(end, columns) - column);
            if (definition.mergeWithLeft && anchor >= 0) {
                grid[std::size_t(anchor)].columnSpan += span;
            } else if (definition.mergeWithAbove && r > 0) {
                int above = int(r) - 1;
                while (above > 0 && table.rows[std::size_t(above)][std::size_t(column)].covered)
                    --above;
                CellContent &top = table.rows[std::size_t(above)][std::size_t(column)];
                if (!top.covered)
                    top.rowSpan = int(r) - above + 1;
                anchor = -1;
            } else {
                CellContent &cell = grid[std::size_t(column)];
                cell.covered = false;
                cell.columnSpan = span;
                cell.format = definition.format;
                if (i < rows[r].paragraphs.size())
                    cell.paragraphs = std::move(rows[r].paragraphs[i]);
                anchor = column;
            }
            column += span;
        }
        // Cells the row does not reach stay empty but present.
        for (int c = column; c < columns; ++c)
            grid[std::size_t(c)].covered = false;
    }
    if (!story.builder) {
        // A table in a text box: its text joins the box's paragraphs.
        for (auto &row : table.rows)
            for (CellContent &cell : row)
                for (ParagraphContent &paragraph : cell.paragraphs)
                    story.collected.push_back(std::move(paragraph));
        return;
    }
    story.builder->addTable(table);
}

bool Parser::beginNote(NoteKind kind)
{
    GroupState &s = state();
    if (context().parent >= 0 || s.context != 0) {
        // Notes belong to the main story; one inside a note or a header would have nowhere to go.
        warnOnce(QStringLiteral("Notes and comments outside the main text were left out."));
        return false;
    }
    auto story = std::make_unique<StoryContext>();
    story->parent = s.context;
    story->noteId = m_document.addNote(kind, QString());
    if (kind == NoteKind::Comment) {
        Note *note = m_document.note(story->noteId);
        note->initials = std::exchange(m_annotationInitials, QString());
        note->author = std::exchange(m_annotationAuthor, QString());
    }
    story->builder = std::make_unique<StoryBuilder>(m_document, m_document.note(story->noteId)->story);
    m_contexts.push_back(std::move(story));
    s.context = int(m_contexts.size()) - 1;
    s.fieldIndex = -1;
    s.inFieldResult = false;
    s.deleted = false;
    resetParagraph(s.para);
    s.chr = plainCharacter();
    return true;
}

void Parser::finishNote(StoryContext &story)
{
    Note *note = m_document.note(story.noteId);
    if (!note || story.parent < 0)
        return;
    note->mark = noteMark(note->kind, ++m_noteNumbers[int(note->kind)], note->initials);
    // The group has ended: the state is the one the reference stands in.
    QTextCharFormat format = state().chr;
    format.setProperty(prop::NoteReference, story.noteId);
    if (note->kind != NoteKind::Comment)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    m_contexts[std::size_t(story.parent)]->paragraph.runs.push_back({RunContent::Text, note->mark, format});
}

void Parser::finishContext(int index, const QTextBlockFormat &lastFormat)
{
    StoryContext &story = *m_contexts[std::size_t(index)];
    if (!story.builder && story.parent >= 0) {
        // A text box: its paragraphs follow the paragraph that holds it.
        if (!story.rowCells.empty() || !story.cellParagraphs.empty())
            endRow(story);
        if (!story.rows.empty())
            flushTable(story);
        if (!story.paragraph.runs.empty()) {
            story.paragraph.format = lastFormat;
            story.collected.push_back(std::move(story.paragraph));
        }
        story.paragraph = ParagraphContent{};
        auto &after = m_contexts[std::size_t(story.parent)]->afterParagraph;
        for (ParagraphContent &paragraph : story.collected)
            after.push_back(std::move(paragraph));
        story.collected.clear();
        story.parent = -1;
        return;
    }
    if (!story.builder)
        return;
    if (!story.rowCells.empty() || !story.cellParagraphs.empty())
        endRow(story);
    // A trailing empty paragraph is the mark after the last "\par", not a paragraph of its own.
    if (!story.paragraph.runs.empty() || (story.committedParagraphs == 0 && story.rows.empty())) {
        ParagraphContent paragraph = std::move(story.paragraph);
        paragraph.format = lastFormat;
        if (!story.rows.empty())
            flushTable(story);
        std::vector<ParagraphContent> pieces;
        splitAtPageBreaks(paragraph, pieces);
        for (const ParagraphContent &piece : pieces)
            story.builder->addParagraph(piece);
    }
    if (!story.rows.empty())
        flushTable(story);
    for (const ParagraphContent &box : story.afterParagraph)
        story.builder->addParagraph(box);
    story.afterParagraph.clear();
    story.builder->finish();
    story.builder.reset();
    if (story.noteId)
        finishNote(story);
}

void Parser::finishStyle()
{
    StyleEntry entry = m_style;
    QString name = m_destinationText.trimmed();
    if (name.endsWith(QLatin1Char(';')))
        name.chop(1);
    entry.style.name = name.trimmed();
    m_destinationText.clear();
    m_styles.push_back(entry);
}

void Parser::finishStyleSheet()
{
    // Style formats were collected in the entry groups' own states; take them from there.
    StyleSheet &sheet = m_document.styles();
    QSet<QString> used;
    for (StyleEntry &entry : m_styles) {
        QString id = entry.explicitId.isEmpty() ? styleIdFromName(entry.style.name) : entry.explicitId;
        for (int n = 2; used.contains(id); ++n)
            id = styleIdFromName(entry.style.name) + QString::number(n);
        used.insert(id);
        entry.style.id = id;
        if (entry.style.type == StyleType::Paragraph)
            m_styleIds[entry.number] = id;
        else
            m_styleIds[entry.number] = id;
    }
    for (StyleEntry &entry : m_styles) {
        const auto lookup = [&](int number, StyleType type) -> QString {
            for (const StyleEntry &other : m_styles)
                if (other.number == number && other.style.type == type)
                    return other.style.id;
            return {};
        };
        entry.style.basedOn = entry.basedOn >= 0 && entry.basedOn != entry.number
                                  ? lookup(entry.basedOn, entry.style.type) : QString();
        entry.style.next = entry.next >= 0 && entry.next != entry.number ? lookup(entry.next, entry.style.type)
                                                                         : QString();
        entry.style.isDefault =
            (entry.style.type == StyleType::Paragraph && entry.number == 0) ||
            (entry.style.type == StyleType::Character &&
             entry.style.name.compare(QLatin1String("Default Paragraph Font"), Qt::CaseInsensitive) == 0) ||
            (entry.style.type == StyleType::Table &&
             entry.style.name.compare(QLatin1String("Normal Table"), Qt::CaseInsensitive) == 0);
        sheet.add(entry.style);
    }
    // Paragraph style numbers take precedence when a character style shares one.
    for (const StyleEntry &entry : m_styles)
        if (entry.style.type == StyleType::Paragraph)
            m_styleIds[entry.number] = entry.style.id;
}

void Parser::finishPicture()
{
    QByteArray bytes = m_picture.binary;
    if (bytes.isEmpty() && !m_picture.hex.isEmpty())
        bytes = QByteArray::fromHex(m_picture.hex);
    if (m_picture.kind != "pngblip" && m_picture.kind != "jpegblip") {
        warnOnce(QStringLiteral("Pictures other than PNG and JPEG are not supported and were left out."));
        return;
    }
    QImage image;
    if (!image.loadFromData(bytes)) {
        warnOnce(QStringLiteral("A picture could not be decoded and was left out."));
        return;
    }
    StoryContext &story = context();
    QTextImageFormat format;
    format.setName(story.builder->addImage(bytes));
    const int width = (m_picture.goalWidth > 0 ? m_picture.goalWidth : image.width() * 15) * m_picture.scaleX / 100;
    const int height =
        (m_picture.goalHeight > 0 ? m_picture.goalHeight : image.height() * 15) * m_picture.scaleY / 100;
    format.setWidth(twipsToLayout(width));
    format.setHeight(twipsToLayout(height));
    if (!m_picture.description.isEmpty())
        format.setProperty(prop::ImageDescription, m_picture.description);
    story.paragraph.runs.push_back({RunContent::Text, QString(), format});
}

} // namespace

void readRtf(const QByteArray &data, Document &document, ReadReport &report)
{
    Parser parser(data, document, report);
    parser.run();
}

} // namespace richedit
