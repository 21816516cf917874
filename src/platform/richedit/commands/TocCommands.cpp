#include "TocCommands.h"

#include "CaptionsCommands.h"
#include "SelectionFormat.h"
#include "TocFields.h"
#include "ViewsCommands.h"
#include "platform/richedit/layout/PageGeometry.h"
#include "platform/richedit/model/Properties.h"
#include "platform/richedit/model/Units.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <set>
#include <vector>

namespace richedit::toc {
namespace {

constexpr int levelIndentTwips = 220; // each level indents this much further
constexpr int maxPaginationPasses = 4;
// The page numbers' right tab stops this far inside the margin: a tab right at the margin can
// push the number onto a line of its own when hinted glyph advances round up.
constexpr qreal rightTabSlack = 6;

QString text(const char *english)
{
    return QCoreApplication::translate("richedit::TableOfContents", english);
}

/// The paragraphs of one list in the story.
struct ListRegion {
    int firstBlock = 0;
    int blockCount = 0;
    int fieldId = 0;
    QString instruction;
};

/// A line of a list: the paragraph it points to (by its bookmark) and its level.
struct Entry {
    QString text;
    int level = 0;
    QString bookmark;
    int page = 0;
};

QString tocInstruction(const QTextBlock &block, int *fieldId = nullptr)
{
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        const QString instruction = format.stringProperty(prop::FieldInstruction).trimmed();
        if (format.intProperty(prop::FieldId) > 0 && fields::fieldType(instruction) == QLatin1String("TOC")) {
            if (fieldId)
                *fieldId = format.intProperty(prop::FieldId);
            return instruction;
        }
    }
    return {};
}

/// The lists of the story in document order. Consecutive paragraphs of the same TOC
/// instruction are one list, so a list whose paragraphs a file stored as separate fields
/// still updates as one.
std::vector<ListRegion> listRegions(const QTextDocument &story)
{
    std::vector<ListRegion> regions;
    int previous = -2;
    for (QTextBlock block = story.begin(); block.isValid(); block = block.next()) {
        int id = 0;
        const QString instruction = tocInstruction(block, &id);
        if (instruction.isEmpty())
            continue;
        const int number = block.blockNumber();
        if (!regions.empty() && previous == number - 1 && regions.back().instruction == instruction)
            ++regions.back().blockCount;
        else
            regions.push_back({number, 1, id, instruction});
        previous = number;
    }
    return regions;
}

/// The SEQ identifier a caption list collects (after its \c switch); empty for contents.
QString captionSwitch(const QString &instruction)
{
    const QStringList arguments = fields::fieldArguments(instruction);
    const qsizetype at = arguments.indexOf(QStringLiteral("\\c"), 0);
    if (at < 0 || at + 1 >= arguments.size())
        return {};
    return arguments.at(at + 1);
}

/// The outline levels a contents list takes, from its \o "a-b" switch (all when absent).
std::pair<int, int> levelRange(const QString &instruction)
{
    const QStringList arguments = fields::fieldArguments(instruction);
    const qsizetype at = arguments.indexOf(QStringLiteral("\\o"), 0);
    if (at >= 0 && at + 1 < arguments.size()) {
        static const QRegularExpression range(QStringLiteral(R"(^(\d)-(\d)$)"));
        const QRegularExpressionMatch match = range.match(arguments.at(at + 1));
        if (match.hasMatch())
            return {match.captured(1).toInt() - 1, match.captured(2).toInt() - 1};
    }
    return {0, 8};
}

QString instructionFor(ListKind kind)
{
    if (kind == ListKind::Contents)
        return QStringLiteral("TOC \\o \"1-9\" \\h \\z \\u");
    return QStringLiteral("TOC \\h \\z \\c \"%1\"").arg(sequenceName(kind));
}

bool sequenceIn(const QTextBlock &block, const QString &name)
{
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QString instruction = it.fragment().charFormat().stringProperty(prop::FieldInstruction);
        if (fields::fieldType(instruction) == QLatin1String("SEQ")) {
            const QStringList arguments = fields::fieldArguments(instruction);
            if (!arguments.isEmpty() && arguments.first().compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

QString entryText(const QTextBlock &block)
{
    QString text = block.text();
    text.remove(QChar::ObjectReplacementCharacter);
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QChar::LineSeparator, QLatin1Char(' '));
    return text.simplified();
}

/// The bookmark an entry links to: one already at the start of the paragraph, or a new one.
QString bookmarkFor(Document &document, const QTextBlock &block)
{
    const int start = block.position();
    for (const Bookmark &bookmark : document.bookmarks())
        if (bookmark.name.startsWith(QLatin1String("_Toc")) && bookmark.range.selectionStart() == start)
            return bookmark.name;
    std::set<QString> taken;
    for (const Bookmark &bookmark : document.bookmarks())
        taken.insert(bookmark.name);
    qint64 number = 100000001 + qint64(document.bookmarks().size());
    QString name;
    do
        name = QStringLiteral("_Toc%1").arg(number++);
    while (taken.count(name));
    document.setBookmark(name, start, start + block.length() - 1);
    return name;
}

bool inside(const std::vector<ListRegion> &regions, int blockNumber)
{
    for (const ListRegion &region : regions)
        if (blockNumber >= region.firstBlock && blockNumber < region.firstBlock + region.blockCount)
            return true;
    return false;
}

std::vector<Entry> collectEntries(RichEditControl &control, const QString &instruction)
{
    Document &document = control.document();
    const QTextDocument &story = *document.mainStory();
    const std::vector<ListRegion> regions = listRegions(story);
    const QString sequence = captionSwitch(instruction);
    const auto [lowest, highest] = levelRange(instruction);
    std::vector<QTextBlock> blocks;
    std::vector<int> levels;
    for (QTextBlock block = story.begin(); block.isValid(); block = block.next()) {
        if (inside(regions, block.blockNumber()) || entryText(block).isEmpty())
            continue;
        if (!sequence.isEmpty()) {
            if (sequenceIn(block, sequence)) {
                blocks.push_back(block);
                levels.push_back(0);
            }
            continue;
        }
        const int level = outlineLevel(block, document.styles());
        if (level >= lowest && level <= highest) {
            blocks.push_back(block);
            levels.push_back(level - lowest);
        }
    }
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < blocks.size(); ++i)
        entries.push_back({entryText(blocks[i]), levels[i], bookmarkFor(document, blocks[i]), 0});
    return entries;
}

const Bookmark *findBookmark(const Document &document, const QString &name)
{
    for (const Bookmark &bookmark : document.bookmarks())
        if (bookmark.name == name)
            return &bookmark;
    return nullptr;
}

/// The page (from 1) on which the bookmarked paragraph starts in the print layout.
int pageOf(RichEditControl &control, const QString &bookmark)
{
    const Bookmark *mark = findBookmark(control.document(), bookmark);
    if (!mark)
        return 0;
    QTextDocument *story = control.mainStory();
    const QTextBlock block = story->findBlock(mark->range.selectionStart());
    const QRectF rect = story->documentLayout()->blockBoundingRect(block);
    return control.pageGeometry().pageAt(rect.top() + 1) + 1;
}

/// Replaces the paragraphs [first, first + count) with the list's entries; returns how many
/// paragraphs the list now has.
int writeList(QTextCursor &cursor, int firstBlock, int blockCount, const std::vector<Entry> &entries, int fieldId,
              const QString &instruction, qreal textWidth)
{
    QTextDocument *story = cursor.document();
    const QTextBlock first = story->findBlockByNumber(firstBlock);
    const QTextBlock last = story->findBlockByNumber(firstBlock + blockCount - 1);
    cursor.setPosition(first.position());
    cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();

    const QTextCharFormat field = fields::fieldFormat(QTextCharFormat(), fieldId, instruction);
    const auto paragraph = [&](int level) {
        QTextBlockFormat format;
        const qreal indent = twipsToLayout(levelIndentTwips * level);
        format.setLeftMargin(indent);
        format.setTabPositions({QTextOption::Tab(textWidth - indent - rightTabSlack, QTextOption::RightTab)});
        format.setProperty(prop::TabLeaders, QString(QChar(LeaderDot)));
        return format;
    };
    if (entries.empty()) {
        cursor.setBlockFormat(paragraph(0));
        const bool contents = captionSwitch(instruction).isEmpty();
        cursor.insertText(contents ? text("No table of contents entries found.") : text("No table of figures entries found."),
                          field);
        return 1;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry &entry = entries[i];
        QTextCharFormat link = field;
        link.setAnchor(true);
        link.setAnchorHref(QLatin1Char('#') + entry.bookmark);
        if (i == 0)
            cursor.setBlockFormat(paragraph(entry.level));
        else
            cursor.insertBlock(paragraph(entry.level), QTextCharFormat());
        cursor.insertText(entry.text + QLatin1Char('\t') + QString::number(entry.page), link);
    }
    return int(entries.size());
}

/// Writes every selected list again until the page numbers it shows are those the layout
/// gives, as one undo step with whatever `prepare` did first.
int rebuild(RichEditControl &control, const std::function<bool(const ListRegion &)> &wanted,
            const std::function<void(QTextCursor &)> &prepare)
{
    views::PrintLayoutScope printLayout(control);
    QTextDocument *story = control.mainStory();
    QTextCursor cursor(story);
    const qreal textWidth = control.pageGeometry().textArea(0).width();
    int lists = 0;
    for (int pass = 0; pass < maxPaginationPasses; ++pass) {
        if (pass == 0)
            cursor.beginEditBlock();
        else
            cursor.joinPreviousEditBlock();
        if (pass == 0)
            prepare(cursor);
        bool changed = false;
        std::vector<ListRegion> regions = listRegions(*story);
        lists = 0;
        // Later lists first, so that the paragraph numbers of earlier ones stay right.
        for (auto region = regions.rbegin(); region != regions.rend(); ++region) {
            if (!wanted(*region))
                continue;
            ++lists;
            std::vector<Entry> entries = collectEntries(control, region->instruction);
            for (Entry &entry : entries)
                entry.page = pageOf(control, entry.bookmark);
            // Compare with what the list shows now; equal on a later pass means done.
            QStringList shown, wantedTexts;
            for (int i = 0; i < region->blockCount; ++i)
                shown << story->findBlockByNumber(region->firstBlock + i).text();
            for (const Entry &entry : entries)
                wantedTexts << entry.text + QLatin1Char('\t') + QString::number(entry.page);
            if (pass > 0 && shown == wantedTexts)
                continue;
            changed = true;
            writeList(cursor, region->firstBlock, region->blockCount, entries, region->fieldId, region->instruction,
                      textWidth);
        }
        cursor.endEditBlock();
        if (!changed)
            break;
    }
    return lists;
}

} // namespace

QString sequenceName(ListKind kind)
{
    switch (kind) {
    case ListKind::Figures:
        return QStringLiteral("Figure");
    case ListKind::Tables:
        return QStringLiteral("Table");
    case ListKind::Equations:
        return QStringLiteral("Equation");
    case ListKind::Contents:
        break;
    }
    return {};
}

int outlineLevel(const QTextBlock &block, const StyleSheet &styles)
{
    const QTextBlockFormat format = block.blockFormat();
    if (format.hasProperty(prop::OutlineLevel)) {
        const int level = format.intProperty(prop::OutlineLevel);
        return level >= 0 && level <= 8 ? level : -1;
    }
    static const QRegularExpression heading(QStringLiteral(R"(^heading\s*([1-9])$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    QString id = format.stringProperty(prop::ParagraphStyleId);
    for (int depth = 0; depth < 32 && !id.isEmpty(); ++depth) {
        const Style *style = styles.find(id);
        if (!style)
            break;
        if (style->blockFormat.hasProperty(prop::OutlineLevel)) {
            const int level = style->blockFormat.intProperty(prop::OutlineLevel);
            return level >= 0 && level <= 8 ? level : -1;
        }
        const QRegularExpressionMatch match = heading.match(style->name);
        if (match.hasMatch())
            return match.captured(1).toInt() - 1;
        id = style->basedOn;
    }
    return -1;
}

void insertList(RichEditControl &control, ListKind kind)
{
    const QTextCursor caret = control.textCursor();
    const int position = caret.selectionStart();
    const QString instruction = instructionFor(kind);
    const int fieldId = fields::newFieldId(*control.mainStory());
    int listBlock = -1;
    rebuild(
        control, [&](const ListRegion &region) { return region.firstBlock == listBlock; },
        [&](QTextCursor &cursor) {
            cursor.setPosition(position);
            if (!cursor.atBlockStart())
                cursor.insertBlock();
            // A paragraph of its own before the caret's, out of any list, holds the new list.
            cursor.insertBlock(cursor.blockFormat(), cursor.blockCharFormat());
            cursor.movePosition(QTextCursor::PreviousBlock);
            if (QTextList *list = cursor.currentList())
                list->remove(cursor.block());
            cursor.setBlockFormat(QTextBlockFormat());
            cursor.insertText(QStringLiteral(" "), fields::fieldFormat(QTextCharFormat(), fieldId, instruction));
            listBlock = cursor.blockNumber();
        });
    // The caret goes after the list, where the text that followed it is.
    QTextCursor after(control.mainStory());
    const std::vector<ListRegion> regions = listRegions(*control.mainStory());
    for (const ListRegion &region : regions)
        if (region.firstBlock == listBlock) {
            const QTextBlock next = control.mainStory()->findBlockByNumber(region.firstBlock + region.blockCount);
            after.setPosition(next.isValid() ? next.position() : control.mainStory()->characterCount() - 1);
        }
    control.setTextCursor(after);
}

int updateLists(RichEditControl &control, bool contents, bool captions)
{
    return rebuild(
        control,
        [&](const ListRegion &region) {
            const bool isContents = captionSwitch(region.instruction).isEmpty();
            return isContents ? contents : captions;
        },
        [&](QTextCursor &) {
            if (captions)
                captions::renumber(*control.mainStory());
        });
}

bool hasList(const RichEditControl &control, bool contents)
{
    const std::vector<ListRegion> regions = listRegions(*control.document().mainStory());
    for (const ListRegion &region : regions)
        if (captionSwitch(region.instruction).isEmpty() == contents)
            return true;
    return false;
}

bool caretInList(const RichEditControl &control, bool contents)
{
    const QString instruction = tocInstruction(control.textCursor().block());
    return !instruction.isEmpty() && captionSwitch(instruction).isEmpty() == contents;
}

void setOutlineLevel(RichEditControl &control, int level)
{
    changeBlockFormat(control, [level](QTextBlockFormat &format) {
        format.setProperty(prop::OutlineLevel, level >= 0 && level <= 8 ? level : bodyTextLevel);
    });
}

bool caretHasLevel(const CommandContext &context, int level)
{
    return outlineLevel(context.control.textCursor().block(), context.control.document().styles()) == level;
}

void insertTableOfContents(CommandContext &context, const QVariant &)
{
    insertList(context.control, ListKind::Contents);
}

void updateTableOfContents(CommandContext &context, const QVariant &)
{
    updateLists(context.control, true, false);
}

bool canUpdateTableOfContents(const CommandContext &context)
{
    return caretInList(context.control, true) || hasList(context.control, true);
}

void insertTableOfFigures(CommandContext &context, const QVariant &)
{
    insertList(context.control, ListKind::Figures);
}

void insertTableOfTables(CommandContext &context, const QVariant &)
{
    insertList(context.control, ListKind::Tables);
}

void insertTableOfEquations(CommandContext &context, const QVariant &)
{
    insertList(context.control, ListKind::Equations);
}

void updateTableOfFigures(CommandContext &context, const QVariant &)
{
    updateLists(context.control, false, true);
}

bool canUpdateTableOfFigures(const CommandContext &context)
{
    return caretInList(context.control, false) || hasList(context.control, false);
}

} // namespace richedit::toc
