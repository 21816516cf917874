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
