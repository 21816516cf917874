#include "DocxWriter.h"

#include "platform/richedit/formats/UnderlineNames.h"
#include "platform/richedit/Error.h"
#include "platform/richedit/model/TextFormats.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <pugixml.hpp>
#include <zip.h>

#include <map>
#include <set>
#include <sstream>

namespace richedit {
namespace {

const char *const nsW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
const char *const nsR = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char *const relBase = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
const char *const typeBase = "application/vnd.openxmlformats-officedocument.wordprocessingml.";

/// How each kind of note is written: its part, elements and the mark's run in the note.
const struct {
    const char *part;      // also the relationship type and the content type's stem
    const char *root;
    const char *element;
    const char *reference; // in the main story
    const char *ownMark;   // first run of the note's text
    int firstId;           // footnotes and endnotes keep -1 and 0 for their separators
} noteWriting[] = {
    {"footnotes", "w:footnotes", "w:footnote", "w:footnoteReference", "w:footnoteRef", 1},
    {"endnotes", "w:endnotes", "w:endnote", "w:endnoteReference", "w:endnoteRef", 1},
    {"comments", "w:comments", "w:comment", "w:commentReference", "w:annotationRef", 0},
};

enum class Mode { Present, Difference };

/// Whether a property goes into the file: present on `format` itself (Present), or different
/// from what the style gives (Difference).
bool isWanted(Mode mode, const QTextFormat &format, std::initializer_list<int> properties, const QVariant &mine,
              const QVariant &theirs)
{
    if (mode == Mode::Present) {
        for (int property : properties)
            if (format.hasProperty(property))
                return true;
        return false;
    }
    return mine != theirs;
}

/// An on/off element: present means on, w:val="0" means explicitly off.
void appendFlag(pugi::xml_node parent, const char *name, bool on)
{
    pugi::xml_node node = parent.append_child(name);
    if (!on)
        node.append_attribute("w:val") = "0";
}

const char *numberFormatName(NumberFormat format)
{
    switch (format) {
    case NumberFormat::Bullet: return "bullet";
    case NumberFormat::Decimal: return "decimal";
    case NumberFormat::LowerLetter: return "lowerLetter";
    case NumberFormat::UpperLetter: return "upperLetter";
    case NumberFormat::LowerRoman: return "lowerRoman";
    case NumberFormat::UpperRoman: return "upperRoman";
    case NumberFormat::None: return "none";
    }
    return "decimal";
}

QColor brushColor(const QTextFormat &format, int property)
{
    const QBrush brush = format.brushProperty(property);
    return brush.style() == Qt::NoBrush ? QColor() : brush.color();
}

QByteArray hex(const QColor &color)
{
    return color.isValid() ? color.name().mid(1).toUpper().toLatin1() : QByteArray("auto");
}

QString firstFamily(const QTextFormat &format)
{
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    return families.isEmpty() ? format.stringProperty(QTextFormat::FontFamily) : families.front();
}


pugi::xml_node addValue(pugi::xml_node parent, const char *name, const QByteArray &value)
{
    pugi::xml_node node = parent.append_child(name);
    node.append_attribute("w:val") = value.constData();
    return node;
}

pugi::xml_node addValue(pugi::xml_node parent, const char *name, int value)
{
    return addValue(parent, name, QByteArray::number(value));
}

void setAttribute(pugi::xml_node node, const char *name, const QByteArray &value)
{
    node.append_attribute(name) = value.constData();
}

void setAttribute(pugi::xml_node node, const char *name, int value) { setAttribute(node, name, QByteArray::number(value)); }

QByteArray toBytes(const pugi::xml_document &xml)
{
    std::ostringstream stream;
    xml.save(stream, "", pugi::format_raw);
    const std::string text = stream.str();
    return QByteArray(text.data(), qsizetype(text.size()));
}

pugi::xml_node newRoot(pugi::xml_document &xml, const char *name)
{
    pugi::xml_node declaration = xml.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    declaration.append_attribute("standalone") = "yes";
    pugi::xml_node root = xml.append_child(name);
    return root;
}

struct Relationships {
    struct Row {
        QByteArray id, type, target;
        bool external = false;
    };
    std::vector<Row> rows;
    QByteArray add(const char *type, const QByteArray &target, bool external = false)
    {
        const QByteArray id = "rId" + QByteArray::number(rows.size() + 1);
        rows.push_back({id, QByteArray(relBase) + type, target, external});
        return id;
    }
    QByteArray xml() const
    {
        pugi::xml_document doc;
        pugi::xml_node root = newRoot(doc, "Relationships");
        root.append_attribute("xmlns") = "http://schemas.openxmlformats.org/package/2006/relationships";
        for (const Row &row : rows) {
            pugi::xml_node node = root.append_child("Relationship");
            setAttribute(node, "Id", row.id);
            setAttribute(node, "Type", row.type);
            setAttribute(node, "Target", row.target);
            if (row.external)
                node.append_attribute("TargetMode") = "External";
        }
        return toBytes(doc);
    }
};

class Generator {
public:
    explicit Generator(const Document &document) : m_document(document) {}
    QByteArray write();

private:
    struct Part {
        QString name;
        QByteArray data;
    };
    struct StoryContext {
        const QTextDocument *story;
        Relationships *relationships;
        bool main;
    };

    void characterProperties(pugi::xml_node parent, const QTextCharFormat &format, const QTextCharFormat &base,
                             Mode mode, bool withStyle);
    void paragraphProperties(pugi::xml_node pPr, const QTextBlockFormat &format, const QTextBlockFormat &base,
                             Mode mode);
    void border(pugi::xml_node parent, const char *name, const QTextFormat &format, int property);
    void styles();
    void numbering();
    void settings();
    void sectionProperties(pugi::xml_node parent, int index);
    void story(pugi::xml_node container, const StoryContext &context);
    void frame(pugi::xml_node container, QTextFrame *frame, const StoryContext &context);
    void paragraph(pugi::xml_node container, const QTextBlock &block, const StoryContext &context);
    void runs(pugi::xml_node p, const QTextBlock &block, const QTextCharFormat &base, const StoryContext &context);
    void textRun(pugi::xml_node parent, const QString &text, const QTextCharFormat &format,
                 const QTextCharFormat &base);
    void picture(pugi::xml_node parent, const QTextImageFormat &format, const StoryContext &context);
    void table(pugi::xml_node container, QTextTable *table, const StoryContext &context);
    void bookmarks(pugi::xml_node parent, int position, const StoryContext &context);
    int noteReference(pugi::xml_node parent, const QTextCharFormat &format, const QTextCharFormat &base,
                      const QString &text);
    void noteParts();

    const Document &m_document;
    std::vector<Part> m_parts;
    Relationships m_documentRelationships;
    std::vector<QByteArray> m_headerOverrides;
    // Bookmark starts and ends by position in the story being written; the others wait by story.
    std::map<int, QStringList> m_bookmarkStarts;
    std::map<int, QStringList> m_bookmarkEnds;
    std::map<const QTextDocument *, std::pair<std::map<int, QStringList>, std::map<int, QStringList>>> m_storyMarks;
    std::map<QString, int> m_bookmarkIds;
    int m_openField = 0; // the field whose result the paragraphs written last are in
    int m_imageCount = 0;
    int m_drawingId = 0;
    int m_headerCount = 0;
    int m_footerCount = 0;
    int m_section = 0;
    bool m_hasPng = false;
    bool m_hasJpeg = false;
    std::vector<int> m_notes[std::size(noteWriting)]; // note ids in the order referred to, by kind
    std::set<int> m_notesReferred;
    std::vector<QByteArray> m_noteOverrides;
};

void Generator::characterProperties(pugi::xml_node parent, const QTextCharFormat &format, const QTextCharFormat &base,
                                    Mode mode, bool withStyle)
{
    pugi::xml_node rPr = parent.append_child("w:rPr");
    QTextCharFormat effective = base;
    effective.merge(format);
    const auto wanted = [&](std::initializer_list<int> properties, const QVariant &mine, const QVariant &theirs) {
        return isWanted(mode, format, properties, mine, theirs);
    };
    const auto flag = [&](const char *name, bool on) { appendFlag(rPr, name, on); };
    if (withStyle && format.hasProperty(prop::CharacterStyleId))
        addValue(rPr, "w:rStyle", format.stringProperty(prop::CharacterStyleId).toUtf8());
    const QString family = firstFamily(effective);
    if (wanted({QTextFormat::FontFamilies, QTextFormat::FontFamily}, family, firstFamily(base)) && !family.isEmpty()) {
        pugi::xml_node fonts = rPr.append_child("w:rFonts");
        for (const char *attribute : {"w:ascii", "w:hAnsi", "w:cs", "w:eastAsia"})
            setAttribute(fonts, attribute, family.toUtf8());
    }
    const bool bold = effective.fontWeight() >= QFont::DemiBold;
    if (wanted({QTextFormat::FontWeight}, bold, base.fontWeight() >= QFont::DemiBold))
        flag("w:b", bold);
    if (wanted({QTextFormat::FontItalic}, effective.fontItalic(), base.fontItalic()))
        flag("w:i", effective.fontItalic());
    const int caps = effective.fontCapitalization();
    if (wanted({QTextFormat::FontCapitalization}, caps, int(base.fontCapitalization()))) {
        // Only the one that is on, so a reader taking them in order does not switch it off again.
        if (caps != QFont::SmallCaps)
            flag("w:caps", caps == QFont::AllUppercase);
        if (caps != QFont::AllUppercase)
            flag("w:smallCaps", caps == QFont::SmallCaps);
    }
    if (wanted({QTextFormat::FontStrikeOut}, effective.fontStrikeOut(), base.fontStrikeOut()))
        flag("w:strike", effective.fontStrikeOut());
    const bool doubleStrike = effective.boolProperty(prop::DoubleStrikeOut);
    if (wanted({prop::DoubleStrikeOut}, doubleStrike, base.boolProperty(prop::DoubleStrikeOut)))
        flag("w:dstrike", doubleStrike);
    const bool noProof = effective.boolProperty(prop::NoProof);
    if (wanted({prop::NoProof}, noProof, base.boolProperty(prop::NoProof)))
        flag("w:noProof", noProof);
    const bool hidden = effective.boolProperty(prop::Hidden);
    if (wanted({prop::Hidden}, hidden, base.boolProperty(prop::Hidden)))
        flag("w:vanish", hidden);
    const QColor foreground = brushColor(effective, QTextFormat::ForegroundBrush);
    if (wanted({QTextFormat::ForegroundBrush}, foreground, brushColor(base, QTextFormat::ForegroundBrush)))
        addValue(rPr, "w:color", hex(foreground));
    if (wanted({QTextFormat::FontPointSize}, effective.fontPointSize(), base.fontPointSize()) &&
        effective.fontPointSize() > 0) {
        addValue(rPr, "w:sz", qRound(effective.fontPointSize() * 2));
        addValue(rPr, "w:szCs", qRound(effective.fontPointSize() * 2));
    }
    const QColor highlight = effective.colorProperty(prop::Highlight);
    if (wanted({prop::Highlight}, highlight, base.colorProperty(prop::Highlight)))
        addValue(rPr, "w:highlight", highlight.isValid() ? QByteArray(highlightName(highlight)) : "none");
    const UnderlineType underline = underlineType(effective);
    const QColor underlineColor = effective.underlineColor();
    if (wanted({prop::UnderlineKind, QTextFormat::TextUnderlineStyle, QTextFormat::TextUnderlineColor},
               QVariant(QList<QVariant>{int(underline), underlineColor}),
               QVariant(QList<QVariant>{int(underlineType(base)), base.underlineColor()}))) {
        for (const auto &row : underlineNames)
            if (row.type == underline) {
                pugi::xml_node u = addValue(rPr, "w:u", row.docx);
                if (underlineColor.isValid())
                    setAttribute(u, "w:color", hex(underlineColor));
            }
    }
    const QColor background = brushColor(effective, QTextFormat::BackgroundBrush);
    if (wanted({QTextFormat::BackgroundBrush}, background, brushColor(base, QTextFormat::BackgroundBrush))) {
        pugi::xml_node shd = addValue(rPr, "w:shd", "clear");
        setAttribute(shd, "w:color", "auto");
        setAttribute(shd, "w:fill", hex(background));
    }
    const int alignment = effective.verticalAlignment();
    if (wanted({QTextFormat::TextVerticalAlignment}, alignment, int(base.verticalAlignment())))
        addValue(rPr, "w:vertAlign",
                 alignment == QTextCharFormat::AlignSuperScript ? "superscript"
                 : alignment == QTextCharFormat::AlignSubScript ? "subscript"
                                                                : "baseline");
    if (!rPr.first_child())
        parent.remove_child(rPr);
}

void Generator::border(pugi::xml_node parent, const char *name, const QTextFormat &format, int property)
{
    const auto line = borderLine(format, property);
    if (!line)
        return;
    pugi::xml_node node = addValue(parent, name, line->style.toUtf8());
    setAttribute(node, "w:sz", line->width);
    setAttribute(node, "w:space", line->space);
    setAttribute(node, "w:color", hex(line->color));
}

void Generator::paragraphProperties(pugi::xml_node pPr, const QTextBlockFormat &format, const QTextBlockFormat &base,
                                    Mode mode)
{
    QTextBlockFormat effective = base;
    effective.merge(format);
    const auto wanted = [&](std::initializer_list<int> properties, const QVariant &mine, const QVariant &theirs) {
        return isWanted(mode, format, properties, mine, theirs);
    };
    const auto flag = [&](const char *name, bool on) { appendFlag(pPr, name, on); };
    if (wanted({prop::KeepWithNext}, effective.boolProperty(prop::KeepWithNext), base.boolProperty(prop::KeepWithNext)))
        flag("w:keepNext", effective.boolProperty(prop::KeepWithNext));
    if (wanted({QTextFormat::BlockNonBreakableLines}, effective.nonBreakableLines(), base.nonBreakableLines()))
        flag("w:keepLines", effective.nonBreakableLines());
    const bool pageBreak = effective.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
    if (wanted({QTextFormat::PageBreakPolicy}, pageBreak, bool(base.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)))
        flag("w:pageBreakBefore", pageBreak);
    if (wanted({prop::WidowControl}, effective.boolProperty(prop::WidowControl), base.boolProperty(prop::WidowControl)))
        flag("w:widowControl", effective.boolProperty(prop::WidowControl));
    // numPr is written by the caller, which knows the paragraph's list; it goes here in order.
    pPr.append_child("numPrPlace");
    const int borderProperties[] = {prop::BorderTop, prop::BorderLeft, prop::BorderBottom, prop::BorderRight,
                                    prop::BorderBetween};
    const char *borderNames[] = {"w:top", "w:left", "w:bottom", "w:right", "w:between"};
    bool bordersDiffer = false;
    for (int property : borderProperties)
        bordersDiffer = bordersDiffer || wanted({property}, effective.property(property), base.property(property));
    if (bordersDiffer) {
        pugi::xml_node pBdr = pPr.append_child("w:pBdr");
        for (int i = 0; i < 5; ++i)
            border(pBdr, borderNames[i], effective, borderProperties[i]);
    }
    const QColor shading = brushColor(effective, QTextFormat::BackgroundBrush);
    if (wanted({QTextFormat::BackgroundBrush}, shading, brushColor(base, QTextFormat::BackgroundBrush))) {
        pugi::xml_node shd = addValue(pPr, "w:shd", "clear");
        setAttribute(shd, "w:color", "auto");
        setAttribute(shd, "w:fill", hex(shading));
    }
    const QList<QTextOption::Tab> tabs = effective.tabPositions();
    const QString leaders = effective.stringProperty(prop::TabLeaders);
    if (wanted({QTextFormat::TabPositions, prop::TabLeaders},
               QVariant(QList<QVariant>{effective.property(QTextFormat::TabPositions), leaders}),
               QVariant(QList<QVariant>{base.property(QTextFormat::TabPositions), base.stringProperty(prop::TabLeaders)}))) {
        pugi::xml_node tabsNode = pPr.append_child("w:tabs");
        // Tabs the base has and this paragraph lacks are cleared.
        for (const QTextOption::Tab &tab : base.tabPositions())
            if (!tabs.contains(tab)) {
                pugi::xml_node node = addValue(tabsNode, "w:tab", "clear");
                setAttribute(node, "w:pos", layoutToTwipsRounded(tab.position));
            }
        for (qsizetype i = 0; i < tabs.size(); ++i) {
            const QTextOption::Tab &tab = tabs[i];
            pugi::xml_node node = addValue(tabsNode, "w:tab",
                                           tab.type == QTextOption::RightTab       ? "right"
                                           : tab.type == QTextOption::CenterTab    ? "center"
                                           : tab.type == QTextOption::DelimiterTab ? "decimal"
                                                                                   : "left");
            const QChar leader = i < leaders.size() ? leaders[i] : QChar(LeaderNone);
            if (leader != QChar(LeaderNone))
                setAttribute(node, "w:leader", leader == QChar(LeaderDot)      ? "dot"
                                               : leader == QChar(LeaderHyphen) ? "hyphen"
                                                                               : "underscore");
            setAttribute(node, "w:pos", layoutToTwipsRounded(tab.position));
        }
        if (!tabsNode.first_child())
            pPr.remove_child(tabsNode);
    }
    const auto twips = [](const QTextBlockFormat &f, int property) {
        return layoutToTwipsRounded(f.doubleProperty(property));
    };
    const int before = twips(effective, QTextFormat::BlockTopMargin);
    const int after = twips(effective, QTextFormat::BlockBottomMargin);
    const int heightType = effective.lineHeightType();
    const qreal height = effective.lineHeight();
    const bool spacingBefore = wanted({QTextFormat::BlockTopMargin}, before, twips(base, QTextFormat::BlockTopMargin));
    const bool spacingAfter = wanted({QTextFormat::BlockBottomMargin}, after, twips(base, QTextFormat::BlockBottomMargin));
    const bool lineSpacing = wanted({QTextFormat::LineHeightType, QTextFormat::LineHeight},
                                    QVariant(QList<QVariant>{heightType, height}),
                                    QVariant(QList<QVariant>{base.lineHeightType(), base.lineHeight()}));
    if (spacingBefore || spacingAfter || lineSpacing) {
        pugi::xml_node spacing = pPr.append_child("w:spacing");
        if (spacingBefore)
            setAttribute(spacing, "w:before", before);
        if (spacingAfter)
            setAttribute(spacing, "w:after", after);
        if (lineSpacing) {
            switch (heightType) {
            case QTextBlockFormat::ProportionalHeight:
                setAttribute(spacing, "w:line", qRound(height * 2.4));
                setAttribute(spacing, "w:lineRule", "auto");
                break;
            case QTextBlockFormat::FixedHeight:
                setAttribute(spacing, "w:line", layoutToTwipsRounded(height));
                setAttribute(spacing, "w:lineRule", "exact");
                break;
            case QTextBlockFormat::MinimumHeight:
                setAttribute(spacing, "w:line", layoutToTwipsRounded(height));
                setAttribute(spacing, "w:lineRule", "atLeast");
                break;
            default:
                setAttribute(spacing, "w:line", 240);
                setAttribute(spacing, "w:lineRule", "auto");
                break;
            }
        }
    }
    const int left = twips(effective, QTextFormat::BlockLeftMargin);
    const int right = twips(effective, QTextFormat::BlockRightMargin);
    const int indent = twips(effective, QTextFormat::TextIndent);
    const bool leftDiffers = wanted({QTextFormat::BlockLeftMargin}, left, twips(base, QTextFormat::BlockLeftMargin));
    const bool rightDiffers = wanted({QTextFormat::BlockRightMargin}, right, twips(base, QTextFormat::BlockRightMargin));
    const bool indentDiffers = wanted({QTextFormat::TextIndent}, indent, twips(base, QTextFormat::TextIndent));
    if (leftDiffers || rightDiffers || indentDiffers) {
        pugi::xml_node ind = pPr.append_child("w:ind");
        if (leftDiffers)
            setAttribute(ind, "w:left", left);
        if (rightDiffers)
            setAttribute(ind, "w:right", right);
        if (indentDiffers)
            setAttribute(ind, indent < 0 ? "w:hanging" : "w:firstLine", std::abs(indent));
    }
    if (wanted({QTextFormat::BlockAlignment}, int(effective.alignment()), int(base.alignment()))) {
        const Qt::Alignment a = effective.alignment();
        addValue(pPr, "w:jc", a & Qt::AlignHCenter ? "center" : a & Qt::AlignRight ? "right" : a & Qt::AlignJustify ? "both" : "left");
    }
    const auto outline = [](const QTextBlockFormat &f) {
        return f.hasProperty(prop::OutlineLevel) ? f.intProperty(prop::OutlineLevel) : bodyTextLevel;
    };
    if (wanted({prop::OutlineLevel}, outline(effective), outline(base)))
        addValue(pPr, "w:outlineLvl", outline(effective));
}

void Generator::styles()
{
    pugi::xml_document xml;
    pugi::xml_node root = newRoot(xml, "w:styles");
    root.append_attribute("xmlns:w") = nsW;
    const StyleSheet &sheet = m_document.styles();
    pugi::xml_node defaults = root.append_child("w:docDefaults");
    QTextCharFormat defaultChar = sheet.defaultCharFormat;
    if (!defaultChar.hasProperty(QTextFormat::FontFamilies))
        defaultChar.setFontFamilies(QStringList{m_document.defaultFont().family()});
    if (!defaultChar.hasProperty(QTextFormat::FontPointSize))
        defaultChar.setFontPointSize(m_document.defaultFont().pointSizeF() > 0 ? m_document.defaultFont().pointSizeF() : 12);
    characterProperties(defaults.append_child("w:rPrDefault"), defaultChar, QTextCharFormat(), Mode::Present, false);
    pugi::xml_node pPrDefault = defaults.append_child("w:pPrDefault");
    pugi::xml_node pPr = pPrDefault.append_child("w:pPr");
    paragraphProperties(pPr, sheet.defaultBlockFormat, QTextBlockFormat(), Mode::Present);
    pPr.remove_child("numPrPlace");
    for (const Style &style : sheet.styles()) {
        pugi::xml_node node = root.append_child("w:style");
        node.append_attribute("w:type") = style.type == StyleType::Paragraph   ? "paragraph"
                                          : style.type == StyleType::Character ? "character"
                                                                               : "table";
        if (style.isDefault)
            node.append_attribute("w:default") = "1";
        setAttribute(node, "w:styleId", style.id.toUtf8());
        addValue(node, "w:name", (style.name.isEmpty() ? style.id : style.name).toUtf8());
        if (!style.basedOn.isEmpty())
            addValue(node, "w:basedOn", style.basedOn.toUtf8());
        if (!style.next.isEmpty())
            addValue(node, "w:next", style.next.toUtf8());
        if (style.type != StyleType::Character) {
            pugi::xml_node stylePPr = node.append_child("w:pPr");
            paragraphProperties(stylePPr, style.blockFormat, QTextBlockFormat(), Mode::Present);
            stylePPr.remove_child("numPrPlace");
            if (!stylePPr.first_child())
                node.remove_child(stylePPr);
        }
        characterProperties(node, style.charFormat, QTextCharFormat(), Mode::Present, false);
    }
    m_parts.push_back({QStringLiteral("word/styles.xml"), toBytes(xml)});
}

void Generator::numbering()
{
    if (m_document.lists().empty())
        return;
    pugi::xml_document xml;
    pugi::xml_node root = newRoot(xml, "w:numbering");
    root.append_attribute("xmlns:w") = nsW;
    for (const auto &[id, list] : m_document.lists()) {
        pugi::xml_node abstract = root.append_child("w:abstractNum");
        setAttribute(abstract, "w:abstractNumId", id);
        addValue(abstract, "w:multiLevelType", "hybridMultilevel");
        for (int i = 0; i < 9; ++i) {
            const ListLevel &level = list.levels[std::size_t(i)];
            pugi::xml_node lvl = abstract.append_child("w:lvl");
            setAttribute(lvl, "w:ilvl", i);
            addValue(lvl, "w:start", level.start);
            addValue(lvl, "w:numFmt", numberFormatName(level.format));
            addValue(lvl, "w:lvlText", level.text.toUtf8());
            addValue(lvl, "w:lvlJc", "left");
            pugi::xml_node ind = lvl.append_child("w:pPr").append_child("w:ind");
            setAttribute(ind, "w:left", level.indent);
            setAttribute(ind, "w:hanging", level.hanging);
            if (!level.fontFamily.isEmpty()) {
                pugi::xml_node fonts = lvl.append_child("w:rPr").append_child("w:rFonts");
                for (const char *attribute : {"w:ascii", "w:hAnsi"})
                    setAttribute(fonts, attribute, level.fontFamily.toUtf8());
            }
        }
    }
    for (const auto &[id, list] : m_document.lists()) {
        pugi::xml_node num = root.append_child("w:num");
        setAttribute(num, "w:numId", id);
        addValue(num, "w:abstractNumId", id);
    }
    m_parts.push_back({QStringLiteral("word/numbering.xml"), toBytes(xml)});
    m_documentRelationships.add("numbering", "numbering.xml");
}

void Generator::settings()
{
    pugi::xml_document xml;
    pugi::xml_node root = newRoot(xml, "w:settings");
    root.append_attribute("xmlns:w") = nsW;
    // Word shows a document's page colour only with this setting on.
    if (m_document.pageColor().isValid())
        root.append_child("w:displayBackgroundShape");
    const Protection &protection = m_document.protection();
    if (protection.kind != ProtectionKind::None) {
        const char *edits[] = {"none", "readOnly", "comments", "trackedChanges", "forms"};
        pugi::xml_node node = root.append_child("w:documentProtection");
        node.append_attribute("w:edit") = edits[int(protection.kind)];
        node.append_attribute("w:enforcement") = protection.enforced ? "1" : "0";
        if (protection.algorithm.startsWith(QLatin1String("sid:"))) {
            node.append_attribute("w:cryptProviderType") = "rsaAES";
            node.append_attribute("w:cryptAlgorithmClass") = "hash";
            node.append_attribute("w:cryptAlgorithmType") = "typeAny";
            setAttribute(node, "w:cryptAlgorithmSid", protection.algorithm.mid(4).toUtf8());
            setAttribute(node, "w:cryptSpinCount", protection.spinCount);
            setAttribute(node, "w:hash", protection.hash.toUtf8());
            setAttribute(node, "w:salt", protection.salt.toUtf8());
        } else if (!protection.algorithm.isEmpty()) {
            setAttribute(node, "w:algorithmName", protection.algorithm.toUtf8());
            setAttribute(node, "w:hashValue", protection.hash.toUtf8());
            setAttribute(node, "w:saltValue", protection.salt.toUtf8());
            setAttribute(node, "w:spinCount", protection.spinCount);
        }
    }
    addValue(root, "w:defaultTabStop", 720);
    if (m_document.evenAndOddHeaders())
        root.append_child("w:evenAndOddHeaders");
    m_parts.push_back({QStringLiteral("word/settings.xml"), toBytes(xml)});
}

void Generator::sectionProperties(pugi::xml_node parent, int index)
{
    const Section &section = m_document.section(index);
    pugi::xml_node sectPr = parent.append_child("w:sectPr");
    const struct {
        HeaderFooterKind kind;
        const char *element;
        const char *type;
    } references[] = {{HeaderFooterKind::HeaderOdd, "w:headerReference", "default"},
                      {HeaderFooterKind::HeaderEven, "w:headerReference", "even"},
                      {HeaderFooterKind::HeaderFirst, "w:headerReference", "first"},
                      {HeaderFooterKind::FooterOdd, "w:footerReference", "default"},
                      {HeaderFooterKind::FooterEven, "w:footerReference", "even"},
                      {HeaderFooterKind::FooterFirst, "w:footerReference", "first"}};
    for (const auto &row : references) {
        const QTextDocument *storyDocument = m_document.headerFooter(index, row.kind);
        if (!storyDocument)
            continue;
        const bool header = isHeader(row.kind);
        const QByteArray name = (header ? "header" : "footer") +
                                QByteArray::number(header ? ++m_headerCount : ++m_footerCount) + ".xml";
        pugi::xml_document xml;
        pugi::xml_node root = newRoot(xml, header ? "w:hdr" : "w:ftr");
        root.append_attribute("xmlns:w") = nsW;
        root.append_attribute("xmlns:r") = nsR;
        root.append_attribute("xmlns:wp") = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
        root.append_attribute("xmlns:a") = "http://schemas.openxmlformats.org/drawingml/2006/main";
        root.append_attribute("xmlns:pic") = "http://schemas.openxmlformats.org/drawingml/2006/picture";
        Relationships relationships;
        story(root, {storyDocument, &relationships, false});
        m_parts.push_back({QStringLiteral("word/") + QString::fromLatin1(name), toBytes(xml)});
        if (!relationships.rows.empty())
            m_parts.push_back({QStringLiteral("word/_rels/") + QString::fromLatin1(name) + QStringLiteral(".rels"),
                               relationships.xml()});
        m_headerOverrides.push_back(name);
        pugi::xml_node reference = sectPr.append_child(row.element);
        reference.append_attribute("w:type") = row.type;
        setAttribute(reference, "r:id", m_documentRelationships.add(header ? "header" : "footer", name));
    }
    const char *types[] = {"nextPage", "continuous", "evenPage", "oddPage", "nextColumn"};
    addValue(sectPr, "w:type", types[int(section.start)]);
    pugi::xml_node pgSz = sectPr.append_child("w:pgSz");
    setAttribute(pgSz, "w:w", section.pageWidth);
    setAttribute(pgSz, "w:h", section.pageHeight);
    if (section.landscape)
        pgSz.append_attribute("w:orient") = "landscape";
    pugi::xml_node pgMar = sectPr.append_child("w:pgMar");
    setAttribute(pgMar, "w:top", section.margins.top);
    setAttribute(pgMar, "w:right", section.margins.right);
    setAttribute(pgMar, "w:bottom", section.margins.bottom);
    setAttribute(pgMar, "w:left", section.margins.left);
    setAttribute(pgMar, "w:header", section.margins.header);
    setAttribute(pgMar, "w:footer", section.margins.footer);
    setAttribute(pgMar, "w:gutter", 0);
    if (section.lineNumbering.countBy > 0) {
        pugi::xml_node ln = sectPr.append_child("w:lnNumType");
        setAttribute(ln, "w:countBy", section.lineNumbering.countBy);
        setAttribute(ln, "w:start", section.lineNumbering.start - 1);
        if (section.lineNumbering.distance)
            setAttribute(ln, "w:distance", section.lineNumbering.distance);
        const char *restarts[] = {"newPage", "newSection", "continuous"};
        ln.append_attribute("w:restart") = restarts[int(section.lineNumbering.restart)];
    }
    if (section.pageNumberStart > 0)
        setAttribute(sectPr.append_child("w:pgNumType"), "w:start", section.pageNumberStart);
    pugi::xml_node cols = sectPr.append_child("w:cols");
    setAttribute(cols, "w:space", section.columnSpacing);
    if (section.columnCount > 1)
        setAttribute(cols, "w:num", section.columnCount);
    if (section.differentFirstPage)
        sectPr.append_child("w:titlePg");
}

void Generator::story(pugi::xml_node container, const StoryContext &context)
{
    auto &[starts, ends] = m_storyMarks[context.story];
    std::swap(m_bookmarkStarts, starts);
    std::swap(m_bookmarkEnds, ends);
    frame(container, context.story->rootFrame(), context);
    std::swap(m_bookmarkStarts, starts);
    std::swap(m_bookmarkEnds, ends);
}

void Generator::frame(pugi::xml_node container, QTextFrame *frame, const StoryContext &context)
{
    for (QTextFrame::iterator it = frame->begin(); !it.atEnd(); ++it) {
        if (QTextFrame *child = it.currentFrame()) {
            if (auto *table = qobject_cast<QTextTable *>(child))
                this->table(container, table, context);
            else
                this->frame(container, child, context);
            continue;
        }
        paragraph(container, it.currentBlock(), context);
    }
}

void Generator::paragraph(pugi::xml_node container, const QTextBlock &block, const StoryContext &context)
{
    const StyleSheet &sheet = m_document.styles();
    const QTextBlockFormat format = block.blockFormat();
    QString styleId = format.stringProperty(prop::ParagraphStyleId);
    if (styleId.isEmpty() || !sheet.find(styleId))
        styleId = sheet.defaultStyleId(StyleType::Paragraph);
    pugi::xml_node p = container.append_child("w:p");
    pugi::xml_node pPr = p.append_child("w:pPr");
    if (!styleId.isEmpty() && styleId != sheet.defaultStyleId(StyleType::Paragraph))
        addValue(pPr, "w:pStyle", styleId.toUtf8());
    paragraphProperties(pPr, format, sheet.resolvedBlockFormat(styleId), Mode::Difference);
    pugi::xml_node place = pPr.child("numPrPlace");
    if (const QTextList *list = block.textList()) {
        const QTextListFormat listFormat = list->format();
        const int id = listFormat.intProperty(prop::ListId);
        if (listFormat.hasProperty(prop::ListId) && m_document.lists().count(id)) {
            pugi::xml_node numPr = pPr.insert_child_before("w:numPr", place);
            addValue(numPr, "w:ilvl", listFormat.intProperty(prop::ListLevelIndex));
            addValue(numPr, "w:numId", id);
        }
    }
    pPr.remove_child(place);
    if (block.length() <= 1)
        characterProperties(pPr, paragraphMarkFormat(block), sheet.resolvedCharFormat(styleId), Mode::Difference, false);
    if (context.main && format.boolProperty(prop::SectionEnd) && m_section + 1 < int(m_document.sections().size()))
        sectionProperties(pPr, m_section++);
    if (!pPr.first_child())
        p.remove_child(pPr);
    runs(p, block, sheet.resolvedCharFormat(styleId), context);
}

void Generator::bookmarks(pugi::xml_node parent, int position, const StoryContext &context)
{
    Q_UNUSED(context)
    if (const auto it = m_bookmarkEnds.find(position); it != m_bookmarkEnds.end()) {
        for (const QString &name : it->second) {
            pugi::xml_node node = parent.append_child("w:bookmarkEnd");
            setAttribute(node, "w:id", m_bookmarkIds[name]);
        }
        m_bookmarkEnds.erase(it);
    }
    if (const auto it = m_bookmarkStarts.find(position); it != m_bookmarkStarts.end()) {
        for (const QString &name : it->second) {
            pugi::xml_node node = parent.append_child("w:bookmarkStart");
            const int id = int(m_bookmarkIds.size());
            m_bookmarkIds[name] = id;
            setAttribute(node, "w:id", id);
            setAttribute(node, "w:name", name.toUtf8());
        }
        m_bookmarkStarts.erase(it);
    }
}

void Generator::runs(pugi::xml_node p, const QTextBlock &block, const QTextCharFormat &paragraphBase,
                     const StoryContext &context)
{
    const StyleSheet &sheet = m_document.styles();
    QString openHref;
    pugi::xml_node target = p;
    const auto fieldChar = [&](const char *type) {
        pugi::xml_node r = p.append_child("w:r");
        r.append_child("w:fldChar").append_attribute("w:fldCharType") = type;
    };
    const auto closeLink = [&] {
        openHref.clear();
        target = p;
    };
    const auto closeField = [&] {
        closeLink();
        if (m_openField)
            fieldChar("end");
        m_openField = 0;
    };
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        const int field = format.intProperty(prop::FieldId);
        const QString href = format.isAnchor() ? format.anchorHref() : QString();
        if (field != m_openField) {
            closeField();
            if (field) {
                fieldChar("begin");
                pugi::xml_node instr = p.append_child("w:r").append_child("w:instrText");
                instr.append_attribute("xml:space") = "preserve";
                instr.text().set((QLatin1Char(' ') + format.stringProperty(prop::FieldInstruction) + QLatin1Char(' ')).toUtf8().constData());
                fieldChar("separate");
                m_openField = field;
            }
        }
        // A link inside a field's result (a table of contents entry) stays inside the field.
        if (href != openHref) {
            closeLink();
            if (!href.isEmpty()) {
                target = p.append_child("w:hyperlink");
                if (href.startsWith(QLatin1Char('#')))
                    setAttribute(target, "w:anchor", href.mid(1).toUtf8());
                else
                    setAttribute(target, "r:id", context.relationships->add("hyperlink", href.toUtf8(), true));
                openHref = href;
            }
        }
        QTextCharFormat base = paragraphBase;
        const QString charStyle = format.stringProperty(prop::CharacterStyleId);
        if (!charStyle.isEmpty() && sheet.find(charStyle))
            base.merge(sheet.chainCharFormat(charStyle));
        if (format.isImageFormat()) {
            bookmarks(target, fragment.position(), context);
            picture(target, format.toImageFormat(), context);
            continue;
        }
        QString text = fragment.text();
        int start = fragment.position();
        QTextCharFormat runFormat = format;
        if (context.main && format.hasProperty(prop::NoteReference)) {
            bookmarks(target, start, context);
            const int skip = noteReference(target, format, base, text);
            text = text.mid(skip);
            start += skip;
            runFormat.clearProperty(prop::NoteReference);
        }
        const bool anyMarks = !m_bookmarkStarts.empty() || !m_bookmarkEnds.empty();
        int from = 0;
        for (int i = 0; i <= text.size(); ++i) {
            const int position = start + i;
            const bool mark = anyMarks && (m_bookmarkStarts.count(position) || m_bookmarkEnds.count(position));
            if ((mark || i == text.size()) && i > from) {
                textRun(target, text.mid(from, i - from), runFormat, base);
                from = i;
            }
            if (mark && i < text.size())
                bookmarks(target, position, context);
        }
    }
    // A field whose result goes on in the next paragraph (a table of contents) stays open.
    const QTextBlock next = block.next();
    const bool continues = m_openField && next.isValid() && next.begin() != next.end()
                           && next.begin().fragment().charFormat().intProperty(prop::FieldId) == m_openField
                           && !QTextCursor(block).currentTable() && !QTextCursor(next).currentTable();
    if (continues)
        closeLink();
    else
        closeField();
    bookmarks(p, block.position() + block.length() - 1, context);
}

int Generator::noteReference(pugi::xml_node parent, const QTextCharFormat &format, const QTextCharFormat &base,
                            const QString &text)
{
    const int id = format.intProperty(prop::NoteReference);
    const Note *note = m_document.note(id);
    if (!note || !m_notesReferred.insert(id).second)
        return 0; // referred to already: the rest is text
    const std::size_t kind = std::size_t(note->kind);
    m_notes[kind].push_back(id);
    pugi::xml_node r = parent.append_child("w:r");
    QTextCharFormat markFormat = format;
    markFormat.clearProperty(prop::NoteReference);
    characterProperties(r, markFormat, base, Mode::Difference, true);
    setAttribute(r.append_child(noteWriting[kind].reference), "w:id",
                 noteWriting[kind].firstId + int(m_notes[kind].size()) - 1);
    if (!r.child("w:rPr").first_child())
        r.remove_child("w:rPr");
    // The reader's mark is numbered anew by whoever opens the file; text typed after it is kept.
    return !note->mark.isEmpty() && text.startsWith(note->mark) ? int(note->mark.size()) : 0;
}

void Generator::noteParts()
{
    for (std::size_t kind = 0; kind < std::size(noteWriting); ++kind) {
        if (m_notes[kind].empty())
            continue;
        const auto &how = noteWriting[kind];
        pugi::xml_document xml;
        pugi::xml_node root = newRoot(xml, how.root);
        root.append_attribute("xmlns:w") = nsW;
        root.append_attribute("xmlns:r") = nsR;
        root.append_attribute("xmlns:wp") = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
        root.append_attribute("xmlns:a") = "http://schemas.openxmlformats.org/drawingml/2006/main";
        root.append_attribute("xmlns:pic") = "http://schemas.openxmlformats.org/drawingml/2006/picture";
        if (how.firstId > 0) {
            const struct {
                const char *type;
                const char *mark;
            } separators[] = {{"separator", "w:separator"}, {"continuationSeparator", "w:continuationSeparator"}};
            int separatorId = -1;
            for (const auto &separator : separators) {
                pugi::xml_node node = root.append_child(how.element);
                node.append_attribute("w:type") = separator.type;
                setAttribute(node, "w:id", separatorId++);
                node.append_child("w:p").append_child("w:r").append_child(separator.mark);
            }
        }
        Relationships relationships;
        int id = how.firstId;
        for (const int noteId : m_notes[kind]) {
            const Note &note = *m_document.note(noteId);
            pugi::xml_node node = root.append_child(how.element);
            setAttribute(node, "w:id", id++);
            if (note.kind == NoteKind::Comment) {
                setAttribute(node, "w:author", note.author.toUtf8());
                if (!note.initials.isEmpty())
                    setAttribute(node, "w:initials", note.initials.toUtf8());
            }
            story(node, {note.story, &relationships, false});
            // The note's own mark leads its first paragraph.
            if (pugi::xml_node p = node.child("w:p")) {
                pugi::xml_node pPr = p.child("w:pPr");
                pugi::xml_node r = pPr ? p.insert_child_after("w:r", pPr) : p.prepend_child("w:r");
                if (note.kind != NoteKind::Comment)
                    addValue(r.append_child("w:rPr"), "w:vertAlign", "superscript");
                r.append_child(how.ownMark);
            } else {
                node.append_child("w:p");
            }
        }
        const QByteArray name = QByteArray(how.part) + ".xml";
        m_parts.push_back({QStringLiteral("word/") + QString::fromLatin1(name), toBytes(xml)});
        if (!relationships.rows.empty())
            m_parts.push_back({QStringLiteral("word/_rels/") + QString::fromLatin1(name) + QStringLiteral(".rels"),
                               relationships.xml()});
        m_documentRelationships.add(how.part, name);
        m_noteOverrides.push_back(how.part);
    }
}

void Generator::textRun(pugi::xml_node parent, const QString &text, const QTextCharFormat &format,
                        const QTextCharFormat &base)
{
    pugi::xml_node r = parent.append_child("w:r");
    characterProperties(r, format, base, Mode::Difference, true);
    QString pending;
    const auto flush = [&] {
        if (pending.isEmpty())
            return;
        pugi::xml_node t = r.append_child("w:t");
        t.append_attribute("xml:space") = "preserve";
        t.text().set(pending.toUtf8().constData());
        pending.clear();
    };
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\t') {
            flush();
            r.append_child("w:tab");
        } else if (u == QChar::LineSeparator || u == '\n') {
            flush();
            r.append_child("w:br");
        } else if (u == 0x2011) {
            flush();
            r.append_child("w:noBreakHyphen");
        } else if (u == 0x00AD) {
            flush();
            r.append_child("w:softHyphen");
        } else if (u < 0x20 || u == 0xFFFE || u == 0xFFFF || u == QChar::ObjectReplacementCharacter) {
            continue; // not allowed in XML
        } else {
            pending += c;
        }
    }
    flush();
}

void Generator::picture(pugi::xml_node parent, const QTextImageFormat &format, const StoryContext &context)
{
    const QVariant resource = context.story->resource(QTextDocument::ImageResource, QUrl(format.name()));
    QByteArray bytes;
    QImage image;
    if (resource.typeId() == QMetaType::QByteArray) {
        bytes = resource.toByteArray();
        image.loadFromData(bytes);
    } else {
        image = resource.value<QImage>();
    }
    const bool jpeg = bytes.startsWith("\xFF\xD8");
    if (!bytes.startsWith("\x89PNG") && !jpeg) {
        if (image.isNull())
            return;
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    (jpeg ? m_hasJpeg : m_hasPng) = true;
    const QByteArray name = "image" + QByteArray::number(++m_imageCount) + (jpeg ? ".jpeg" : ".png");
    m_parts.push_back({QStringLiteral("word/media/") + QString::fromLatin1(name), bytes});
    const QByteArray id = context.relationships->add("image", "media/" + name);
    const qint64 cx = qint64(layoutToTwipsRounded(format.width() > 0 ? format.width() : image.width())) * 635;
    const qint64 cy = qint64(layoutToTwipsRounded(format.height() > 0 ? format.height() : image.height())) * 635;

    pugi::xml_node inlineNode = parent.append_child("w:r").append_child("w:drawing").append_child("wp:inline");
    for (const char *distance : {"distT", "distB", "distL", "distR"})
        inlineNode.append_attribute(distance) = "0";
    pugi::xml_node extent = inlineNode.append_child("wp:extent");
    setAttribute(extent, "cx", QByteArray::number(cx));
    setAttribute(extent, "cy", QByteArray::number(cy));
    pugi::xml_node docPr = inlineNode.append_child("wp:docPr");
    setAttribute(docPr, "id", ++m_drawingId);
    setAttribute(docPr, "name", name);
    if (format.hasProperty(prop::ImageDescription))
        setAttribute(docPr, "descr", format.stringProperty(prop::ImageDescription).toUtf8());
    pugi::xml_node graphicData = inlineNode.append_child("a:graphic").append_child("a:graphicData");
    graphicData.append_attribute("uri") = "http://schemas.openxmlformats.org/drawingml/2006/picture";
    pugi::xml_node pic = graphicData.append_child("pic:pic");
    pugi::xml_node nv = pic.append_child("pic:nvPicPr");
    pugi::xml_node cNvPr = nv.append_child("pic:cNvPr");
    cNvPr.append_attribute("id") = "0";
    setAttribute(cNvPr, "name", name);
    nv.append_child("pic:cNvPicPr");
    pugi::xml_node blipFill = pic.append_child("pic:blipFill");
    setAttribute(blipFill.append_child("a:blip"), "r:embed", id);
    blipFill.append_child("a:stretch").append_child("a:fillRect");
    pugi::xml_node xfrm = pic.append_child("pic:spPr").append_child("a:xfrm");
    pugi::xml_node off = xfrm.append_child("a:off");
    off.append_attribute("x") = "0";
    off.append_attribute("y") = "0";
    pugi::xml_node ext = xfrm.append_child("a:ext");
    setAttribute(ext, "cx", QByteArray::number(cx));
    setAttribute(ext, "cy", QByteArray::number(cy));
    pugi::xml_node geometry = pic.child("pic:spPr").append_child("a:prstGeom");
    geometry.append_attribute("prst") = "rect";
    geometry.append_child("a:avLst");
}

void Generator::table(pugi::xml_node container, QTextTable *table, const StoryContext &context)
{
    const int rows = table->rows();
    const int columns = table->columns();
    const QTextTableFormat tableFormat = table->format();
    pugi::xml_node tbl = container.append_child("w:tbl");
    pugi::xml_node tblPr = tbl.append_child("w:tblPr");
    if (tableFormat.hasProperty(prop::TableStyleId))
        addValue(tblPr, "w:tblStyle", tableFormat.stringProperty(prop::TableStyleId).toUtf8());
    pugi::xml_node tblW = tblPr.append_child("w:tblW");
    tblW.append_attribute("w:w") = "0";
    tblW.append_attribute("w:type") = "auto";
    bool anyBorder = false;
    for (int property = prop::TableBorderTop; property <= prop::TableBorderInsideV; ++property)
        anyBorder = anyBorder || tableFormat.hasProperty(property);
    if (anyBorder) {
        pugi::xml_node borders = tblPr.append_child("w:tblBorders");
        border(borders, "w:top", tableFormat, prop::TableBorderTop);
        border(borders, "w:left", tableFormat, prop::TableBorderLeft);
        border(borders, "w:bottom", tableFormat, prop::TableBorderBottom);
        border(borders, "w:right", tableFormat, prop::TableBorderRight);
        border(borders, "w:insideH", tableFormat, prop::TableBorderInsideH);
        border(borders, "w:insideV", tableFormat, prop::TableBorderInsideV);
    }
    addValue(tblPr, "w:tblLayout", "fixed");
    const QList<QTextLength> constraints = tableFormat.columnWidthConstraints();
    std::vector<int> widths;
    pugi::xml_node grid = tbl.append_child("w:tblGrid");
    for (int c = 0; c < columns; ++c) {
        const QTextLength length = c < constraints.size() ? constraints[c] : QTextLength();
        const int width =
            length.type() == QTextLength::FixedLength ? layoutToTwipsRounded(length.rawValue()) : 9360 / columns;
        widths.push_back(width);
        setAttribute(grid.append_child("w:gridCol"), "w:w", width);
    }
    const QVariantList heights = tableFormat.property(prop::TableRowHeights).toList();
    for (int r = 0; r < rows; ++r) {
        pugi::xml_node tr = tbl.append_child("w:tr");
        const int height = r < heights.size() ? heights[r].toInt() : 0;
        if (height != 0 || r < tableFormat.headerRowCount()) {
            pugi::xml_node trPr = tr.append_child("w:trPr");
            if (height != 0) {
                pugi::xml_node trHeight = trPr.append_child("w:trHeight");
                setAttribute(trHeight, "w:val", std::abs(height));
                trHeight.append_attribute("w:hRule") = height < 0 ? "exact" : "atLeast";
            }
            if (r < tableFormat.headerRowCount())
                trPr.append_child("w:tblHeader");
        }
        for (int c = 0; c < columns; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.column() != c)
                continue;
            const QTextCharFormat format = cell.format();
            pugi::xml_node tc = tr.append_child("w:tc");
            pugi::xml_node tcPr = tc.append_child("w:tcPr");
            int width = 0;
            for (int i = c; i < std::min(c + cell.columnSpan(), columns); ++i)
                width += widths[std::size_t(i)];
            pugi::xml_node tcW = tcPr.append_child("w:tcW");
            setAttribute(tcW, "w:w", width);
            tcW.append_attribute("w:type") = "dxa";
            if (cell.columnSpan() > 1)
                addValue(tcPr, "w:gridSpan", cell.columnSpan());
            if (cell.row() != r)
                tcPr.append_child("w:vMerge");
            else if (cell.rowSpan() > 1)
                addValue(tcPr, "w:vMerge", "restart");
            bool anyCellBorder = false;
            for (int property = prop::TableBorderTop; property <= prop::TableBorderRight; ++property)
                anyCellBorder = anyCellBorder || format.hasProperty(property);
            if (anyCellBorder) {
                pugi::xml_node borders = tcPr.append_child("w:tcBorders");
                border(borders, "w:top", format, prop::TableBorderTop);
                border(borders, "w:left", format, prop::TableBorderLeft);
                border(borders, "w:bottom", format, prop::TableBorderBottom);
                border(borders, "w:right", format, prop::TableBorderRight);
            }
            const QColor shading = brushColor(format, QTextFormat::BackgroundBrush);
            if (shading.isValid()) {
                pugi::xml_node shd = addValue(tcPr, "w:shd", "clear");
                setAttribute(shd, "w:color", "auto");
                setAttribute(shd, "w:fill", hex(shading));
            }
            if (format.hasProperty(QTextFormat::TextVerticalAlignment)) {
                const auto alignment = format.verticalAlignment();
                addValue(tcPr, "w:vAlign", alignment == QTextCharFormat::AlignMiddle   ? "center"
                                           : alignment == QTextCharFormat::AlignBottom ? "bottom"
                                                                                       : "top");
            }
            if (cell.row() != r) {
                tc.append_child("w:p"); // every cell holds a paragraph
                continue;
            }
            for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it)
                if (!it.currentFrame())
                    paragraph(tc, it.currentBlock(), context);
            if (!tc.child("w:p"))
                tc.append_child("w:p");
        }
    }
}

QByteArray Generator::write()
{
    for (const auto *list : {&m_document.bookmarks(), &m_document.storyBookmarks()})
        for (const Bookmark &bookmark : *list) {
            auto &[starts, ends] = m_storyMarks[bookmark.range.document()];
            starts[bookmark.range.selectionStart()] << bookmark.name;
            ends[bookmark.range.selectionEnd()] << bookmark.name;
        }
    m_documentRelationships.add("styles", "styles.xml");
    m_documentRelationships.add("settings", "settings.xml");
    styles();
    numbering();
    settings();

    pugi::xml_document xml;
    pugi::xml_node root = newRoot(xml, "w:document");
    root.append_attribute("xmlns:w") = nsW;
    root.append_attribute("xmlns:r") = nsR;
    root.append_attribute("xmlns:wp") = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
    root.append_attribute("xmlns:a") = "http://schemas.openxmlformats.org/drawingml/2006/main";
    root.append_attribute("xmlns:pic") = "http://schemas.openxmlformats.org/drawingml/2006/picture";
    if (m_document.pageColor().isValid())
        setAttribute(root.append_child("w:background"), "w:color", hex(m_document.pageColor()));
    pugi::xml_node body = root.append_child("w:body");
    m_section = 0;
    story(body, {m_document.mainStory(), &m_documentRelationships, true});
    sectionProperties(body, int(m_document.sections().size()) - 1);
    noteParts();
    m_parts.push_back({QStringLiteral("word/document.xml"), toBytes(xml)});
    m_parts.push_back({QStringLiteral("word/_rels/document.xml.rels"), m_documentRelationships.xml()});

    Relationships packageRelationships;
    packageRelationships.add("officeDocument", "word/document.xml");
    m_parts.push_back({QStringLiteral("_rels/.rels"), packageRelationships.xml()});

    pugi::xml_document types;
    pugi::xml_node typesRoot = newRoot(types, "Types");
    typesRoot.append_attribute("xmlns") = "http://schemas.openxmlformats.org/package/2006/content-types";
    const auto addDefault = [&](const char *extension, const char *type) {
        pugi::xml_node node = typesRoot.append_child("Default");
        node.append_attribute("Extension") = extension;
        node.append_attribute("ContentType") = type;
    };
    const auto addOverride = [&](const QByteArray &part, const QByteArray &type) {
        pugi::xml_node node = typesRoot.append_child("Override");
        setAttribute(node, "PartName", part);
        setAttribute(node, "ContentType", QByteArray(typeBase) + type);
    };
    addDefault("rels", "application/vnd.openxmlformats-package.relationships+xml");
    addDefault("xml", "application/xml");
    if (m_hasPng)
        addDefault("png", "image/png");
    if (m_hasJpeg)
        addDefault("jpeg", "image/jpeg");
    addOverride("/word/document.xml", "document.main+xml");
    addOverride("/word/styles.xml", "styles+xml");
    addOverride("/word/settings.xml", "settings+xml");
    if (!m_document.lists().empty())
        addOverride("/word/numbering.xml", "numbering+xml");
    for (const QByteArray &part : m_noteOverrides)
        addOverride("/word/" + part + ".xml", part + "+xml");
    for (const QByteArray &name : m_headerOverrides)
        addOverride("/word/" + name, name.startsWith("header") ? "header+xml" : "footer+xml");
    m_parts.insert(m_parts.begin(), {QStringLiteral("[Content_Types].xml"), toBytes(types)});

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t *archive = source ? zip_open_from_source(source, ZIP_TRUNCATE, &error) : nullptr;
    if (!archive) {
        if (source)
            zip_source_free(source);
        zip_error_fini(&error);
        throw Error(QStringLiteral("The Word container could not be created."));
    }
    zip_error_fini(&error);
    zip_source_keep(source);
    for (const Part &part : m_parts) {
        zip_source_t *data = zip_source_buffer(archive, part.data.constData(), zip_uint64_t(part.data.size()), 0);
        const zip_int64_t index =
            data ? zip_file_add(archive, part.name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (data)
                zip_source_free(data);
            zip_discard(archive);
            zip_source_free(source);
            throw Error(QStringLiteral("The Word container could not be written."));
        }
        // Pictures are compressed already; XML gets fast compression, which costs little in size.
        if (part.name.startsWith(QLatin1String("word/media/")))
            zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0);
        else
            zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 1);
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        zip_source_free(source);
        throw Error(QStringLiteral("The Word container could not be written."));
    }
    QByteArray result;
    if (zip_source_open(source) == 0) {
        zip_source_seek(source, 0, SEEK_END);
        const zip_int64_t size = zip_source_tell(source);
        zip_source_seek(source, 0, SEEK_SET);
        result.resize(qsizetype(std::max<zip_int64_t>(size, 0)));
        const zip_int64_t got = zip_source_read(source, result.data(), zip_uint64_t(result.size()));
        zip_source_close(source);
        if (got != size)
            result.clear();
    }
    zip_source_free(source);
    if (result.isEmpty())
        throw Error(QStringLiteral("The Word container could not be written."));
    return result;
}

} // namespace

void writeDocx(const Document &document, QIODevice &out)
{
    Generator generator(document);
    out.write(generator.write());
}

} // namespace richedit
