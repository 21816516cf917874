#include "Document.h"

#include <QTextBlock>

#include <algorithm>

namespace richedit {

QFont standardDocumentFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(12);
    return font;
}

Document::Document(QObject *parent) : QObject(parent), m_mainStory(new QTextDocument(this)), m_sections(1)
{
    m_mainStory->setDefaultFont(standardDocumentFont());
    m_mainStory->setDocumentMargin(0);
    m_mainStory->clearUndoRedoStacks();
    m_mainStory->setModified(false);
}

Document::~Document() = default;

void Document::setSection(int index, const Section &section)
{
    m_sections.at(static_cast<std::size_t>(index)) = section;
    emit pageSetupChanged();
}

void Document::setSections(std::vector<Section> sections)
{
    m_sections = sections.empty() ? std::vector<Section>(1) : std::move(sections);
    emit pageSetupChanged();
}

void Document::setPageColor(const QColor &colour)
{
    if (colour == m_pageColor)
        return;
    m_pageColor = colour;
    emit pageSetupChanged();
}

void Document::setDefaultFont(const QFont &font)
{
    m_mainStory->setDefaultFont(font);
}

QTextDocument *Document::headerFooter(int sectionIndex, HeaderFooterKind kind) const
{
    const auto it = m_headerFooters.find({sectionIndex, static_cast<int>(kind)});
    return it == m_headerFooters.end() ? nullptr : it->second;
}

QTextDocument *Document::ensureHeaderFooter(int sectionIndex, HeaderFooterKind kind)
{
    QTextDocument *&story = m_headerFooters[{sectionIndex, static_cast<int>(kind)}];
    if (!story) {
        story = new QTextDocument(this);
        story->setDefaultFont(m_mainStory->defaultFont());
        story->setDocumentMargin(0);
    }
    return story;
}

QString noteMark(NoteKind kind, int number, const QString &initials)
{
    switch (kind) {
    case NoteKind::Footnote: return QString::number(number);
    case NoteKind::Endnote: {
        static const struct {
            int value;
            const char *digits;
        } roman[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
                     {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},   {4, "iv"},  {1, "i"}};
        if (number <= 0 || number >= 4000)
            return QString::number(number);
        QString text;
        for (const auto &row : roman)
            for (; number >= row.value; number -= row.value)
                text += QLatin1String(row.digits);
        return text;
    }
    case NoteKind::Comment: return QStringLiteral("[%1%2]").arg(initials).arg(number);
    }
    return QString::number(number);
}

int Document::addNote(NoteKind kind, const QString &mark)
{
    const int id = m_notes.empty() ? 1 : m_notes.rbegin()->first + 1;
    Note note;
    note.kind = kind;
    note.mark = mark;
    note.story = new QTextDocument(this);
    note.story->setDefaultFont(m_mainStory->defaultFont());
    note.story->setDocumentMargin(0);
    m_notes.emplace(id, note);
    return id;
}

Note *Document::note(int id)
{
    const auto it = m_notes.find(id);
    return it == m_notes.end() ? nullptr : &it->second;
}

const Note *Document::note(int id) const
{
    const auto it = m_notes.find(id);
    return it == m_notes.end() ? nullptr : &it->second;
}

void Document::insertSectionHeaderFooters(int index)
{
    std::map<std::pair<int, int>, QTextDocument *> moved;
    for (const auto &[key, story] : m_headerFooters)
        moved[{key.first >= index ? key.first + 1 : key.first, key.second}] = story;
    m_headerFooters = std::move(moved);
}

void Document::removeSectionHeaderFooters(int index)
{
    std::map<std::pair<int, int>, QTextDocument *> moved;
    for (const auto &[key, story] : m_headerFooters) {
        if (key.first == index)
            story->deleteLater(); // a view may still be painting it
        else
            moved[{key.first > index ? key.first - 1 : key.first, key.second}] = story;
    }
    m_headerFooters = std::move(moved);
}

void Document::removeHeaderFooter(int sectionIndex, HeaderFooterKind kind)
{
    const auto it = m_headerFooters.find({sectionIndex, static_cast<int>(kind)});
    if (it == m_headerFooters.end())
        return;
    delete it->second;
    m_headerFooters.erase(it);
}

void Document::setBookmark(const QString &name, int start, int end)
{
    QTextCursor cursor(m_mainStory);
    const int last = m_mainStory->characterCount() - 1;
    cursor.setPosition(std::clamp(start, 0, last));
    cursor.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
    for (Bookmark &bookmark : m_bookmarks)
        if (bookmark.name == name) {
            bookmark.range = cursor;
            return;
        }
    m_bookmarks.push_back({name, cursor});
}

void Document::setStoryBookmark(QTextDocument *story, const QString &name, int start, int end)
{
    QTextCursor cursor(story);
    const int last = story->characterCount() - 1;
    cursor.setPosition(std::clamp(start, 0, last));
    cursor.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
    for (Bookmark &bookmark : m_storyBookmarks)
        if (bookmark.name == name && bookmark.range.document() == story) {
            bookmark.range = cursor;
            return;
        }
    m_storyBookmarks.push_back({name, cursor});
}

bool Document::removeBookmark(const QString &name)
{
    const auto found = std::find_if(m_bookmarks.begin(), m_bookmarks.end(),
                                    [&](const Bookmark &bookmark) { return bookmark.name == name; });
    if (found == m_bookmarks.end())
        return false;
    m_bookmarks.erase(found);
    return true;
}

QString Document::plainText() const
{
    QStringList paragraphs;
    for (QTextBlock block = m_mainStory->begin(); block.isValid(); block = block.next())
        paragraphs << block.text().replace(QChar::LineSeparator, QLatin1Char('\n'));
    return paragraphs.join(QLatin1Char('\n'));
}

} // namespace richedit
