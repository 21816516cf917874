#include "ModelDump.h"

#include "platform/richedit/model/TextFormats.h"

#include <QTextBlock>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

namespace richedit::test {
namespace {

QString color(const QColor &c) { return c.isValid() ? c.name() : QStringLiteral("auto"); }

QString brush(const QTextFormat &f, int property)
{
    const QBrush b = f.brushProperty(property);
    return b.style() == Qt::NoBrush ? QStringLiteral("none") : b.color().name();
}

QString family(const QTextFormat &f)
{
    const QStringList families = f.property(QTextFormat::FontFamilies).toStringList();
    return families.isEmpty() ? f.stringProperty(QTextFormat::FontFamily) : families.front();
}

int twips(const QTextFormat &f, int property) { return layoutToTwipsRounded(f.doubleProperty(property)); }

QString border(const QTextFormat &f, int property)
{
    const auto line = borderLine(f, property);
    if (!line)
        return QStringLiteral("-");
    return QStringLiteral("%1/%2/%3/%4").arg(line->style).arg(line->width).arg(line->space).arg(color(line->color));
}

/// Every character feature of the effective format, or (for styles) only those it sets.
QString describeChar(const QTextCharFormat &format, const QTextCharFormat &base, bool onlyPresent)
{
    QTextCharFormat f = base;
    f.merge(format);
    QStringList out;
    const auto item = [&](std::initializer_list<int> properties, const QString &name, const QString &value) {
        if (onlyPresent) {
            bool present = false;
            for (int p : properties)
                present = present || format.hasProperty(p);
            if (!present)
                return;
        }
        out << name + QLatin1Char('=') + value;
    };
    item({QTextFormat::FontFamilies, QTextFormat::FontFamily}, QStringLiteral("font"), family(f));
    item({QTextFormat::FontPointSize}, QStringLiteral("size"), QString::number(f.fontPointSize()));
    item({QTextFormat::FontWeight}, QStringLiteral("bold"), QString::number(f.fontWeight() >= QFont::DemiBold));
    item({QTextFormat::FontItalic}, QStringLiteral("italic"), QString::number(f.fontItalic()));
    item({QTextFormat::FontStrikeOut}, QStringLiteral("strike"), QString::number(f.fontStrikeOut()));
    item({prop::DoubleStrikeOut}, QStringLiteral("dstrike"), QString::number(f.boolProperty(prop::DoubleStrikeOut)));
    item({prop::UnderlineKind, QTextFormat::TextUnderlineStyle}, QStringLiteral("underline"),
         QString::number(int(underlineType(f))));
    item({QTextFormat::TextUnderlineColor}, QStringLiteral("ulcolor"), color(f.underlineColor()));
    item({QTextFormat::FontCapitalization}, QStringLiteral("caps"), QString::number(f.fontCapitalization()));
    item({QTextFormat::ForegroundBrush}, QStringLiteral("color"), brush(f, QTextFormat::ForegroundBrush));
    item({QTextFormat::BackgroundBrush}, QStringLiteral("back"), brush(f, QTextFormat::BackgroundBrush));
    item({prop::Highlight}, QStringLiteral("highlight"), color(f.colorProperty(prop::Highlight)));
    item({QTextFormat::TextVerticalAlignment}, QStringLiteral("valign"), QString::number(f.verticalAlignment()));
    item({prop::Hidden}, QStringLiteral("hidden"), QString::number(f.boolProperty(prop::Hidden)));
    item({prop::NoProof}, QStringLiteral("noproof"), QString::number(f.boolProperty(prop::NoProof)));
    if (!onlyPresent) {
        out << QStringLiteral("cstyle=") + format.stringProperty(prop::CharacterStyleId);
        out << QStringLiteral("field=") + format.stringProperty(prop::FieldInstruction);
        out << QStringLiteral("href=") + (format.isAnchor() ? format.anchorHref() : QString());
        if (format.hasProperty(prop::NoteReference))
            out << QStringLiteral("note=%1").arg(format.intProperty(prop::NoteReference));
    }
    return out.join(QLatin1Char(' '));
}

QString describeBlock(const QTextBlockFormat &format, const QTextBlockFormat &base, bool onlyPresent)
{
    QTextBlockFormat f = base;
    f.merge(format);
    QStringList out;
    const auto item = [&](std::initializer_list<int> properties, const QString &name, const QString &value) {
        if (onlyPresent) {
            bool present = false;
            for (int p : properties)
                present = present || format.hasProperty(p);
            if (!present)
                return;
        }
        out << name + QLatin1Char('=') + value;
    };
    item({QTextFormat::BlockAlignment}, QStringLiteral("align"), QString::number(int(f.alignment())));
    item({QTextFormat::BlockLeftMargin}, QStringLiteral("left"), QString::number(twips(f, QTextFormat::BlockLeftMargin)));
    item({QTextFormat::BlockRightMargin}, QStringLiteral("right"), QString::number(twips(f, QTextFormat::BlockRightMargin)));
    item({QTextFormat::TextIndent}, QStringLiteral("indent"), QString::number(twips(f, QTextFormat::TextIndent)));
    item({QTextFormat::BlockTopMargin}, QStringLiteral("before"), QString::number(twips(f, QTextFormat::BlockTopMargin)));
    item({QTextFormat::BlockBottomMargin}, QStringLiteral("after"), QString::number(twips(f, QTextFormat::BlockBottomMargin)));
    const int type = f.lineHeightType();
    const QString line = type == QTextBlockFormat::ProportionalHeight ? QStringLiteral("%1%").arg(qRound(f.lineHeight()))
                         : type == QTextBlockFormat::FixedHeight
                             ? QStringLiteral("exact %1").arg(layoutToTwipsRounded(f.lineHeight()))
                         : type == QTextBlockFormat::MinimumHeight
                             ? QStringLiteral("atleast %1").arg(layoutToTwipsRounded(f.lineHeight()))
                             : QStringLiteral("single");
    item({QTextFormat::LineHeightType}, QStringLiteral("line"), line);
    item({prop::KeepWithNext}, QStringLiteral("keepnext"), QString::number(f.boolProperty(prop::KeepWithNext)));
    item({QTextFormat::BlockNonBreakableLines}, QStringLiteral("keeplines"), QString::number(f.nonBreakableLines()));
    item({prop::WidowControl}, QStringLiteral("widow"), QString::number(f.boolProperty(prop::WidowControl)));
    item({QTextFormat::PageBreakPolicy}, QStringLiteral("pagebreak"),
         QString::number(bool(f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)));
    item({prop::OutlineLevel}, QStringLiteral("outline"),
         f.hasProperty(prop::OutlineLevel) && f.intProperty(prop::OutlineLevel) < bodyTextLevel
             ? QString::number(f.intProperty(prop::OutlineLevel))
             : QStringLiteral("-"));
    for (int p = prop::BorderTop; p <= prop::BorderBetween; ++p)
        item({p}, QStringLiteral("border%1").arg(p - prop::BorderTop), border(f, p));
    item({QTextFormat::BackgroundBrush}, QStringLiteral("shading"), brush(f, QTextFormat::BackgroundBrush));
    QStringList tabs;
    const QString leaders = f.stringProperty(prop::TabLeaders);
    const QList<QTextOption::Tab> positions = f.tabPositions();
    for (qsizetype i = 0; i < positions.size(); ++i)
        tabs << QStringLiteral("%1:%2:%3")
                    .arg(layoutToTwipsRounded(positions[i].position))
                    .arg(int(positions[i].type))
                    .arg(i < leaders.size() ? leaders[i] : QChar(LeaderNone));
    item({QTextFormat::TabPositions}, QStringLiteral("tabs"), tabs.join(QLatin1Char(',')));
    if (!onlyPresent) {
        out << QStringLiteral("style=") + format.stringProperty(prop::ParagraphStyleId);
        out << QStringLiteral("sectionend=") + QString::number(format.boolProperty(prop::SectionEnd));
    }
    return out.join(QLatin1Char(' '));
}

class Dumper {
public:
    explicit Dumper(const Document &document) : m_document(document)
    {
        m_defaultChar.setFontFamilies(QStringList{document.defaultFont().family()});
        m_defaultChar.setFontPointSize(document.defaultFont().pointSizeF());
    }

    QStringList lines;

    void story(const QTextDocument *story, const QString &indent) { frame(story, story->rootFrame(), indent); }

private:
    void frame(const QTextDocument *story, QTextFrame *frame, const QString &indent)
    {
        for (QTextFrame::iterator it = frame->begin(); !it.atEnd(); ++it) {
            if (auto *table = qobject_cast<QTextTable *>(it.currentFrame()))
                this->table(story, table, indent);
            else if (it.currentFrame())
                this->frame(story, it.currentFrame(), indent);
            else
                block(story, it.currentBlock(), indent);
        }
    }

    void table(const QTextDocument *story, QTextTable *table, const QString &indent)
    {
        QStringList widths;
        for (const QTextLength &length : table->format().columnWidthConstraints())
            widths << QString::number(layoutToTwipsRounded(length.rawValue()));
        const QTextTableFormat tableFormat = table->format();
        QStringList borders;
        for (int p = prop::TableBorderTop; p <= prop::TableBorderInsideV; ++p)
            borders << border(tableFormat, p);
        QStringList heights;
        for (const QVariant &height : tableFormat.property(prop::TableRowHeights).toList())
            heights << QString::number(height.toInt());
        lines << indent + QStringLiteral("  header rows %1 heights %2")
                              .arg(tableFormat.headerRowCount())
                              .arg(heights.join(QLatin1Char(',')));
        lines << indent + QStringLiteral("table %1x%2 widths %3 style=%4 borders=%5")
                              .arg(table->rows())
                              .arg(table->columns())
                              .arg(widths.join(QLatin1Char(',')), tableFormat.stringProperty(prop::TableStyleId),
                                   borders.join(QLatin1Char(',')));
        for (int r = 0; r < table->rows(); ++r)
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                if (cell.row() != r || cell.column() != c)
                    continue;
                const QTextCharFormat f = cell.format();
                lines << indent + QStringLiteral("  cell %1,%2 span %3x%4 back=%5 valign=%6 borders=%7,%8,%9,%10")
                                      .arg(r).arg(c).arg(cell.rowSpan()).arg(cell.columnSpan())
                                      .arg(brush(f, QTextFormat::BackgroundBrush))
                                      .arg(f.hasProperty(QTextFormat::TextVerticalAlignment) ? int(f.verticalAlignment()) : -1)
                                      .arg(border(f, prop::TableBorderTop), border(f, prop::TableBorderLeft),
                                           border(f, prop::TableBorderBottom), border(f, prop::TableBorderRight));
                for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it)
                    if (!it.currentFrame())
                        block(story, it.currentBlock(), indent + QStringLiteral("    "));
            }
    }

    void block(const QTextDocument *story, const QTextBlock &block, const QString &indent)
    {
        const StyleSheet &sheet = m_document.styles();
        const QTextBlockFormat format = block.blockFormat();
        QString styleId = format.stringProperty(prop::ParagraphStyleId);
        if (styleId.isEmpty())
            styleId = sheet.defaultStyleId(StyleType::Paragraph);
        QString list;
        if (const QTextList *textList = block.textList())
            list = QStringLiteral(" list=%1/%2")
                       .arg(textList->format().intProperty(prop::ListId))
                       .arg(textList->format().intProperty(prop::ListLevelIndex));
        lines << indent + QStringLiteral("paragraph ") + describeBlock(format, sheet.resolvedBlockFormat(styleId), false) + list;
        QTextCharFormat paragraphBase = m_defaultChar;
        paragraphBase.merge(sheet.resolvedCharFormat(styleId));
        if (block.length() <= 1)
            lines << indent + QStringLiteral("  mark ") + describeChar(paragraphMarkFormat(block), paragraphBase, false);
        QString lastDescription;
        QString text;
        const auto flush = [&] {
            if (!text.isEmpty())
                lines << indent + QStringLiteral("  run \"%1\" %2").arg(text, lastDescription);
            text.clear();
        };
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            if (f.isImageFormat()) {
                flush();
                const QTextImageFormat image = f.toImageFormat();
                const QVariant resource = story->resource(QTextDocument::ImageResource, QUrl(image.name()));
                lines << indent + QStringLiteral("  image %1x%2 twips, %3 bytes, alt=%4")
                                      .arg(layoutToTwipsRounded(image.width()))
                                      .arg(layoutToTwipsRounded(image.height()))
                                      .arg(resource.toByteArray().size())
                                      .arg(image.stringProperty(prop::ImageDescription));
                continue;
            }
            QTextCharFormat base = paragraphBase;
            const QString charStyle = f.stringProperty(prop::CharacterStyleId);
            if (!charStyle.isEmpty())
                base.merge(sheet.chainCharFormat(charStyle));
            const QString description = describeChar(f, base, false);
            if (description != lastDescription)
                flush();
            lastDescription = description;
            text += fragment.text();
        }
        flush();
    }

    const Document &m_document;
    QTextCharFormat m_defaultChar;
};

} // namespace

QString dumpModel(const Document &document)
{
    Dumper dumper(document);
    QStringList &lines = dumper.lines;
    lines << QStringLiteral("default font %1 %2").arg(document.defaultFont().family()).arg(document.defaultFont().pointSizeF());
    const StyleSheet &sheet = document.styles();
    // The document's font stands for defaults a format leaves out.
    QTextCharFormat defaults;
    defaults.setFontFamilies(QStringList{document.defaultFont().family()});
    defaults.setFontPointSize(document.defaultFont().pointSizeF());
    defaults.merge(sheet.defaultCharFormat);
    lines << QStringLiteral("defaults char{%1} block{%2}")
                 .arg(describeChar(defaults, {}, true), describeBlock(sheet.defaultBlockFormat, {}, true));
    std::vector<Style> styles = sheet.styles();
    std::sort(styles.begin(), styles.end(), [](const Style &a, const Style &b) { return a.id < b.id; });
    for (const Style &style : styles)
        lines << QStringLiteral("style %1 \"%2\" type=%3 basedOn=%4 next=%5 default=%6 char{%7} block{%8}")
                     .arg(style.id, style.name)
                     .arg(int(style.type))
                     .arg(style.basedOn, style.next)
                     .arg(style.isDefault)
                     .arg(describeChar(style.charFormat, {}, true),
                          style.type == StyleType::Character ? QString() : describeBlock(style.blockFormat, {}, true));
    for (const auto &[id, list] : document.lists())
        for (int i = 0; i < 9; ++i) {
            const ListLevel &level = list.levels[std::size_t(i)];
            lines << QStringLiteral("list %1 level %2 format=%3 text=%4 start=%5 indent=%6 hanging=%7 font=%8")
                         .arg(id).arg(i).arg(int(level.format)).arg(level.text).arg(level.start)
                         .arg(level.indent).arg(level.hanging).arg(level.fontFamily);
        }
    for (std::size_t i = 0; i < document.sections().size(); ++i) {
        const Section &s = document.sections()[i];
        lines << QStringLiteral("section %1 paper=%2 %3x%4 landscape=%5 margins=%6,%7,%8,%9 header=%10 footer=%11 "
                                "start=%12 columns=%13/%14 lines=%15/%16/%17/%18 firstpage=%19 pagestart=%20")
                     .arg(i).arg(int(s.paperKind)).arg(s.pageWidth).arg(s.pageHeight).arg(s.landscape)
                     .arg(s.margins.left).arg(s.margins.right).arg(s.margins.top).arg(s.margins.bottom)
                     .arg(s.margins.header).arg(s.margins.footer).arg(int(s.start)).arg(s.columnCount)
                     .arg(s.columnSpacing).arg(s.lineNumbering.countBy).arg(s.lineNumbering.start)
                     .arg(s.lineNumbering.distance).arg(int(s.lineNumbering.restart)).arg(s.differentFirstPage)
                     .arg(s.pageNumberStart);
        for (int kind = 0; kind < headerFooterKindCount; ++kind)
            if (const QTextDocument *story = document.headerFooter(int(i), HeaderFooterKind(kind))) {
                lines << QStringLiteral("  story %1").arg(kind);
                dumper.story(story, QStringLiteral("    "));
            }
    }
    lines << QStringLiteral("even and odd headers %1").arg(document.evenAndOddHeaders());
    const Protection &p = document.protection();
    lines << QStringLiteral("protection %1 enforced=%2 %3 %4 %5 %6")
                 .arg(int(p.kind)).arg(p.enforced).arg(p.algorithm, p.hash, p.salt).arg(p.spinCount);
    std::vector<std::pair<QString, QString>> bookmarks;
    for (const Bookmark &b : document.bookmarks())
        bookmarks.push_back({b.name, QStringLiteral("bookmark %1 %2-%3")
                                         .arg(b.name).arg(b.range.selectionStart()).arg(b.range.selectionEnd())});
    for (const Bookmark &b : document.storyBookmarks()) {
        QString story = QStringLiteral("?");
        for (std::size_t i = 0; i < document.sections().size(); ++i)
            for (int kind = 0; kind < headerFooterKindCount; ++kind)
                if (document.headerFooter(int(i), HeaderFooterKind(kind)) == b.range.document())
                    story = QStringLiteral("section %1 story %2").arg(i).arg(kind);
        for (const auto &[id, note] : document.notes())
            if (note.story == b.range.document())
                story = QStringLiteral("note %1").arg(id);
        bookmarks.push_back({b.name, QStringLiteral("bookmark %1 in %2 %3-%4")
                                         .arg(b.name, story).arg(b.range.selectionStart()).arg(b.range.selectionEnd())});
    }
    std::sort(bookmarks.begin(), bookmarks.end());
    for (const auto &[name, line] : bookmarks)
        lines << line;
    for (const auto &[id, note] : document.notes()) {
        lines << QStringLiteral("note %1 kind=%2 mark=%3 author=%4 initials=%5")
                     .arg(id).arg(int(note.kind)).arg(note.mark, note.author, note.initials);
        dumper.story(note.story, QStringLiteral("  "));
    }
    lines << QStringLiteral("main story");
    dumper.story(document.mainStory(), QStringLiteral("  "));
    return lines.join(QLatin1Char('\n'));
}

} // namespace richedit::test
