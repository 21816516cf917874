// Word 97-2003 binary document reader: compound file → streams → the document model.
//
// Supported:
// [X] container: compound files of version 3 and 4, FAT, DIFAT, MiniFAT, root streams
// [X] text: the piece table (8-bit Windows-1252 and UTF-16 pieces), fast-saved files
// [X] paragraph marks, line breaks, page breaks, tabs, non-breaking and optional hyphens
// [X] fields: the result is kept, the code dropped; HYPERLINK results become hyperlinks
// [X] character formatting: font, size, bold, italic, underline kinds, strike, double strike,
//     caps, small caps, hidden, colour (index and RGB), highlight, sub/superscript
// [X] paragraph formatting: alignment, indents, spacing, line spacing, keep with next,
//     keep together, widow control, page break before, outline level
// [X] style sheet: paragraph and character styles with names, based-on and next style
// [X] sections: page size, paper kind, orientation, margins, header/footer distance, columns,
//     title page, page number restart, break type
// [X] headers and footers (odd, even, first)
// [-] tables: rows, cells, column widths, horizontal and vertical merges; borders and shading
//     are not kept, nested tables are flattened into their outer cell
// [-] lists: list definitions with number formats, level texts, start numbers and indents;
//     level overrides are not applied
// [ ] pictures, drawings, footnotes, comments, revisions (dropped with a warning)
// Word 6.0/95 files and encrypted files end in an error that says so.
#include "DocReader.h"

#include "CompoundFile.h"
#include "Fib.h"
#include "ListTables.h"
#include "PieceTable.h"
#include "PropertyRuns.h"
#include "StyleSheetReader.h"
#include "platform/richedit/Error.h"
#include "platform/richedit/model/PaperKind.h"
#include "platform/richedit/model/StoryBuilder.h"
#include "platform/richedit/model/TextFormats.h"

#include "Bytes.h"

#include <QTextTableCellFormat>

#include <algorithm>
#include <map>
#include <set>

namespace richedit {
namespace {

using namespace doc;

constexpr int maxSections = 10000;
constexpr int maxFieldDepth = 100;
// Each header or footer is a story of its own; a damaged table could ask for thousands.
constexpr int maxHeaderFooterStories = 3000;
constexpr int maxTableColumns = 64; // Word's own limit
constexpr qsizetype maxTableCells = 1'000'000;

// Characters with a meaning of their own in Word's text.
enum : char16_t {
    PictureMark = 0x01, FootnoteMark = 0x02, CommentMark = 0x05, CellMark = 0x07, DrawingMark = 0x08,
    Tab = 0x09, LineBreak = 0x0B, PageBreak = 0x0C, ParagraphMark = 0x0D, ColumnBreak = 0x0E,
    FieldBegin = 0x13, FieldSeparator = 0x14, FieldEnd = 0x15, NonBreakingHyphen = 0x1E,
    OptionalHyphen = 0x1F,
};

struct Field {
    bool inResult = false;
    QString instruction;
    int id = 0;
};

struct TableRow {
    std::vector<std::vector<ParagraphContent>> cells;
    std::vector<TableCellDef> definitions;
};

struct StoryState {
    StoryState(Document &document, QTextDocument *story) : builder(document, story) {}
    StoryBuilder builder;
    std::vector<ParagraphContent> cellParagraphs;
    std::vector<std::vector<ParagraphContent>> rowCells;
    std::vector<TableRow> rows;
    std::vector<Field> fields;
    int committed = 0;
    bool mainStory = false;
};

class DocParser {
public:
    DocParser(const QByteArray &data, Document &document, ReadReport &report)
        : m_data(data), m_document(document), m_report(report)
    {
    }
    void run();

private:
    void loadStyles(const QByteArray &table);
    void loadSections(const QByteArray &table);
    void loadHeadersAndFooters(const QByteArray &table);
    void readStory(quint32 start, quint32 end, StoryState &state);
    void readParagraph(StoryState &state, const QString &text, quint32 textStart, quint32 start, quint32 mark,
                       bool sectionEnd);
    void commit(StoryState &state, ParagraphContent paragraph, bool sectionEnd);
    void flushTable(StoryState &state);
    ParagraphProps paragraphProps(quint32 markCp) const;
    QTextCharFormat characterFormat(quint32 cp, const QTextCharFormat &paragraphBase) const;
    QString styleId(int istd) const;
    QTextCharFormat plainCharacter() const;
    QTextBlockFormat plainParagraph() const;
    void appendText(ParagraphContent &paragraph, const QString &text, QTextCharFormat format,
                    const StoryState &state);
    void warnOnce(const QString &warning);

    const QByteArray &m_data;
    Document &m_document;
    ReadReport &m_report;
    QByteArray m_wordDocument;
    Fib m_fib;
    std::unique_ptr<PieceTable> m_pieces;
    std::unique_ptr<PropertyRuns> m_characterRuns;
    std::unique_ptr<PropertyRuns> m_paragraphRuns;
    QStringList m_fonts;
    WordStyleSheet m_sheet;
    std::map<int, QString> m_styleIds;
    QTextCharFormat m_defaultChar;
    std::vector<Section> m_sections;
    std::set<quint32> m_sectionEnds;
    int m_nextFieldId = 1;
    qsizetype m_tableCells = 0;
};

void DocParser::warnOnce(const QString &warning)
{
    if (!m_report.warnings.contains(warning))
        m_report.warnings << warning;
}

void DocParser::run()
{
    const CompoundFile container(m_data);
    const std::optional<QByteArray> wordDocument = container.rootStream(QStringLiteral("WordDocument"));
    if (!wordDocument)
        throw Error(QStringLiteral("it is not a Word document (it has no \"WordDocument\" stream)."));
    m_wordDocument = *wordDocument;
    m_fib = Fib::parse(m_wordDocument);
    const QString tableName = m_fib.tableStream1 ? QStringLiteral("1Table") : QStringLiteral("0Table");
    const std::optional<QByteArray> table = container.rootStream(tableName);
    if (!table)
        throw Error(QStringLiteral("its \"%1\" stream is missing.").arg(tableName));
    const QByteArray clx = slice(*table, m_fib.clx.fc, m_fib.clx.lcb);
    if (clx.isEmpty())
        throw Error(QStringLiteral("its piece table is missing or lies beyond the end of the file."));
    m_pieces = std::make_unique<PieceTable>(clx, m_wordDocument);
    m_characterRuns = std::make_unique<PropertyRuns>(
        PropertyRuns::Character, slice(*table, m_fib.plcfBteChpx.fc, m_fib.plcfBteChpx.lcb), m_wordDocument);
    m_paragraphRuns = std::make_unique<PropertyRuns>(
        PropertyRuns::Paragraph, slice(*table, m_fib.plcfBtePapx.fc, m_fib.plcfBtePapx.lcb), m_wordDocument);
    m_fonts = parseFontTable(slice(*table, m_fib.sttbfFfn.fc, m_fib.sttbfFfn.lcb));
    loadStyles(*table);
    loadSections(*table);
    for (auto &[ilfo, list] : parseLists(*table, m_fib.plfLst.fc, m_fib.plfLst.lcb, m_fib.plfLfo.fc, m_fib.plfLfo.lcb))
        m_document.lists()[ilfo] = list;

    quint32 textEnd = quint32(m_fib.ccpText);
    if (textEnd > m_pieces->end()) {
        warnOnce(QStringLiteral("The file holds less text than its header says; the text found is kept."));
        textEnd = m_pieces->end();
    }
    {
        StoryState main(m_document, m_document.mainStory());
        main.mainStory = true;
        readStory(0, textEnd, main);
        main.builder.finish();
    }
    loadHeadersAndFooters(*table);
    m_document.setSections(m_sections);
}

QTextCharFormat DocParser::plainCharacter() const
{
    QTextCharFormat f;
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(false);
    f.setFontStrikeOut(false);
    f.setProperty(prop::DoubleStrikeOut, false);
    setUnderlineType(f, UnderlineType::None);
    f.setFontCapitalization(QFont::MixedCase);
    f.setForeground(QBrush());
    f.setProperty(prop::Highlight, QColor());
    f.setVerticalAlignment(QTextCharFormat::AlignNormal);
    f.setProperty(prop::Hidden, false);
    f.merge(m_defaultChar);
    return f;
}

QTextBlockFormat DocParser::plainParagraph() const
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
    return f;
}

QString DocParser::styleId(int istd) const
{
    const auto it = m_styleIds.find(istd);
    return it == m_styleIds.end() ? QString() : it->second;
}

void DocParser::loadStyles(const QByteArray &table)
{
    m_sheet = parseStyleSheet(slice(table, m_fib.stshf.fc, m_fib.stshf.lcb));
    // Word's defaults: the style sheet's standard font at 10 points.
    m_defaultChar.setFontPointSize(10);
    if (m_sheet.defaultFont < m_fonts.size() && !m_fonts[m_sheet.defaultFont].isEmpty())
        m_defaultChar.setFontFamilies(QStringList{m_fonts[m_sheet.defaultFont]});

    QSet<QString> used;
    for (std::size_t istd = 0; istd < m_sheet.styles.size(); ++istd) {
        const auto &style = m_sheet.styles[istd];
        if (!style || style->name.isEmpty() || style->kind < 1 || style->kind > 3)
            continue;
        QString id;
        for (const QChar c : style->name)
            if (c.isLetterOrNumber())
                id += c;
        if (id.isEmpty())
            id = QStringLiteral("Style%1").arg(istd);
        const QString stem = id;
        for (int n = 2; used.contains(id); ++n)
            id = stem + QString::number(n);
        used.insert(id);
        m_styleIds[int(istd)] = id;
    }
    StyleSheet &sheet = m_document.styles();
    sheet.defaultCharFormat = plainCharacter();
    sheet.defaultBlockFormat = plainParagraph();
    for (const auto &[istd, id] : m_styleIds) {
        const WordStyle &word = *m_sheet.styles[std::size_t(istd)];
        Style style;
        style.id = id;
        style.name = word.name;
        style.type = word.kind == 2 ? StyleType::Character : word.kind == 3 ? StyleType::Table : StyleType::Paragraph;
        style.basedOn = styleId(word.basedOn);
        style.next = word.next == istd ? QString() : styleId(word.next);
        style.isDefault = (istd == 0 && style.type == StyleType::Paragraph) ||
                          (istd == 10 && style.type == StyleType::Character);
        for (const Sprm &sprm : word.characterSprms)
            applyCharacterSprm(style.charFormat, sprm, QTextCharFormat(), m_fonts);
        ParagraphProps props;
        for (const Sprm &sprm : word.paragraphSprms)
            applyParagraphSprm(props, sprm);
        style.blockFormat = props.format;
        sheet.add(style);
    }
    QFont font = m_document.defaultFont();
    const QTextCharFormat normal = sheet.resolvedCharFormat(styleId(0));
    if (!normal.fontFamilies().toStringList().isEmpty())
        font.setFamilies(normal.fontFamilies().toStringList());
    font.setPointSizeF(normal.hasProperty(QTextFormat::FontPointSize) ? normal.fontPointSize() : 10);
    m_document.setDefaultFont(font);
}

void DocParser::loadSections(const QByteArray &table)
{
    const QByteArray plc = slice(table, m_fib.plcfSed.fc, m_fib.plcfSed.lcb);
    const qint64 count = plc.size() >= 4 ? std::min<qint64>((plc.size() - 4) / 16, maxSections) : 0;
    for (qint64 i = 0; i < count; ++i) {
        Section section = defaultWordSection();
        bool restart = false;
        int pageStart = 1;
        const qint64 fcSepx = i32(plc, 4 * (count + 1) + 12 * i + 2);
        if (fcSepx >= 0) {
            const qint64 size = i16(m_wordDocument, fcSepx);
            for (const Sprm &sprm : parseSprms(slice(m_wordDocument, fcSepx + 2, size))) {
                applySectionSprm(section, sprm);
                if (sprm.code == 0x3011)
                    restart = u8(sprm.operand, 0) != 0;
                else if (sprm.code == 0x501C)
                    pageStart = u16(sprm.operand, 0);
            }
        }
        section.pageNumberStart = restart ? std::max(1, pageStart) : 0;
        const QSize portrait = section.pageWidth > section.pageHeight ? QSize(section.pageHeight, section.pageWidth)
                                                                       : QSize(section.pageWidth, section.pageHeight);
        section.paperKind = paperKindForSize(portrait);
        section.landscape = section.pageWidth > section.pageHeight;
        m_sections.push_back(section);
        if (i + 1 < count)
            m_sectionEnds.insert(u32(plc, 4 * (i + 1)));
    }
    if (m_sections.empty())
        m_sections.push_back(defaultWordSection());
}

void DocParser::loadHeadersAndFooters(const QByteArray &table)
{
    if (m_fib.ccpHdd <= 0)
        return;
    const QByteArray plc = slice(table, m_fib.plcfHdd.fc, m_fib.plcfHdd.lcb);
    const qint64 count = plc.size() / 4;
    const quint32 base = quint32(m_fib.ccpText) + quint32(m_fib.ccpFtn);
    // The first six stories are the footnote and endnote separators; then six per section.
    static constexpr HeaderFooterKind kinds[6] = {HeaderFooterKind::HeaderEven, HeaderFooterKind::HeaderOdd,
                                                  HeaderFooterKind::FooterEven, HeaderFooterKind::FooterOdd,
                                                  HeaderFooterKind::HeaderFirst, HeaderFooterKind::FooterFirst};
    int stories = 0;
    for (std::size_t section = 0; section < m_sections.size(); ++section)
        for (int k = 0; k < 6; ++k) {
            const qint64 index = 6 + 6 * qint64(section) + k;
            if (index + 1 >= count)
                return;
            const quint32 start = u32(plc, 4 * index);
            const quint32 end = std::min(u32(plc, 4 * (index + 1)), quint32(m_fib.ccpHdd));
            if (end <= start)
                continue;
            if (++stories > maxHeaderFooterStories) {
                warnOnce(QStringLiteral("Only the first %1 headers and footers were read.").arg(maxHeaderFooterStories));
                return;
            }
            if (kinds[k] == HeaderFooterKind::HeaderEven || kinds[k] == HeaderFooterKind::FooterEven)
                m_document.setEvenAndOddHeaders(true);
            StoryState state(m_document, m_document.ensureHeaderFooter(int(section), kinds[k]));
            readStory(base + start, base + end, state);
            state.builder.finish();
        }
}

ParagraphProps DocParser::paragraphProps(quint32 markCp) const
{
    ParagraphProps props;
    const PropertyRun *run = m_paragraphRuns->at(m_pieces->fcOf(markCp));
    props.istd = run ? run->istd : 0;
    if (!m_styleIds.count(props.istd))
        props.istd = 0;
    props.format = plainParagraph();
    props.format.merge(m_document.styles().resolvedBlockFormat(styleId(props.istd)));
    if (m_styleIds.count(props.istd))
        props.format.setProperty(prop::ParagraphStyleId, styleId(props.istd));
    // A style may put its paragraphs in a list: its chain's modifiers come first, root first.
    std::vector<int> chain;
    for (int istd = props.istd; istd >= 0 && istd < int(m_sheet.styles.size()) && chain.size() < 32;) {
        const auto &style = m_sheet.styles[std::size_t(istd)];
        if (!style)
            break;
        chain.insert(chain.begin(), istd);
        istd = style->basedOn;
    }
    const int istd = props.istd;
    for (int link : chain)
        for (const Sprm &sprm : m_sheet.styles[std::size_t(link)]->paragraphSprms)
            applyParagraphSprm(props, sprm);
    props.istd = istd;
    if (run)
        for (const Sprm &sprm : run->sprms)
            applyParagraphSprm(props, sprm);
    if (const Piece *piece = m_pieces->pieceAt(markCp))
        for (const Sprm &sprm : parseSprms(m_pieces->pieceSprms(*piece)))
            applyParagraphSprm(props, sprm);
    return props;
}

QTextCharFormat DocParser::characterFormat(quint32 cp, const QTextCharFormat &paragraphBase) const
{
    QTextCharFormat format = paragraphBase;
    const PropertyRun *run = m_characterRuns->at(m_pieces->fcOf(cp));
    if (!run)
        return format;
    const int istd = characterStyleOf(run->sprms);
    if (istd > 0 && m_styleIds.count(istd)) {
        const Style *style = m_document.styles().find(styleId(istd));
        if (style && style->type == StyleType::Character && !style->isDefault) {
            format.merge(m_document.styles().chainCharFormat(style->id));
            format.setProperty(prop::CharacterStyleId, style->id);
        }
    }
    const QTextCharFormat base = format;
    for (const Sprm &sprm : run->sprms)
        applyCharacterSprm(format, sprm, base, m_fonts);
    if (const Piece *piece = m_pieces->pieceAt(cp))
        for (const Sprm &sprm : parseSprms(m_pieces->pieceSprms(*piece)))
            applyCharacterSprm(format, sprm, base, m_fonts);
    return format;
}

void DocParser::readStory(quint32 start, quint32 end, StoryState &state)
{
    const QString text = m_pieces->text(start, end);
    quint32 paragraphStart = start;
    for (quint32 cp = start; cp < start + quint32(text.size()); ++cp) {
        const char16_t c = text[qsizetype(cp - start)].unicode();
        const bool sectionEnd = state.mainStory && m_sectionEnds.count(cp + 1) > 0;
        if (c == ParagraphMark || c == CellMark || (c == PageBreak && sectionEnd)) {
            readParagraph(state, text, start, paragraphStart, cp, sectionEnd);
            paragraphStart = cp + 1;
        }
    }
    const quint32 textEnd = start + quint32(text.size());
    if (paragraphStart < textEnd)
        readParagraph(state, text, start, paragraphStart, textEnd, false);
    if (!state.rows.empty() || !state.rowCells.empty() || !state.cellParagraphs.empty())
        flushTable(state);
}

void DocParser::appendText(ParagraphContent &paragraph, const QString &text, QTextCharFormat format,
                           const StoryState &state)
{
    // The innermost field whose result this is.
    for (auto it = state.fields.rbegin(); it != state.fields.rend(); ++it) {
        if (!it->inResult)
            continue;
        const QString instruction = it->instruction.simplified();
        if (const std::optional<QString> target = hyperlinkTarget(instruction)) {
            format.setAnchor(true);
            format.setAnchorHref(*target);
        } else if (!instruction.isEmpty()) {
            format.setProperty(prop::FieldId, it->id);
            format.setProperty(prop::FieldInstruction, instruction);
        }
        break;
    }
    std::vector<RunContent> &runs = paragraph.runs;
    if (!runs.empty() && runs.back().format == format)
        runs.back().text += text;
    else
        runs.push_back({RunContent::Text, text, format});
}

void DocParser::readParagraph(StoryState &state, const QString &text, quint32 textStart, quint32 start,
                              quint32 mark, bool sectionEnd)
{
    const quint32 textEnd = textStart + quint32(text.size());
    const ParagraphProps props = paragraphProps(std::min(mark, textEnd - 1));
    const bool inTable = props.inTable || props.depth > 0;
    if (props.depth > 1)
        warnOnce(QStringLiteral("Tables inside tables were flattened into their outer cell."));
    if (props.listId > 0 && !m_document.lists().count(props.listId))
        warnOnce(QStringLiteral("A list whose definition is missing is shown without numbers or bullets."));
    QTextCharFormat paragraphBase = plainCharacter();
    paragraphBase.merge(m_document.styles().resolvedCharFormat(styleId(props.istd)));

    ParagraphContent paragraph;
    paragraph.format = props.format;
    if (props.listId > 0 && m_document.lists().count(props.listId)) {
        paragraph.listId = props.listId;
        paragraph.listLevel = props.listLevel;
    }
    QTextCharFormat format;
    const PropertyRun *formatRun = nullptr;
    bool haveFormat = false;
    QString pending;
    const auto flush = [&]() {
        if (!pending.isEmpty())
            appendText(paragraph, pending, format, state);
        pending.clear();
    };
    for (quint32 cp = start; cp < mark; ++cp) {
        const char16_t c = text[qsizetype(cp - textStart)].unicode();
        if (c == FieldBegin) {
            flush();
            if (state.fields.size() < maxFieldDepth)
                state.fields.push_back({false, QString(), m_nextFieldId++});
            continue;
        }
        if (c == FieldSeparator || c == FieldEnd) {
            flush();
            if (!state.fields.empty()) {
                if (c == FieldEnd)
                    state.fields.pop_back();
                else
                    state.fields.back().inResult = true;
            }
            continue;
        }
        bool inCode = false;
        for (const Field &field : state.fields)
            inCode = inCode || !field.inResult;
        if (inCode) {
            if (!state.fields.back().inResult)
                state.fields.back().instruction += QChar(c);
            continue;
        }
        const PropertyRun *run = m_characterRuns->at(m_pieces->fcOf(cp));
        if (!haveFormat || run != formatRun) {
            flush();
            format = characterFormat(cp, paragraphBase);
            formatRun = run;
            haveFormat = true;
        }
        switch (c) {
        case Tab: pending += QLatin1Char('\t'); break;
        case LineBreak:
        case ColumnBreak: pending += QChar::LineSeparator; break;
        case NonBreakingHyphen: pending += QChar(0x2011); break;
        case OptionalHyphen: pending += QChar(0x00AD); break;
        case PageBreak:
            flush();
            if (inTable)
                break;
            // The text after the break starts a new page: it becomes a paragraph of its own.
            if (!paragraph.runs.empty()) {
                paragraph.markFormat = format;
                commit(state, paragraph, false);
                paragraph.runs.clear();
            }
            paragraph.format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            break;
        case PictureMark:
        case DrawingMark: warnOnce(QStringLiteral("Pictures and drawings are not read yet; they were left out.")); break;
        case FootnoteMark:
            warnOnce(QStringLiteral("Footnotes and endnotes are not read yet; their reference marks were left out."));
            break;
        case CommentMark: warnOnce(QStringLiteral("Comments are not read yet; they were left out.")); break;
        default:
            if (c >= 0x20)
                pending += QChar(c);
            break;
        }
    }
    flush();
    paragraph.markFormat = mark < textEnd ? characterFormat(mark, paragraphBase) : paragraphBase;
    const char16_t markChar = mark < textEnd ? text[qsizetype(mark - textStart)].unicode() : char16_t(ParagraphMark);

    if (inTable && !sectionEnd) {
        if (markChar == CellMark && props.rowEnd) {
            if (!state.cellParagraphs.empty()) {
                state.rowCells.push_back(std::move(state.cellParagraphs));
                state.cellParagraphs.clear();
            }
            state.rows.push_back({std::move(state.rowCells), props.cells});
            state.rowCells.clear();
        } else if (markChar == CellMark) {
            state.cellParagraphs.push_back(std::move(paragraph));
            state.rowCells.push_back(std::move(state.cellParagraphs));
            state.cellParagraphs.clear();
        } else if (!(props.depth > 1 && props.innerRowEnd)) {
            state.cellParagraphs.push_back(std::move(paragraph));
        }
        return;
    }
    commit(state, std::move(paragraph), sectionEnd);
}

void DocParser::commit(StoryState &state, ParagraphContent paragraph, bool sectionEnd)
{
    if (!state.rows.empty() || !state.rowCells.empty() || !state.cellParagraphs.empty())
        flushTable(state);
    if (sectionEnd) {
        // A section mark on an empty line closes the paragraph before it.
        if (paragraph.runs.empty() && state.committed > 0 &&
            state.builder.setLastParagraphProperty(prop::SectionEnd, true))
            return;
        paragraph.format.setProperty(prop::SectionEnd, true);
    }
    state.builder.addParagraph(paragraph);
    ++state.committed;
}

void DocParser::flushTable(StoryState &state)
{
    if (!state.cellParagraphs.empty()) {
        state.rowCells.push_back(std::move(state.cellParagraphs));
        state.cellParagraphs.clear();
    }
    if (!state.rowCells.empty()) {
        state.rows.push_back({std::move(state.rowCells), {}});
        state.rowCells.clear();
    }
    std::vector<TableRow> rows = std::move(state.rows);
    state.rows.clear();
    // Rows without a definition (cut short) get cells of an inch.
    for (TableRow &row : rows) {
        while (row.definitions.size() < row.cells.size()) {
            const int left = row.definitions.empty() ? 0 : row.definitions.back().right;
            row.definitions.push_back({left, left + 1440, false, false});
        }
    }
    // The columns are the cells' right edges over all rows; a cell spans the columns up to its own.
    std::vector<int> edges;
    for (const TableRow &row : rows)
        for (const TableCellDef &cell : row.definitions)
            edges.push_back(cell.right);
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    const std::size_t columns = edges.size();
    if (columns == 0)
        return;
    if (columns > maxTableColumns)
        throw Error(QStringLiteral("a table has more than %1 columns.").arg(maxTableColumns));
    m_tableCells += qsizetype(rows.size() * columns);
    if (m_tableCells > maxTableCells)
        throw Error(QStringLiteral("its tables have more than %1 cells.").arg(maxTableCells));

    TableContent table;
    table.format.setBorder(0);
    table.format.setCellSpacing(0);
    table.format.setCellPadding(twipsToLayout(108) / 2);
    int tableLeft = edges.front();
    for (const TableRow &row : rows)
        if (!row.definitions.empty())
            tableLeft = std::min(tableLeft, row.definitions.front().left);
    QList<QTextLength> widths;
    for (std::size_t c = 0; c < columns; ++c)
        widths << QTextLength(QTextLength::FixedLength,
                              twipsToLayout(std::clamp(edges[c] - (c ? edges[c - 1] : tableLeft), 20, 31680)));
    table.format.setColumnWidthConstraints(widths);
    const auto emptyParagraph = [this] {
        ParagraphContent empty;
        empty.format = plainParagraph();
        return empty;
    };
    table.rows.assign(rows.size(), std::vector<CellContent>(columns));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::vector<CellContent> &grid = table.rows[r];
        for (CellContent &cell : grid)
            cell.covered = true;
        std::size_t column = 0;
        int anchor = -1;
        for (std::size_t i = 0; i < rows[r].definitions.size() && column < columns; ++i) {
            const TableCellDef &definition = rows[r].definitions[i];
            const std::size_t end =
                std::size_t(std::lower_bound(edges.begin(), edges.end(), definition.right) - edges.begin()) + 1;
            const std::size_t last = std::min(end, columns);
            const int span = last > column ? int(last - column) : 1;
            if (definition.mergedWithLeft && anchor >= 0) {
                grid[std::size_t(anchor)].columnSpan += span;
            } else if (definition.mergedWithAbove && r > 0) {
                std::size_t above = r - 1;
                while (above > 0 && table.rows[above][column].covered)
                    --above;
                CellContent &top = table.rows[above][column];
                if (!top.covered)
                    top.rowSpan = int(r - above) + 1;
                anchor = -1;
            } else {
                CellContent &cell = grid[column];
                cell.covered = false;
                cell.columnSpan = span;
                if (i < rows[r].cells.size())
                    cell.paragraphs = std::move(rows[r].cells[i]);
                if (cell.paragraphs.empty())
                    cell.paragraphs.push_back(emptyParagraph());
                anchor = int(column);
            }
            column += std::size_t(span);
        }
        // Cells the row does not reach stay empty but present.
        for (std::size_t c = column; c < columns; ++c) {
            grid[c].covered = false;
            grid[c].paragraphs.push_back(emptyParagraph());
        }
    }
    state.builder.addTable(table);
}

} // namespace

void readDoc(const QByteArray &data, Document &document, ReadReport &report)
{
    DocParser(data, document, report).run();
}

} // namespace richedit
