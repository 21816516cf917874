#include "Bookmarks.h"

#include "EditorDialogs.h"
#include "platform/richedit/Error.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>

#include <vector>

namespace richedit::bookmarks {
namespace {

constexpr int maximumNameLength = 40;

struct Run {
    int from;
    int to;
    QTextCharFormat format;
};

/// Every run of the document, in order; `visit` may keep them for a later change.
template <typename Visit>
void forEachRun(const QTextDocument &document, Visit visit)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            visit(Run{it.fragment().position(), it.fragment().position() + it.fragment().length(),
                      it.fragment().charFormat()});
}

/// The runs whose anchor names hold the name.
std::vector<Run> runsNamed(const QTextDocument &document, const QString &name)
{
    std::vector<Run> runs;
    forEachRun(document, [&](const Run &run) {
        if (run.format.anchorNames().contains(name))
            runs.push_back(run);
    });
    return runs;
}

void setNames(QTextDocument &document, const Run &run, const QStringList &names)
{
    QTextCharFormat format = run.format;
    if (names.isEmpty()) {
        format.clearProperty(QTextFormat::AnchorName);
        if (!format.isAnchor() || format.anchorHref().isEmpty())
            format.clearProperty(QTextFormat::IsAnchor);
    } else {
        format.setAnchor(true);
        format.setAnchorNames(names);
    }
    QTextCursor cursor(&document);
    cursor.setPosition(run.from);
    cursor.setPosition(run.to, QTextCursor::KeepAnchor);
    cursor.setCharFormat(format);
}

void removeName(QTextDocument &document, const QString &name)
{
    for (const Run &run : runsNamed(document, name)) {
        QStringList names = run.format.anchorNames();
        names.removeAll(name);
        setNames(document, run, names);
    }
}

} // namespace

QStringList bookmarkNames(const QTextDocument &document)
{
    QSet<QString> names;
    forEachRun(document, [&](const Run &run) {
        for (const QString &name : run.format.anchorNames())
            names.insert(name);
    });
    QStringList sorted(names.begin(), names.end());
    sorted.sort(Qt::CaseInsensitive);
    return sorted;
}

QString nameProblem(const QString &name)
{
    static const QRegularExpression valid(QStringLiteral("^\\p{L}[\\p{L}\\p{N}_]*$"));
    if (name.isEmpty())
        return QStringLiteral("Type a name for the bookmark.");
    if (name.size() > maximumNameLength)
        return QStringLiteral("A bookmark name can be at most %1 characters long.").arg(maximumNameLength);
    if (!valid.match(name).hasMatch())
        return QStringLiteral("A bookmark name must start with a letter and contain only letters, digits and underscores.");
    return {};
}

void addBookmark(RichEditControl &control, const QString &name)
{
    if (const QString problem = nameProblem(name); !problem.isEmpty())
        throw Error(problem);
    QTextDocument &document = *control.mainStory();
    const QTextCursor selection = control.textCursor();
    int from = selection.selectionStart();
    int to = selection.selectionEnd();
    const int last = document.characterCount() - 1; // the final paragraph mark is not text
    if (from == to) {
        if (last <= 0)
            throw Error(QStringLiteral("A bookmark needs some text to mark; the document is empty."));
        if (to < last)
            ++to;
        else
            --from;
    }
    QTextCursor editor(&document);
    editor.beginEditBlock();
    removeName(document, name);
    std::vector<Run> runs;
    forEachRun(document, [&](const Run &run) {
        const int start = std::max(run.from, from);
        const int end = std::min(run.to, to);
        if (start < end)
            runs.push_back(Run{start, end, run.format});
    });
    for (const Run &run : runs) {
        QStringList names = run.format.anchorNames();
        names << name;
        setNames(document, run, names);
    }
    editor.endEditBlock();
}

bool goToBookmark(RichEditControl &control, const QString &name)
{
    const std::vector<Run> runs = runsNamed(*control.mainStory(), name);
    if (runs.empty())
        return false;
    QTextCursor cursor(control.mainStory());
    cursor.setPosition(runs.front().from);
    cursor.setPosition(runs.back().to, QTextCursor::KeepAnchor);
    control.setTextCursor(cursor);
    return true;
}

void deleteBookmark(QTextDocument &document, const QString &name)
{
    QTextCursor editor(&document);
    editor.beginEditBlock();
    removeName(document, name);
    editor.endEditBlock();
}

void showBookmarkForm(CommandContext &context, const QVariant &)
{
    context.dialogs.showBookmarks(context.control);
}

} // namespace richedit::bookmarks
