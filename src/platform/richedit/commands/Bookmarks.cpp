#include "Bookmarks.h"

#include "CommandTexts.h"
#include "EditorDialogs.h"
#include "platform/richedit/Error.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>


namespace richedit::bookmarks {
namespace {

constexpr int maximumNameLength = 40;

const Bookmark *findBookmark(const Document &document, const QString &name)
{
    for (const Bookmark &bookmark : document.bookmarks())
        if (bookmark.name == name)
            return &bookmark;
    return nullptr;
}

} // namespace

QStringList bookmarkNames(const Document &document)
{
    QStringList names;
    for (const Bookmark &bookmark : document.bookmarks())
        names << bookmark.name;
    names.sort(Qt::CaseInsensitive);
    return names;
}

QString nameProblem(const QString &name)
{
    static const QRegularExpression valid(QStringLiteral("^\\p{L}[\\p{L}\\p{N}_]*$"));
    if (name.isEmpty())
        return commandText("Type a name for the bookmark.");
    if (name.size() > maximumNameLength)
        return commandText("A bookmark name can be at most %1 characters long.").arg(maximumNameLength);
    if (!valid.match(name).hasMatch())
        return commandText("A bookmark name must start with a letter and contain only letters, digits and underscores.");
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
            throw Error(commandText("A bookmark needs some text to mark; the document is empty."));
        if (to < last)
            ++to;
        else
            --from;
    }
    control.document().setBookmark(name, from, to);
}

bool goToBookmark(RichEditControl &control, const QString &name)
{
    const Bookmark *bookmark = findBookmark(control.document(), name);
    if (!bookmark)
        return false;
    QTextCursor cursor(control.mainStory());
    cursor.setPosition(bookmark->range.selectionStart());
    cursor.setPosition(bookmark->range.selectionEnd(), QTextCursor::KeepAnchor);
    control.setTextCursor(cursor);
    return true;
}

void deleteBookmark(Document &document, const QString &name)
{
    document.removeBookmark(name);
}

void showBookmarkForm(CommandContext &context, const QVariant &)
{
    context.dialogs.showBookmarks(context.control);
}

} // namespace richedit::bookmarks
