#include "StyleEditor.h"

#include "EditorDialogs.h"
#include "platform/richedit/model/Document.h"
#include "platform/richedit/model/Properties.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QAbstractUndoItem>
#include <QHash>
#include <QTextBlock>
#include <QTextTable>

#include <set>

namespace richedit::styles {
namespace {

QString effectiveId(const StyleSheet &sheet, const QString &id, StyleType type)
{
    return id.isEmpty() || !sheet.find(id) ? sheet.defaultStyleId(type) : id;
}

/// The sheet before and after a change, swapped by undo and redo.
class SheetChange final : public QAbstractUndoItem {
public:
    SheetChange(Document &document, StyleSheet before, StyleSheet after)
        : m_document(document), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void undo() override { m_document.styles() = m_before; }
    void redo() override { m_document.styles() = m_after; }

private:
    Document &m_document;
    StyleSheet m_before;
    StyleSheet m_after;
};

/// The format with every property the old style gave it (equal to the old resolved value)
/// replaced by the new style's; the rest is direct formatting and stays.
template <typename Format>
Format restyled(const Format &current, const Format &before, const Format &after)
{
    Format result = current;
    std::set<int> keys;
    for (const QMap<int, QVariant> &properties : {before.properties(), after.properties()})
        for (auto it = properties.cbegin(); it != properties.cend(); ++it)
            keys.insert(it.key());
    for (int key : keys) {
        if (key == QTextFormat::ObjectIndex || key == prop::ParagraphStyleId || key == prop::CharacterStyleId)
            continue;
        if (current.property(key) != before.property(key))
            continue;
        if (after.hasProperty(key))
            result.setProperty(key, after.property(key));
        else
            result.clearProperty(key);
    }
    return result;
}

struct Resolved {
    QTextBlockFormat block;
    QTextCharFormat text;
};

Resolved resolve(const StyleSheet &sheet, const QString &paragraphId, const QString &characterId)
{
    Resolved r{sheet.resolvedBlockFormat(paragraphId), sheet.resolvedCharFormat(paragraphId)};
    if (!characterId.isEmpty())
        r.text.merge(sheet.chainCharFormat(characterId));
    return r;
}

bool startsCell(const QTextBlock &block)
{
    QTextCursor cursor(block);
    const QTextTable *table = cursor.currentTable();
    return table && table->cellAt(block.position()).firstPosition() == block.position();
}

} // namespace

StyleFields fieldsOf(const StyleSheet &sheet, const Style &style, const QFont &documentFont)
{
    StyleSheet withStyle = sheet;
    withStyle.add(style);
    const QTextCharFormat text = style.type == StyleType::Character ? withStyle.chainCharFormat(style.id)
                                                                    : withStyle.resolvedCharFormat(style.id);
    const QTextBlockFormat block = withStyle.resolvedBlockFormat(style.id);
    StyleFields f;
    f.name = style.name.isEmpty() ? style.id : style.name;
    f.basedOn = style.basedOn;
    f.next = style.next;
    f.family = text.fontFamilies().toStringList().value(0, documentFont.family());
    f.size = text.fontPointSize() > 0 ? text.fontPointSize() : documentFont.pointSizeF();
    f.bold = text.fontWeight() >= QFont::DemiBold;
    f.italic = text.fontItalic();
    f.underline = text.fontUnderline();
    f.color = text.foreground().style() != Qt::NoBrush ? text.foreground().color() : QColor();
    const Qt::Alignment alignment = block.alignment() & Qt::AlignHorizontal_Mask;
    f.alignment = alignment == Qt::AlignHCenter || alignment == Qt::AlignRight || alignment == Qt::AlignJustify
                      ? alignment
                      : Qt::AlignLeft;
    f.leftIndent = block.leftMargin();
    f.rightIndent = block.rightMargin();
    f.firstLineIndent = block.textIndent();
    f.spaceBefore = block.topMargin();
    f.spaceAfter = block.bottomMargin();
    f.lineSpacingPercent =
        block.lineHeightType() == QTextBlockFormat::ProportionalHeight ? qRound(block.lineHeight()) : 100;
    return f;
}

Style withFields(Style style, const StyleFields &shown, const StyleFields &edited)
{
    style.name = edited.name.trimmed().isEmpty() ? style.name : edited.name.trimmed();
    style.basedOn = edited.basedOn == style.id ? QString() : edited.basedOn;
    style.next = edited.next;
    QTextCharFormat &c = style.charFormat;
    QTextBlockFormat &b = style.blockFormat;
    const auto changed = [&](auto member) { return shown.*member != edited.*member; };
    if (changed(&StyleFields::family))
        c.setFontFamilies(QStringList{edited.family});
    if (changed(&StyleFields::size))
        c.setFontPointSize(edited.size);
    if (changed(&StyleFields::bold))
        c.setFontWeight(edited.bold ? QFont::Bold : QFont::Normal);
    if (changed(&StyleFields::italic))
        c.setFontItalic(edited.italic);
    if (changed(&StyleFields::underline)) {
        c.setFontUnderline(edited.underline);
        c.setProperty(prop::UnderlineKind, int(edited.underline ? UnderlineType::Single : UnderlineType::None));
    }
    if (changed(&StyleFields::color)) {
        if (edited.color.isValid())
            c.setForeground(edited.color);
        else
            c.clearForeground();
    }
    if (style.type == StyleType::Character)
        return style;
    if (changed(&StyleFields::alignment))
        b.setAlignment(edited.alignment);
    if (changed(&StyleFields::leftIndent))
        b.setLeftMargin(edited.leftIndent);
    if (changed(&StyleFields::rightIndent))
        b.setRightMargin(edited.rightIndent);
    if (changed(&StyleFields::firstLineIndent))
        b.setTextIndent(edited.firstLineIndent);
    if (changed(&StyleFields::spaceBefore))
        b.setTopMargin(edited.spaceBefore);
    if (changed(&StyleFields::spaceAfter))
        b.setBottomMargin(edited.spaceAfter);
    if (changed(&StyleFields::lineSpacingPercent)) {
        if (edited.lineSpacingPercent == 100)
            b.setLineHeight(0, QTextBlockFormat::SingleHeight);
        else
            b.setLineHeight(edited.lineSpacingPercent, QTextBlockFormat::ProportionalHeight);
    }
    return style;
}

void addBasicStyles(StyleSheet &sheet, const QFont &documentFont)
{
    if (sheet.defaultStyleId(StyleType::Paragraph).isEmpty()) {
        Style normal;
        normal.id = sheet.find(QStringLiteral("Normal")) ? QStringLiteral("NormalParagraph") : QStringLiteral("Normal");
        normal.name = QStringLiteral("Normal");
        normal.isDefault = true;
        sheet.add(normal);
    }
    const QString normal = sheet.defaultStyleId(StyleType::Paragraph);
    const qreal base = documentFont.pointSizeF() > 0 ? documentFont.pointSizeF() : 12;
    const qreal sizes[] = {base + 4, base + 2, base + 1};
    for (int level = 1; level <= 3; ++level) {
        const QString id = QStringLiteral("Heading%1").arg(level);
        if (sheet.find(id))
            continue;
        Style heading;
        heading.id = id;
        heading.name = QStringLiteral("heading %1").arg(level);
        heading.basedOn = normal;
        heading.next = normal;
        heading.charFormat.setFontWeight(QFont::Bold);
        heading.charFormat.setFontPointSize(sizes[level - 1]);
        heading.blockFormat.setTopMargin(12 * 96.0 / 72);
        heading.blockFormat.setBottomMargin(3 * 96.0 / 72);
        heading.blockFormat.setProperty(prop::KeepWithNext, true);
        heading.blockFormat.setProperty(prop::OutlineLevel, level - 1);
        sheet.add(heading);
    }
}

Style newStyle(const StyleSheet &sheet, StyleType type, const QString &basedOn)
{
    Style style;
    style.type = type;
    style.basedOn = basedOn;
    for (int n = 1;; ++n) {
        style.id = QStringLiteral("Style%1").arg(n);
        style.name = QStringLiteral("Style %1").arg(n);
        const bool nameTaken = std::any_of(sheet.styles().begin(), sheet.styles().end(),
                                           [&](const Style &s) { return s.name == style.name; });
        if (!sheet.find(style.id) && !nameTaken)
            return style;
    }
}

void applyStyles(Document &document, const std::vector<Style> &styles)
{
    QTextDocument *story = document.mainStory();
    const StyleSheet before = document.styles();
    StyleSheet after = before;
    for (const Style &style : styles)
        after.add(style);
    QTextCursor editor(story);
    editor.beginEditBlock();
    document.styles() = after;
    story->appendUndoItem(new SheetChange(document, before, after));
    QHash<QString, std::pair<Resolved, Resolved>> cache;
    // By value: a later lookup may grow the cache and move what it holds.
    const auto formats = [&](const QString &paragraphId, const QString &characterId) -> std::pair<Resolved, Resolved> {
        const QString key = paragraphId + QLatin1Char('\n') + characterId;
        auto it = cache.find(key);
        if (it == cache.end())
            it = cache.insert(key, {resolve(before, effectiveId(before, paragraphId, StyleType::Paragraph), characterId),
                                    resolve(after, effectiveId(after, paragraphId, StyleType::Paragraph), characterId)});
        return *it;
    };
    for (QTextBlock block = story->begin(); block.isValid(); block = block.next()) {
        const QString paragraphId = block.blockFormat().stringProperty(prop::ParagraphStyleId);
        const auto [was, becomes] = formats(paragraphId, QString());
        if (was.block == becomes.block && was.text == becomes.text) {
            // Only runs with a character style of their own can still change.
            bool anyCharacterStyle = false;
            for (QTextBlock::iterator it = block.begin(); !it.atEnd() && !anyCharacterStyle; ++it)
                anyCharacterStyle = it.fragment().charFormat().hasProperty(prop::CharacterStyleId);
            if (!anyCharacterStyle)
                continue;
        }
        editor.setPosition(block.position());
        const QTextBlockFormat blockFormat = restyled(block.blockFormat(), was.block, becomes.block);
        if (blockFormat != block.blockFormat())
            editor.setBlockFormat(blockFormat);
        if (!startsCell(block)) {
            const QTextCharFormat mark = restyled(block.charFormat(), was.text, becomes.text);
            if (mark != block.charFormat())
                editor.setBlockCharFormat(mark);
        }
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat current = fragment.charFormat();
            const auto [runWas, runBecomes] = formats(paragraphId, current.stringProperty(prop::CharacterStyleId));
            const QTextCharFormat format = restyled(current, runWas.text, runBecomes.text);
            if (format == current)
                continue;
            editor.setPosition(fragment.position());
            editor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            editor.setCharFormat(format);
        }
    }
    editor.endEditBlock();
}

void showEditStyleForm(CommandContext &context, const QVariant &)
{
    Document &document = context.control.document();
    StyleSheet sheet = document.styles();
    addBasicStyles(sheet, document.defaultFont());
    const QTextCursor caret = context.control.textCursor();
    QString current = caret.charFormat().stringProperty(prop::CharacterStyleId);
    if (current.isEmpty() || !sheet.find(current))
        current = effectiveId(sheet, caret.blockFormat().stringProperty(prop::ParagraphStyleId), StyleType::Paragraph);
    const std::optional<std::vector<Style>> changed = context.dialogs.editStyleForm(sheet, current);
    if (!changed)
        return;
    // The basic styles the editor showed become the document's, with the user's changes.
    std::vector<Style> styles;
    for (const Style &style : sheet.styles())
        if (!document.styles().find(style.id))
            styles.push_back(style);
    styles.insert(styles.end(), changed->begin(), changed->end());
    if (!styles.empty())
        applyStyles(document, styles);
}

} // namespace richedit::styles
