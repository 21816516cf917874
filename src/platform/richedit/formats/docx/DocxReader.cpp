// Office Open XML (.docx) reader: container → parts → the document model.
//
// Supported:
// [X] container: relationships, content parts by their relationships; limits on sizes, XML
//     total (512 MiB), nesting (1000) and refusal of DTDs
// [X] character formatting: fonts, size, bold, italic, strike, double strike, underline kinds and
//     colour, caps, small caps, colour, shading, highlight, sub/superscript, hidden, no-proof
// [X] paragraph formatting: alignment, indents, spacing, line spacing, keep-with-next,
//     keep-together, widow control, page break before, outline level, borders, shading, tabs
// [X] styles: document defaults, paragraph, character and table styles with basedOn and next
// [X] sections: page size and paper kind, orientation, margins, header/footer distance,
//     columns, line numbering, title page, page number start, break type
// [X] headers and footers (default, even, first)
// [X] lists: numbering definitions (abstract numbers flattened into each list), levels
// [-] tables: rows, cells, grid widths, horizontal and vertical merges, cell shading, cell and
//     table borders, vertical alignment, table style id, row heights, header rows; the table
//     style's own formatting and nested tables are not kept (nested tables are flattened)
// [X] inline pictures (PNG, JPEG); floating pictures are read as inline ones
// [X] simple and complex fields with their results; HYPERLINK fields and hyperlinks
// [X] bookmarks
// [X] document protection, with the password hash kept as stored
// [X] footnotes, endnotes and comments (author and initials) as notes of the model
// [-] text boxes: their paragraphs follow the paragraph that holds them (warning: position lost)
// [-] tracked changes: read as accepted, insertions and moves kept, deletions left out (warning)
// [-] a page break inside a paragraph splits it; the text after the break starts the page
// [ ] theme fonts (the paragraph's font is used)
// [-] page colour (w:background's colour; its fill effects are not kept)
#include "DocxReader.h"

#include "DocxPackage.h"
#include "platform/richedit/formats/UnderlineNames.h"
#include "platform/richedit/Error.h"
#include "platform/richedit/model/PaperKind.h"
#include "platform/richedit/model/StoryBuilder.h"
#include "platform/richedit/model/TextFormats.h"

#include <QImage>
#include <QTextImageFormat>

#include <cstring>

namespace richedit {
namespace {

using docx::attribute;
using docx::child;
using docx::childValue;
using docx::hasLocalName;

constexpr int maxDepth = 1000;
constexpr int maxTableColumns = 1000;
// Cells cost memory in the story; a merged cell can stand for many, so count them all.
constexpr qsizetype maxTableCells = 1'000'000;

const char *const relOfficeDocument = "/officeDocument";
const char *const relStyles = "/styles";
const char *const relNumbering = "/numbering";
const char *const relSettings = "/settings";

/// The parts holding notes, by the kind of note and the element that refers to one.
const struct {
    NoteKind kind;
    const char *relationship;
    const char *element;   // in the note part
    const char *reference; // in the story
} noteParts[] = {
    {NoteKind::Footnote, "/footnotes", "footnote", "footnoteReference"},
    {NoteKind::Endnote, "/endnotes", "endnote", "endnoteReference"},
    {NoteKind::Comment, "/comments", "comment", "commentReference"},
};

QString value(pugi::xml_node node, const char *name = "val")
{
    return QString::fromUtf8(attribute(node, name).value());
}

int intValue(pugi::xml_node node, const char *name, int fallback = 0)
{
    const pugi::xml_attribute a = attribute(node, name);
    if (!a)
        return fallback;
    bool ok = false;
    const double number = QString::fromUtf8(a.value()).toDouble(&ok);
    return ok ? int(std::clamp(number, -1e9, 1e9)) : fallback;
}

/// A toggle like <w:b/>, <w:b w:val="0"/>.
bool toggle(pugi::xml_node node)
{
    const pugi::xml_attribute a = attribute(node, "val");
    if (!a)
        return true;
    const char *v = a.value();
    return !(std::strcmp(v, "0") == 0 || std::strcmp(v, "false") == 0 || std::strcmp(v, "off") == 0);
}

QColor hexColor(const QString &text)
{
    if (text.isEmpty() || text == QLatin1String("auto"))
        return {};
    const QColor color(QLatin1Char('#') + text);
    return color.isValid() ? color : QColor();
}

NumberFormat numberFormat(const QString &name)
{
    static const struct {
        const char *name;
        NumberFormat format;
    } rows[] = {{"bullet", NumberFormat::Bullet},          {"decimal", NumberFormat::Decimal},
                {"lowerLetter", NumberFormat::LowerLetter}, {"upperLetter", NumberFormat::UpperLetter},
                {"lowerRoman", NumberFormat::LowerRoman},   {"upperRoman", NumberFormat::UpperRoman},
                {"none", NumberFormat::None}};
    for (const auto &row : rows)
        if (name == QLatin1String(row.name))
            return row.format;
    return NumberFormat::Decimal;
}

BorderLine borderFrom(pugi::xml_node node)
{
    BorderLine line;
    line.style = value(node);
    line.width = std::clamp(intValue(node, "sz", 4), 0, 96);
    line.space = std::clamp(intValue(node, "space", 0), 0, 31);
    line.color = hexColor(value(node, "color"));
    return line;
}

void readCharacterProperties(pugi::xml_node rPr, QTextCharFormat &f)
{
    for (pugi::xml_node e = rPr.first_child(); e; e = e.next_sibling()) {
        const char *name = docx::localName(e.name());
        if (!std::strcmp(name, "rFonts")) {
            QString family = value(e, "ascii");
            if (family.isEmpty())
                family = value(e, "hAnsi");
            if (!family.isEmpty())
                f.setFontFamilies(QStringList{family});
        } else if (!std::strcmp(name, "sz")) {
            const int halfPoints = intValue(e, "val");
            if (halfPoints > 0)
                f.setFontPointSize(std::min(halfPoints, 3276) / 2.0);
        } else if (!std::strcmp(name, "b")) {
            f.setFontWeight(toggle(e) ? QFont::Bold : QFont::Normal);
        } else if (!std::strcmp(name, "i")) {
            f.setFontItalic(toggle(e));
        } else if (!std::strcmp(name, "strike")) {
            f.setFontStrikeOut(toggle(e));
        } else if (!std::strcmp(name, "dstrike")) {
            f.setProperty(prop::DoubleStrikeOut, toggle(e));
        } else if (!std::strcmp(name, "caps")) {
            f.setFontCapitalization(toggle(e) ? QFont::AllUppercase : QFont::MixedCase);
        } else if (!std::strcmp(name, "smallCaps")) {
            f.setFontCapitalization(toggle(e) ? QFont::SmallCaps : QFont::MixedCase);
        } else if (!std::strcmp(name, "vanish")) {
            f.setProperty(prop::Hidden, toggle(e));
        } else if (!std::strcmp(name, "noProof")) {
            f.setProperty(prop::NoProof, toggle(e));
        } else if (!std::strcmp(name, "color")) {
            if (const QColor c = hexColor(value(e)); c.isValid())
                f.setForeground(c);
            else
                f.clearForeground();
        } else if (!std::strcmp(name, "shd")) {
            if (const QColor c = hexColor(value(e, "fill")); c.isValid())
                f.setBackground(c);
        } else if (!std::strcmp(name, "highlight")) {
            if (const QColor c = highlightColor(value(e)); c.isValid())
                f.setProperty(prop::Highlight, c);
            else
                f.clearProperty(prop::Highlight);
        } else if (!std::strcmp(name, "u")) {
            const QString kind = value(e);
            UnderlineType type = UnderlineType::Single;
            for (const auto &row : underlineNames)
                if (kind == QLatin1String(row.docx))
                    type = row.type;
            setUnderlineType(f, type);
            if (const QColor c = hexColor(value(e, "color")); c.isValid())
                f.setUnderlineColor(c);
        } else if (!std::strcmp(name, "vertAlign")) {
            const QString v = value(e);
            f.setVerticalAlignment(v == QLatin1String("superscript") ? QTextCharFormat::AlignSuperScript
                                   : v == QLatin1String("subscript") ? QTextCharFormat::AlignSubScript
                                                                     : QTextCharFormat::AlignNormal);
        }
    }
}

void readParagraphProperties(pugi::xml_node pPr, QTextBlockFormat &f)
{
    for (pugi::xml_node e = pPr.first_child(); e; e = e.next_sibling()) {
        const char *name = docx::localName(e.name());
        if (!std::strcmp(name, "jc")) {
            const QString v = value(e);
            f.setAlignment(v == QLatin1String("center")                                     ? Qt::AlignHCenter
                           : (v == QLatin1String("right") || v == QLatin1String("end"))     ? Qt::AlignRight
                           : (v == QLatin1String("both") || v == QLatin1String("distribute")) ? Qt::AlignJustify
                                                                                            : Qt::AlignLeft);
        } else if (!std::strcmp(name, "ind")) {
            for (const char *left : {"left", "start"})
                if (attribute(e, left))
                    f.setLeftMargin(twipsToLayout(intValue(e, left)));
            for (const char *right : {"right", "end"})
                if (attribute(e, right))
                    f.setRightMargin(twipsToLayout(intValue(e, right)));
            if (attribute(e, "firstLine"))
                f.setTextIndent(twipsToLayout(intValue(e, "firstLine")));
            if (attribute(e, "hanging"))
                f.setTextIndent(twipsToLayout(-intValue(e, "hanging")));
        } else if (!std::strcmp(name, "spacing")) {
            if (attribute(e, "before"))
                f.setTopMargin(twipsToLayout(intValue(e, "before")));
            if (attribute(e, "after"))
                f.setBottomMargin(twipsToLayout(intValue(e, "after")));
            if (attribute(e, "line")) {
                const int line = intValue(e, "line");
                const QString rule = value(e, "lineRule");
                if (rule == QLatin1String("exact"))
                    f.setLineHeight(twipsToLayout(std::abs(line)), QTextBlockFormat::FixedHeight);
                else if (rule == QLatin1String("atLeast"))
                    f.setLineHeight(twipsToLayout(line), QTextBlockFormat::MinimumHeight);
                else if (line == 240)
                    f.setLineHeight(0, QTextBlockFormat::SingleHeight);
                else
                    f.setLineHeight(line * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
            }
        } else if (!std::strcmp(name, "keepNext")) {
            f.setProperty(prop::KeepWithNext, toggle(e));
        } else if (!std::strcmp(name, "keepLines")) {
            f.setNonBreakableLines(toggle(e));
        } else if (!std::strcmp(name, "widowControl")) {
            f.setProperty(prop::WidowControl, toggle(e));
        } else if (!std::strcmp(name, "pageBreakBefore")) {
            f.setPageBreakPolicy(toggle(e) ? QTextFormat::PageBreak_AlwaysBefore : QTextFormat::PageBreak_Auto);
        } else if (!std::strcmp(name, "outlineLvl")) {
            const int level = intValue(e, "val", bodyTextLevel);
            f.setProperty(prop::OutlineLevel, level >= 0 && level <= 8 ? level : bodyTextLevel);
        } else if (!std::strcmp(name, "pBdr")) {
            const struct {
                const char *name;
                int property;
            } sides[] = {{"top", prop::BorderTop},     {"bottom", prop::BorderBottom}, {"left", prop::BorderLeft},
                         {"right", prop::BorderRight}, {"between", prop::BorderBetween}};
            for (const auto &side : sides)
                if (pugi::xml_node b = child(e, side.name))
                    setBorderLine(f, side.property, borderFrom(b));
        } else if (!std::strcmp(name, "shd")) {
            if (const QColor c = hexColor(value(e, "fill")); c.isValid())
                f.setBackground(c);
        } else if (!std::strcmp(name, "tabs")) {
            QList<QTextOption::Tab> tabs;
            QString leaders;
            for (pugi::xml_node tab = e.first_child(); tab; tab = tab.next_sibling()) {
                const QString kind = value(tab);
                if (kind == QLatin1String("clear") || kind == QLatin1String("bar"))
                    continue;
                const QTextOption::TabType type = kind == QLatin1String("right")    ? QTextOption::RightTab
                                                  : kind == QLatin1String("center") ? QTextOption::CenterTab
                                                  : kind == QLatin1String("decimal") ? QTextOption::DelimiterTab
                                                                                    : QTextOption::LeftTab;
                tabs << QTextOption::Tab(twipsToLayout(intValue(tab, "pos")), type,
                                         type == QTextOption::DelimiterTab ? QLatin1Char('.') : QChar());
                const QString leader = value(tab, "leader");
                leaders += leader == QLatin1String("dot")          ? QChar(LeaderDot)
                           : leader == QLatin1String("hyphen")     ? QChar(LeaderHyphen)
                           : leader == QLatin1String("underscore") ? QChar(LeaderUnderscore)
                                                                  : QChar(LeaderNone);
            }
            if (!tabs.isEmpty())
                f.setTabPositions(tabs);
            if (!leaders.trimmed().isEmpty())
                f.setProperty(prop::TabLeaders, leaders);
        }
    }
}

QString trackedChangesAccepted()
{
    return QStringLiteral("Tracked changes were accepted: inserted text was kept and deleted text left out.");
}

struct FieldState {
    QString instruction;
    bool inResult = false;
    int id = 0;
};

class Parser {
public:
    Parser(const QByteArray &data, Document &document, ReadReport &report)
        : m_package(data), m_document(document), m_report(report)
    {
    }
    void run();

private:
    struct Story {
        QString partName;
        std::map<QString, docx::Package::Relationship> relationships;
        StoryBuilder *builder = nullptr;
    };

    void readStyles(const QString &partName);
    void readNumbering(const QString &partName);
    void readSettings(const QString &partName);
    void readBlocks(pugi::xml_node container, std::vector<ParagraphContent> *cell, int depth);
    void readParagraph(pugi::xml_node p, std::vector<ParagraphContent> *cell, int depth);
    void readInlines(pugi::xml_node node, ParagraphContent &paragraph, const QTextCharFormat &base, int depth);
    void readRun(pugi::xml_node r, ParagraphContent &paragraph, const QTextCharFormat &base, int depth);
    void readRunContent(pugi::xml_node r, ParagraphContent &paragraph, const QTextCharFormat &format, int depth);
    void readDrawing(pugi::xml_node drawing, ParagraphContent &paragraph, const QTextCharFormat &format);
    void readTable(pugi::xml_node tbl, std::vector<ParagraphContent> *cell, int depth);
    void readSection(pugi::xml_node sectPr);
    void readHeaderFooter(const QString &relationshipId, HeaderFooterKind kind);
    void readNoteParts(const std::map<QString, docx::Package::Relationship> &relationships);
    void readNote(NoteKind kind, const QString &id, ParagraphContent &paragraph, const QTextCharFormat &format);
    bool readTextBoxes(pugi::xml_node node, int depth);
    void readStory(pugi::xml_node container, const Story &story);
    void addText(ParagraphContent &paragraph, const QString &text, QTextCharFormat format);
    QTextCharFormat fieldFormat(QTextCharFormat format) const;
    void warnOnce(const QString &warning);
    static void checkDepth(int depth);

    docx::Package m_package;
    Document &m_document;
    ReadReport &m_report;
    Story m_story;
    std::vector<FieldState> m_fields;
    int m_nextFieldId = 1;
    QString m_hyperlink;
    std::vector<Section> m_sections;
    std::map<QString, QString> m_bookmarkNames;
    bool m_pageBreakPending = false;
    qsizetype m_tableCells = 0;
    struct NotePart {
        QString partName;
        std::unique_ptr<pugi::xml_document> xml;
        std::map<QString, pugi::xml_node> notes; // by w:id
    };
    NotePart m_noteParts[std::size(noteParts)];
    int m_noteNumbers[std::size(noteParts)] = {};
    bool m_inNote = false;
    // Paragraphs of text boxes met in the paragraph being read; they follow it.
    std::vector<ParagraphContent> m_textBoxParagraphs;
    bool m_inTextBox = false;
};

void Parser::warnOnce(const QString &warning)
{
    if (!m_report.warnings.contains(warning))
        m_report.warnings << warning;
}

void Parser::checkDepth(int depth)
{
    if (depth > maxDepth)
        throw Error(QStringLiteral("its content is nested more than %1 deep.").arg(maxDepth));
}

void Parser::run()
{
    QString mainPart = QStringLiteral("word/document.xml");
    for (const auto &[id, rel] : m_package.relationships(QString()))
        if (rel.type.endsWith(QLatin1String(relOfficeDocument)) && !rel.target.isEmpty())
            mainPart = rel.target;
    if (!m_package.contains(mainPart))
        throw Error(QStringLiteral("it is not a Word document: the main part \"%1\" is missing.").arg(mainPart));

    const auto relationships = m_package.relationships(mainPart);
    for (const auto &[id, rel] : relationships) {
        if (rel.target.isEmpty() || !m_package.contains(rel.target))
            continue;
        if (rel.type.endsWith(QLatin1String(relStyles)))
            readStyles(rel.target);
        else if (rel.type.endsWith(QLatin1String(relNumbering)))
            readNumbering(rel.target);
        else if (rel.type.endsWith(QLatin1String(relSettings)))
            readSettings(rel.target);
    }
    readNoteParts(relationships);

    const auto xml = m_package.readXml(mainPart);
    const pugi::xml_node body = child(xml->document_element(), "body");
    if (!body)
        throw Error(QStringLiteral("its main part has no body."));
    // The page colour; fill effects (gradients, pictures) of the background are not kept.
    if (const pugi::xml_node background = child(xml->document_element(), "background"))
        m_document.setPageColor(hexColor(value(background, "color")));
    StoryBuilder builder(m_document, m_document.mainStory());
    m_story = {mainPart, relationships, &builder};
    readBlocks(body, nullptr, 0);
    if (const pugi::xml_node sectPr = child(body, "sectPr"))
        readSection(sectPr);
    else
        m_sections.push_back(Section{});
    builder.finish();
    m_document.setSections(m_sections);
}

void Parser::readStyles(const QString &partName)
{
    const auto xml = m_package.readXml(partName);
    const pugi::xml_node root = xml->document_element();
    StyleSheet &sheet = m_document.styles();
    if (const pugi::xml_node defaults = child(root, "docDefaults")) {
        readCharacterProperties(child(child(defaults, "rPrDefault"), "rPr"), sheet.defaultCharFormat);
        readParagraphProperties(child(child(defaults, "pPrDefault"), "pPr"), sheet.defaultBlockFormat);
        QFont font = m_document.defaultFont();
        if (!sheet.defaultCharFormat.fontFamilies().toStringList().isEmpty())
            font.setFamilies(sheet.defaultCharFormat.fontFamilies().toStringList());
        if (sheet.defaultCharFormat.hasProperty(QTextFormat::FontPointSize))
            font.setPointSizeF(sheet.defaultCharFormat.fontPointSize());
        m_document.setDefaultFont(font);
    }
    for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
        if (!hasLocalName(node, "style"))
            continue;
        Style style;
        const QString type = value(node, "type");
        if (type == QLatin1String("paragraph"))
            style.type = StyleType::Paragraph;
        else if (type == QLatin1String("character"))
            style.type = StyleType::Character;
        else if (type == QLatin1String("table"))
            style.type = StyleType::Table;
        else
            continue; // numbering styles
        style.id = value(node, "styleId");
        if (style.id.isEmpty())
            continue;
        style.name = childValue(node, "name");
        style.basedOn = childValue(node, "basedOn");
        style.next = childValue(node, "next");
        const QString isDefault = value(node, "default");
        style.isDefault = isDefault == QLatin1String("1") || isDefault == QLatin1String("true") ||
                          isDefault == QLatin1String("on");
        readCharacterProperties(child(node, "rPr"), style.charFormat);
        readParagraphProperties(child(node, "pPr"), style.blockFormat);
        sheet.add(style);
    }
}

void Parser::readNumbering(const QString &partName)
{
    const auto xml = m_package.readXml(partName);
    const pugi::xml_node root = xml->document_element();
    std::map<QString, ListDefinition> abstracts;
    const auto readLevel = [](pugi::xml_node lvl, ListLevel &level) {
        level.start = intValue(child(lvl, "start"), "val", 1);
        level.format = numberFormat(childValue(lvl, "numFmt"));
        level.text = childValue(lvl, "lvlText");
        const pugi::xml_node ind = child(child(lvl, "pPr"), "ind");
        level.indent = intValue(ind, attribute(ind, "start") ? "start" : "left", level.indent);
        level.hanging = intValue(ind, "hanging", level.hanging);
        level.fontFamily = value(child(child(lvl, "rPr"), "rFonts"), "ascii");
    };
    for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
        if (!hasLocalName(node, "abstractNum"))
            continue;
        ListDefinition list;
        for (pugi::xml_node lvl = node.first_child(); lvl; lvl = lvl.next_sibling()) {
            if (!hasLocalName(lvl, "lvl"))
                continue;
            const int index = intValue(lvl, "ilvl", -1);
            if (index >= 0 && index <= 8)
                readLevel(lvl, list.levels[std::size_t(index)]);
        }
        abstracts[value(node, "abstractNumId")] = list;
    }
    for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
        if (!hasLocalName(node, "num"))
            continue;
        const auto it = abstracts.find(childValue(node, "abstractNumId"));
        const int id = intValue(node, "numId", 0);
        if (it == abstracts.end() || id <= 0)
            continue;
        ListDefinition list = it->second;
        // A list may start again at another number, or redefine levels, over its abstract definition.
        for (pugi::xml_node override = node.first_child(); override; override = override.next_sibling()) {
            const int index = intValue(override, "ilvl", -1);
            if (!hasLocalName(override, "lvlOverride") || index < 0 || index > 8)
                continue;
            ListLevel &level = list.levels[std::size_t(index)];
            if (const pugi::xml_node lvl = child(override, "lvl"))
                readLevel(lvl, level);
            if (const pugi::xml_node start = child(override, "startOverride"))
                level.start = intValue(start, "val", level.start);
        }
        m_document.lists()[id] = list;
    }
}

void Parser::readSettings(const QString &partName)
{
    const auto xml = m_package.readXml(partName);
    const pugi::xml_node root = xml->document_element();
    if (const pugi::xml_node even = child(root, "evenAndOddHeaders"))
        m_document.setEvenAndOddHeaders(toggle(even));
    if (const pugi::xml_node protection = child(root, "documentProtection")) {
        Protection p;
        const QString edit = value(protection, "edit");
        p.kind = edit == QLatin1String("readOnly")         ? ProtectionKind::ReadOnly
                 : edit == QLatin1String("comments")       ? ProtectionKind::Comments
                 : edit == QLatin1String("trackedChanges") ? ProtectionKind::TrackedChanges
                 : edit == QLatin1String("forms")          ? ProtectionKind::Forms
                                                           : ProtectionKind::None;
        const QString enforcement = value(protection, "enforcement");
        p.enforced = enforcement == QLatin1String("1") || enforcement == QLatin1String("true") ||
                     enforcement == QLatin1String("on");
        p.algorithm = value(protection, "algorithmName");
        if (p.algorithm.isEmpty() && attribute(protection, "cryptAlgorithmSid"))
            p.algorithm = QStringLiteral("sid:") + value(protection, "cryptAlgorithmSid");
        p.hash = value(protection, attribute(protection, "hashValue") ? "hashValue" : "hash");
        p.salt = value(protection, attribute(protection, "saltValue") ? "saltValue" : "salt");
        p.spinCount = intValue(protection, attribute(protection, "spinCount") ? "spinCount" : "cryptSpinCount");
        m_document.setProtection(p);
    }
}

void Parser::readNoteParts(const std::map<QString, docx::Package::Relationship> &relationships)
{
    for (std::size_t i = 0; i < std::size(noteParts); ++i)
        for (const auto &[id, rel] : relationships) {
            if (!rel.type.endsWith(QLatin1String(noteParts[i].relationship)) || rel.target.isEmpty() ||
                !m_package.contains(rel.target))
                continue;
            NotePart &part = m_noteParts[i];
            part.partName = rel.target;
            part.xml = m_package.readXml(rel.target);
            for (pugi::xml_node note : part.xml->document_element().children())
                if (hasLocalName(note, noteParts[i].element) && value(note, "type").isEmpty())
                    part.notes.emplace(value(note, "id"), note);
            break;
        }
}

void Parser::readNote(NoteKind kind, const QString &id, ParagraphContent &paragraph, const QTextCharFormat &format)
{
    const std::size_t index = std::size_t(kind);
    NotePart &part = m_noteParts[index];
    const auto found = part.notes.find(id);
    if (found == part.notes.end()) {
        warnOnce(QStringLiteral("A reference to a footnote, endnote or comment that is missing was left out."));
        return;
    }
    if (m_inNote || m_story.builder->story() != m_document.mainStory()) {
        // Notes belong to the main story; one inside a note or a header would have nowhere to go.
        warnOnce(QStringLiteral("Notes and comments outside the main text were left out."));
        return;
    }
    const pugi::xml_node node = found->second;
    part.notes.erase(found); // a note is referred to once; a second reference must not loop or repeat
    const int number = ++m_noteNumbers[index];
    const QString initials = value(node, "initials");
    const int noteId = m_document.addNote(kind, noteMark(kind, number, initials));
    Note *note = m_document.note(noteId);
    note->author = value(node, "author");
    note->initials = initials;

    StoryBuilder builder(m_document, note->story);
    m_inNote = true;
    readStory(node, {part.partName, m_package.relationships(part.partName), &builder});
    m_inNote = false;

    QTextCharFormat mark = format;
    mark.setProperty(prop::NoteReference, noteId);
    if (kind != NoteKind::Comment)
        mark.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    paragraph.runs.push_back({RunContent::Text, note->mark, mark});
}

void Parser::readStory(pugi::xml_node container, const Story &story)
{
    // A story inside another (a note met in the middle of a paragraph) starts with clean state.
    const Story saved = m_story;
    m_story = story;
    auto fields = std::move(m_fields);
    m_fields.clear();
    const QString hyperlink = std::exchange(m_hyperlink, QString());
    const bool pageBreak = std::exchange(m_pageBreakPending, false);
    auto textBoxes = std::move(m_textBoxParagraphs);
    m_textBoxParagraphs.clear();
    readBlocks(container, nullptr, 0);
    story.builder->finish();
    m_textBoxParagraphs = std::move(textBoxes);
    m_pageBreakPending = pageBreak;
    m_hyperlink = hyperlink;
    m_fields = std::move(fields);
    m_story = saved;
}

void Parser::readBlocks(pugi::xml_node container, std::vector<ParagraphContent> *cell, int depth)
{
    checkDepth(depth);
    for (pugi::xml_node node = container.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_element)
            continue;
        const char *name = docx::localName(node.name());
        if (!std::strcmp(name, "p"))
            readParagraph(node, cell, depth + 1);
        else if (!std::strcmp(name, "tbl"))
            readTable(node, cell, depth + 1);
        else if (!std::strcmp(name, "sdt"))
            readBlocks(child(node, "sdtContent"), cell, depth + 1);
        else if (!std::strcmp(name, "customXml"))
            readBlocks(node, cell, depth + 1);
        else if (!std::strcmp(name, "ins") || !std::strcmp(name, "moveTo")) {
            warnOnce(trackedChangesAccepted());
            readBlocks(node, cell, depth + 1);
        } else if (!std::strcmp(name, "del") || !std::strcmp(name, "moveFrom"))
            warnOnce(trackedChangesAccepted());
    }
}

QTextCharFormat Parser::fieldFormat(QTextCharFormat format) const
{
    // The innermost field whose result we are in gives the text its meaning.
    for (auto it = m_fields.rbegin(); it != m_fields.rend(); ++it) {
        if (!it->inResult)
            continue;
        const QString instruction = it->instruction.simplified();
        if (const std::optional<QString> target = hyperlinkTarget(instruction)) {
            format.setAnchor(true);
            format.setAnchorHref(*target);
        } else {
            format.setProperty(prop::FieldId, it->id);
            format.setProperty(prop::FieldInstruction, instruction);
        }
        break;
    }
    if (!m_hyperlink.isEmpty()) {
        format.setAnchor(true);
        format.setAnchorHref(m_hyperlink);
    }
    return format;
}

void Parser::addText(ParagraphContent &paragraph, const QString &text, QTextCharFormat format)
{
    if (text.isEmpty())
        return;
    // Text of a field's instruction is not shown.
    if (!m_fields.empty() && !m_fields.back().inResult) {
        m_fields.back().instruction += text;
        return;
    }
    format = fieldFormat(format);
    std::vector<RunContent> &runs = paragraph.runs;
    if (!runs.empty() && runs.back().kind == RunContent::Text && !runs.back().format.isImageFormat() &&
        runs.back().format == format)
        runs.back().text += text;
    else
        runs.push_back({RunContent::Text, text, format});
}

void Parser::readParagraph(pugi::xml_node p, std::vector<ParagraphContent> *cell, int depth)
{
    const StyleSheet &sheet = m_document.styles();
    const pugi::xml_node pPr = child(p, "pPr");
    QString styleId = childValue(pPr, "pStyle");
    if (styleId.isEmpty() || !sheet.find(styleId))
        styleId = sheet.defaultStyleId(StyleType::Paragraph);
    ParagraphContent paragraph;
    paragraph.format = sheet.resolvedBlockFormat(styleId);
    readParagraphProperties(pPr, paragraph.format);
    if (!styleId.isEmpty() && styleId != sheet.defaultStyleId(StyleType::Paragraph))
        paragraph.format.setProperty(prop::ParagraphStyleId, styleId);
    else
        paragraph.format.clearProperty(prop::ParagraphStyleId);
    if (const pugi::xml_node numPr = child(pPr, "numPr")) {
        const int numId = intValue(child(numPr, "numId"), "val", -1);
        if (m_document.lists().count(numId)) {
            paragraph.listId = numId;
            paragraph.listLevel = std::clamp(intValue(child(numPr, "ilvl"), "val", 0), 0, 8);
        }
    }
    const QTextCharFormat base = sheet.resolvedCharFormat(styleId);
    if (m_pageBreakPending && !cell) {
        paragraph.format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        m_pageBreakPending = false;
    }
    paragraph.markFormat = base;
    readCharacterProperties(child(pPr, "rPr"), paragraph.markFormat);
    std::vector<ParagraphContent> textBoxes;
    if (!m_inTextBox)
        textBoxes = std::exchange(m_textBoxParagraphs, {});
    readInlines(p, paragraph, base, depth + 1);
    if (!m_inTextBox)
        std::swap(textBoxes, m_textBoxParagraphs);

    // A page break inside the paragraph splits it: what follows starts the next page.
    std::vector<ParagraphContent> pieces;
    if (splitAtPageBreaks(paragraph, pieces) && !cell)
        m_pageBreakPending = true;
    for (ParagraphContent &box : textBoxes)
        pieces.push_back(std::move(box));

    const pugi::xml_node sectPr = child(pPr, "sectPr");
    if (sectPr && !cell)
        pieces.back().format.setProperty(prop::SectionEnd, true);
    for (ParagraphContent &piece : pieces) {
        if (cell)
            cell->push_back(std::move(piece));
        else
            m_story.builder->addParagraph(piece);
    }
    if (sectPr && !cell)
        readSection(sectPr);
}

void Parser::readInlines(pugi::xml_node node, ParagraphContent &paragraph, const QTextCharFormat &base, int depth)
{
    checkDepth(depth);
    for (pugi::xml_node e = node.first_child(); e; e = e.next_sibling()) {
        if (e.type() != pugi::node_element)
            continue;
        const char *name = docx::localName(e.name());
        if (!std::strcmp(name, "r")) {
            readRun(e, paragraph, base, depth + 1);
        } else if (!std::strcmp(name, "hyperlink")) {
            const QString saved = m_hyperlink;
            const QString id = value(e, "id");
            const auto rel = m_story.relationships.find(id);
            if (rel != m_story.relationships.end())
                m_hyperlink = rel->second.target;
            else if (attribute(e, "anchor"))
                m_hyperlink = QLatin1Char('#') + value(e, "anchor");
            readInlines(e, paragraph, base, depth + 1);
            m_hyperlink = saved;
        } else if (!std::strcmp(name, "fldSimple")) {
            m_fields.push_back({value(e, "instr"), false, m_nextFieldId++});
            m_fields.back().inResult = true;
            readInlines(e, paragraph, base, depth + 1);
            m_fields.pop_back();
        } else if (!std::strcmp(name, "bookmarkStart") || !std::strcmp(name, "bookmarkEnd")) {
            RunContent mark;
            if (!std::strcmp(name, "bookmarkStart")) {
                mark.kind = RunContent::BookmarkStart;
                mark.text = value(e, "name");
                m_bookmarkNames[value(e, "id")] = mark.text;
            } else {
                mark.kind = RunContent::BookmarkEnd;
                mark.text = m_bookmarkNames[value(e, "id")];
            }
            if (!mark.text.isEmpty() && mark.text != QLatin1String("_GoBack"))
                paragraph.runs.push_back(mark);
        } else if (!std::strcmp(name, "ins") || !std::strcmp(name, "moveTo")) {
            warnOnce(trackedChangesAccepted());
            readInlines(e, paragraph, base, depth + 1);
        } else if (!std::strcmp(name, "smartTag") || !std::strcmp(name, "customXml")) {
            readInlines(e, paragraph, base, depth + 1);
        } else if (!std::strcmp(name, "sdt")) {
            readInlines(child(e, "sdtContent"), paragraph, base, depth + 1);
        } else if (!std::strcmp(name, "del") || !std::strcmp(name, "moveFrom")) {
            warnOnce(trackedChangesAccepted());
        }
    }
}

void Parser::readRun(pugi::xml_node r, ParagraphContent &paragraph, const QTextCharFormat &base, int depth)
{
    const StyleSheet &sheet = m_document.styles();
    const pugi::xml_node rPr = child(r, "rPr");
    QTextCharFormat format = base;
    const QString styleId = childValue(rPr, "rStyle");
    if (!styleId.isEmpty() && sheet.find(styleId)) {
        format.merge(sheet.chainCharFormat(styleId));
        format.setProperty(prop::CharacterStyleId, styleId);
    }
    readCharacterProperties(rPr, format);
    readRunContent(r, paragraph, format, depth);
}

void Parser::readRunContent(pugi::xml_node r, ParagraphContent &paragraph, const QTextCharFormat &format, int depth)
{
    checkDepth(depth);
    for (pugi::xml_node e = r.first_child(); e; e = e.next_sibling()) {
        if (e.type() != pugi::node_element)
            continue;
        const char *name = docx::localName(e.name());
        if (!std::strcmp(name, "t")) {
            addText(paragraph, QString::fromUtf8(e.text().get()), format);
        } else if (!std::strcmp(name, "instrText")) {
            if (!m_fields.empty() && !m_fields.back().inResult)
                m_fields.back().instruction += QString::fromUtf8(e.text().get());
        } else if (!std::strcmp(name, "fldChar")) {
            const QString type = value(e, "fldCharType");
            if (type == QLatin1String("begin")) {
                if (m_fields.size() >= std::size_t(maxDepth))
                    throw Error(QStringLiteral("its fields are nested more than %1 deep.").arg(maxDepth));
                m_fields.push_back({QString(), false, m_nextFieldId++});
            } else if (type == QLatin1String("separate") && !m_fields.empty()) {
                m_fields.back().inResult = true;
            } else if (type == QLatin1String("end") && !m_fields.empty()) {
                m_fields.pop_back();
            }
        } else if (!std::strcmp(name, "tab") || !std::strcmp(name, "ptab")) {
            addText(paragraph, QStringLiteral("\t"), format);
        } else if (!std::strcmp(name, "br") || !std::strcmp(name, "cr")) {
            if (value(e, "type") == QLatin1String("page")) {
                // The model breaks pages before paragraphs: the paragraph is split here.
                paragraph.runs.push_back({RunContent::PageBreak, QString(), format});
            } else {
                addText(paragraph, QString(QChar::LineSeparator), format);
            }
        } else if (!std::strcmp(name, "noBreakHyphen")) {
            addText(paragraph, QString(QChar(0x2011)), format);
        } else if (!std::strcmp(name, "softHyphen")) {
            addText(paragraph, QString(QChar(0x00AD)), format);
        } else if (!std::strcmp(name, "sym")) {
            bool ok = false;
            const uint code = value(e, "char").toUInt(&ok, 16);
            if (ok && code < 0x10000)
                addText(paragraph, QString(QChar(char16_t(code >= 0xF000 ? code - 0xF000 : code))), format);
        } else if (!std::strcmp(name, "drawing")) {
            if (!readTextBoxes(e, depth + 1))
                readDrawing(e, paragraph, format);
        } else if (!std::strcmp(name, "footnoteReference") || !std::strcmp(name, "endnoteReference") ||
                   !std::strcmp(name, "commentReference")) {
            for (const auto &row : noteParts)
                if (!std::strcmp(name, row.reference))
                    readNote(row.kind, value(e, "id"), paragraph, format);
        } else if (!std::strcmp(name, "pict") || !std::strcmp(name, "object")) {
            if (!readTextBoxes(e, depth + 1))
                warnOnce(QStringLiteral("Old-style drawings and embedded objects are not supported and were left out."));
        } else if (!std::strcmp(name, "AlternateContent")) {
            // Word writes a text box twice, as a drawing and as an old-style shape: read one.
            pugi::xml_node choice = child(e, "Choice");
            if (!choice)
                choice = child(e, "Fallback");
            readRunContent(choice, paragraph, format, depth + 1);
        }
    }
    Q_UNUSED(depth)
}

bool Parser::readTextBoxes(pugi::xml_node node, int depth)
{
    checkDepth(depth);
    bool found = false;
    for (pugi::xml_node e = node.first_child(); e; e = e.next_sibling()) {
        if (e.type() != pugi::node_element)
            continue;
        if (hasLocalName(e, "txbxContent")) {
            found = true;
            if (m_inTextBox) {
                // A box in a box: its paragraphs join the outer box's.
                readBlocks(e, &m_textBoxParagraphs, depth + 1);
                continue;
            }
            m_inTextBox = true;
            readBlocks(e, &m_textBoxParagraphs, depth + 1);
            m_inTextBox = false;
        } else {
            found = readTextBoxes(e, depth + 1) || found;
        }
    }
    if (found)
        warnOnce(QStringLiteral("Text boxes were placed in the text after the paragraph that holds them; their "
                                "position on the page was lost."));
    return found;
}

void Parser::readDrawing(pugi::xml_node drawing, ParagraphContent &paragraph, const QTextCharFormat &format)
{
    pugi::xml_node frame = child(drawing, "inline");
    if (!frame)
        frame = child(drawing, "anchor");
    // wp:inline/a:graphic/a:graphicData/pic:pic/pic:blipFill/a:blip
    const pugi::xml_node blip =
        child(child(child(child(child(frame, "graphic"), "graphicData"), "pic"), "blipFill"), "blip");
    const auto rel = m_story.relationships.find(value(blip, "embed"));
    if (!blip || rel == m_story.relationships.end() || rel->second.target.isEmpty() ||
        !m_package.contains(rel->second.target)) {
        warnOnce(QStringLiteral("A picture whose data is missing was left out."));
        return;
    }
    if (hasLocalName(frame, "anchor"))
        warnOnce(QStringLiteral("Floating pictures were placed in the text."));
    const QByteArray bytes = m_package.read(rel->second.target);
    QImage image;
    if (!(bytes.startsWith("\x89PNG") || bytes.startsWith("\xFF\xD8")) || !image.loadFromData(bytes)) {
        warnOnce(QStringLiteral("Pictures that are not PNG or JPEG, or that do not decode, were left out."));
        return;
    }
    QTextImageFormat imageFormat;
    imageFormat.merge(format);
    imageFormat.setName(m_story.builder->addImage(bytes));
    const pugi::xml_node extent = child(frame, "extent");
    // 635 EMU to the twip.
    const qint64 cx = QString::fromUtf8(attribute(extent, "cx").value()).toLongLong();
    const qint64 cy = QString::fromUtf8(attribute(extent, "cy").value()).toLongLong();
    imageFormat.setWidth(twipsToLayout(cx > 0 ? double(std::min<qint64>(cx / 635, 1 << 20)) : image.width() * 15.0));
    imageFormat.setHeight(twipsToLayout(cy > 0 ? double(std::min<qint64>(cy / 635, 1 << 20)) : image.height() * 15.0));
    const QString description = value(child(frame, "docPr"), "descr");
    if (!description.isEmpty())
        imageFormat.setProperty(prop::ImageDescription, description);
    paragraph.runs.push_back({RunContent::Text, QString(), imageFormat});
}

void Parser::readTable(pugi::xml_node tbl, std::vector<ParagraphContent> *outerCell, int depth)
{
    checkDepth(depth);
    if (outerCell) {
        warnOnce(QStringLiteral("Tables inside tables are not supported; their text was kept in the outer cell."));
        for (pugi::xml_node tr : tbl.children())
            if (hasLocalName(tr, "tr"))
                for (pugi::xml_node tc : tr.children())
                    if (hasLocalName(tc, "tc"))
                        readBlocks(tc, outerCell, depth + 1);
        return;
    }
    TableContent table;
    table.format.setBorder(0);
    table.format.setCellSpacing(0);
    table.format.setCellPadding(twipsToLayout(108) / 2);
    const pugi::xml_node tblPr = child(tbl, "tblPr");
    const QString styleId = childValue(tblPr, "tblStyle");
    if (!styleId.isEmpty())
        table.format.setProperty(prop::TableStyleId, styleId);
    const struct {
        const char *name;
        int property;
    } tableSides[] = {{"top", prop::TableBorderTop},         {"bottom", prop::TableBorderBottom},
                      {"left", prop::TableBorderLeft},       {"right", prop::TableBorderRight},
                      {"insideH", prop::TableBorderInsideH}, {"insideV", prop::TableBorderInsideV}};
    if (const pugi::xml_node borders = child(tblPr, "tblBorders"))
        for (const auto &side : tableSides)
            if (pugi::xml_node b = child(borders, side.name))
                setBorderLine(table.format, side.property, borderFrom(b));

    QList<QTextLength> widths;
    for (pugi::xml_node col : child(tbl, "tblGrid").children())
        if (hasLocalName(col, "gridCol"))
            widths << QTextLength(QTextLength::FixedLength, twipsToLayout(intValue(col, "w", 1440)));
    // Rows may name more grid columns than the grid has.
    int columns = int(widths.size());
    std::vector<pugi::xml_node> rows;
    for (pugi::xml_node tr : tbl.children())
        if (hasLocalName(tr, "tr")) {
            rows.push_back(tr);
            int count = 0;
            for (pugi::xml_node tc : tr.children())
                if (hasLocalName(tc, "tc"))
                    count += std::clamp(intValue(child(child(tc, "tcPr"), "gridSpan"), "val", 1), 1, maxTableColumns + 1);
            columns = std::max(columns, count);
        }
    if (rows.empty() || columns == 0)
        return;
    if (columns > maxTableColumns)
        throw Error(QStringLiteral("a table has more than %1 columns.").arg(maxTableColumns));
    m_tableCells += qsizetype(rows.size()) * columns;
    if (m_tableCells > maxTableCells)
        throw Error(QStringLiteral("its tables have more than %1 cells.").arg(maxTableCells));
    while (widths.size() < columns)
        widths << QTextLength(QTextLength::FixedLength, twipsToLayout(1440));
    table.format.setColumnWidthConstraints(widths);
    table.rows.assign(rows.size(), std::vector<CellContent>(std::size_t(columns)));
    QVariantList heights;
    int headerRows = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const pugi::xml_node trPr = child(rows[r], "trPr");
        const pugi::xml_node trHeight = child(trPr, "trHeight");
        const int height = std::clamp(intValue(trHeight, "val", 0), 0, 31680);
        const QString rule = value(trHeight, "hRule");
        heights << (rule == QLatin1String("exact") ? -height : rule == QLatin1String("auto") ? 0 : height);
        const pugi::xml_node header = child(trPr, "tblHeader");
        if (header && toggle(header) && headerRows == int(r))
            ++headerRows; // only rows at the top repeat on every page
    }
    if (std::any_of(heights.begin(), heights.end(), [](const QVariant &height) { return height.toInt() != 0; }))
        table.format.setProperty(prop::TableRowHeights, heights);
    if (headerRows)
        table.format.setHeaderRowCount(headerRows);

    const struct {
        const char *name;
        int property;
    } cellSides[] = {{"top", prop::TableBorderTop},   {"bottom", prop::TableBorderBottom},
                     {"left", prop::TableBorderLeft}, {"start", prop::TableBorderLeft},
                     {"right", prop::TableBorderRight}, {"end", prop::TableBorderRight}};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        int column = 0;
        for (pugi::xml_node tc : rows[r].children()) {
            if (!hasLocalName(tc, "tc") || column >= columns)
                continue;
            const pugi::xml_node tcPr = child(tc, "tcPr");
            const int span = std::clamp(intValue(child(tcPr, "gridSpan"), "val", 1), 1, columns - column);
            CellContent &cell = table.rows[r][std::size_t(column)];
            for (int c = 1; c < span; ++c)
                table.rows[r][std::size_t(column + c)].covered = true;
            cell.columnSpan = span;
            const pugi::xml_node vMerge = child(tcPr, "vMerge");
            if (vMerge && value(vMerge) != QLatin1String("restart") && r > 0) {
                // Continue the cell above: find the start of the merge in this column.
                cell.covered = true;
                for (int c = 1; c < span; ++c)
                    table.rows[r][std::size_t(column + c)].covered = true;
                std::size_t above = r - 1;
                while (above > 0 && table.rows[above][std::size_t(column)].covered)
                    --above;
                CellContent &top = table.rows[above][std::size_t(column)];
                if (!top.covered)
                    top.rowSpan = int(r - above) + 1;
                column += span;
                continue;
            }
            if (const QColor c = hexColor(value(child(tcPr, "shd"), "fill")); c.isValid())
                cell.format.setBackground(c);
            const QString valign = childValue(tcPr, "vAlign");
            if (valign == QLatin1String("center"))
                cell.format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
            else if (valign == QLatin1String("bottom"))
                cell.format.setVerticalAlignment(QTextCharFormat::AlignBottom);
            else if (valign == QLatin1String("top"))
                cell.format.setVerticalAlignment(QTextCharFormat::AlignTop);
            if (const pugi::xml_node borders = child(tcPr, "tcBorders"))
                for (const auto &side : cellSides)
                    if (pugi::xml_node b = child(borders, side.name))
                        setBorderLine(cell.format, side.property, borderFrom(b));
            readBlocks(tc, &cell.paragraphs, depth + 1);
            column += span;
        }
    }
    m_story.builder->addTable(table);
}

void Parser::readSection(pugi::xml_node sectPr)
{
    Section section;
    const pugi::xml_node pgSz = child(sectPr, "pgSz");
    section.pageWidth = std::clamp(intValue(pgSz, "w", section.pageWidth), 144, 31680 * 2);
    section.pageHeight = std::clamp(intValue(pgSz, "h", section.pageHeight), 144, 31680 * 2);
    section.landscape = value(pgSz, "orient") == QLatin1String("landscape") || section.pageWidth > section.pageHeight;
    section.paperKind = paperKindForSize(QSize(std::min(section.pageWidth, section.pageHeight),
                                               std::max(section.pageWidth, section.pageHeight)));
    if (const pugi::xml_node pgMar = child(sectPr, "pgMar")) {
        PageMargins &m = section.margins;
        m.top = intValue(pgMar, "top", m.top);
        m.bottom = intValue(pgMar, "bottom", m.bottom);
        m.left = intValue(pgMar, attribute(pgMar, "left") ? "left" : "start", m.left);
        m.right = intValue(pgMar, attribute(pgMar, "right") ? "right" : "end", m.right);
        m.header = intValue(pgMar, "header", m.header);
        m.footer = intValue(pgMar, "footer", m.footer);
    }
    if (const pugi::xml_node cols = child(sectPr, "cols")) {
        section.columnCount = std::clamp(intValue(cols, "num", 1), 1, 45);
        section.columnSpacing = intValue(cols, "space", section.columnSpacing);
    }
    if (const pugi::xml_node ln = child(sectPr, "lnNumType")) {
        section.lineNumbering.countBy = std::max(intValue(ln, "countBy", 0), 0);
        section.lineNumbering.start = intValue(ln, "start", 0) + 1;
        section.lineNumbering.distance = intValue(ln, "distance", 0);
        const QString restart = value(ln, "restart");
        section.lineNumbering.restart = restart == QLatin1String("continuous") ? LineNumbering::Continuous
                                        : restart == QLatin1String("newSection") ? LineNumbering::EachSection
                                                                                 : LineNumbering::EachPage;
    }
    if (const pugi::xml_node titlePg = child(sectPr, "titlePg"))
        section.differentFirstPage = toggle(titlePg);
    section.pageNumberStart = std::max(intValue(child(sectPr, "pgNumType"), "start", 0), 0);
    const QString type = childValue(sectPr, "type");
    section.start = type == QLatin1String("continuous") ? SectionStart::Continuous
                    : type == QLatin1String("evenPage") ? SectionStart::EvenPage
                    : type == QLatin1String("oddPage")  ? SectionStart::OddPage
                    : type == QLatin1String("nextColumn") ? SectionStart::Column
                                                          : SectionStart::NextPage;
    m_sections.push_back(section);
    for (pugi::xml_node e = sectPr.first_child(); e; e = e.next_sibling()) {
        const bool header = hasLocalName(e, "headerReference");
        if (!header && !hasLocalName(e, "footerReference"))
            continue;
        const QString kind = value(e, "type");
        const HeaderFooterKind which =
            kind == QLatin1String("first")  ? (header ? HeaderFooterKind::HeaderFirst : HeaderFooterKind::FooterFirst)
            : kind == QLatin1String("even") ? (header ? HeaderFooterKind::HeaderEven : HeaderFooterKind::FooterEven)
                                            : (header ? HeaderFooterKind::HeaderOdd : HeaderFooterKind::FooterOdd);
        readHeaderFooter(value(e, "id"), which);
    }
}

void Parser::readHeaderFooter(const QString &relationshipId, HeaderFooterKind kind)
{
    const auto rel = m_story.relationships.find(relationshipId);
    if (rel == m_story.relationships.end() || rel->second.target.isEmpty() ||
        !m_package.contains(rel->second.target)) {
        warnOnce(QStringLiteral("A header or footer whose part is missing was left out."));
        return;
    }
    const QString partName = rel->second.target;
    const auto xml = m_package.readXml(partName);
    const int sectionIndex = int(m_sections.size()) - 1;
    StoryBuilder builder(m_document, m_document.ensureHeaderFooter(sectionIndex, kind));
    readStory(xml->document_element(), {partName, m_package.relationships(partName), &builder});
}

} // namespace

void readDocx(const QByteArray &data, Document &document, ReadReport &report)
{
    Parser parser(data, document, report);
    parser.run();
}

} // namespace richedit
