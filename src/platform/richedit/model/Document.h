#pragma once

#include "HeaderFooter.h"
#include "Lists.h"
#include "Notes.h"
#include "Protection.h"
#include "Section.h"
#include "Styles.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QTextCursor>
#include <QTextDocument>

#include <map>
#include <vector>

namespace richedit {

/// A named place or range in the main story; its cursor follows edits.
struct Bookmark {
    QString name;
    QTextCursor range;
};

/// The document model: the main story (a QTextDocument holding paragraphs, runs and their
/// formats) and the sections with their page setup. Readers fill it, writers read it, and
/// the control shows and edits it.
class Document : public QObject {
    Q_OBJECT
public:
    explicit Document(QObject *parent = nullptr);
    ~Document() override;

    QTextDocument *mainStory() { return m_mainStory; }
    const QTextDocument *mainStory() const { return m_mainStory; }

    /// Always at least one section.
    const std::vector<Section> &sections() const { return m_sections; }
    const Section &section(int index) const { return m_sections.at(static_cast<std::size_t>(index)); }
    /// Replaces one section's page setup; `pageSetupChanged` follows.
    void setSection(int index, const Section &section);
    /// Replaces all sections (a reader's last step); an empty list keeps one default section.
    void setSections(std::vector<Section> sections);

    /// The font of text that carries no font of its own.
    QFont defaultFont() const { return m_mainStory->defaultFont(); }
    void setDefaultFont(const QFont &font);

    /// Text of the main story, paragraphs joined by "\n" (line breaks inside a paragraph too).
    QString plainText() const;

    StyleSheet &styles() { return m_styles; }
    const StyleSheet &styles() const { return m_styles; }

    /// List definitions by id (prop::ListId on a QTextList's format).
    ListTable &lists() { return m_lists; }
    const ListTable &lists() const { return m_lists; }

    /// The header or footer story of a section, or null when the section has none of its own.
    QTextDocument *headerFooter(int sectionIndex, HeaderFooterKind kind) const;
    /// The story, created empty (with the main story's default font) when it does not exist.
    QTextDocument *ensureHeaderFooter(int sectionIndex, HeaderFooterKind kind);
    /// A section was inserted at `index`: the stories of the sections from there on move up
    /// one, so the new section has none of its own (it shows the previous section's).
    void insertSectionHeaderFooters(int index);
    /// The section at `index` was removed: its stories go, those after it move down one.
    void removeSectionHeaderFooters(int index);
    /// Deletes the section's own story, so that it shows the previous section's again.
    void removeHeaderFooter(int sectionIndex, HeaderFooterKind kind);
    /// Odd and even pages have different headers and footers (a setting of the whole document).
    bool evenAndOddHeaders() const { return m_evenAndOddHeaders; }
    void setEvenAndOddHeaders(bool value) { m_evenAndOddHeaders = value; }

    const std::vector<Bookmark> &bookmarks() const { return m_bookmarks; }
    /// Adds a bookmark over [start, end) of the main story; an existing one of the same name moves.
    void setBookmark(const QString &name, int start, int end);
    /// Removes the bookmark of that name; the text stays. False when there is none.
    bool removeBookmark(const QString &name);
    /// Bookmarks in headers, footers and notes (each range's cursor is on its own story); they
    /// are kept apart so that bookmarks() is always the main story's.
    const std::vector<Bookmark> &storyBookmarks() const { return m_storyBookmarks; }
    /// Adds a bookmark over [start, end) of a header, footer or note story of this document.
    void setStoryBookmark(QTextDocument *story, const QString &name, int start, int end);

    /// Footnotes, endnotes and comments by id (> 0), in the order they were added.
    const std::map<int, Note> &notes() const { return m_notes; }
    /// A new note of that kind with an empty story (the main story's default font); returns its id.
    int addNote(NoteKind kind, const QString &mark);
    /// The note of that id, or null.
    Note *note(int id);
    const Note *note(int id) const;

    const Protection &protection() const { return m_protection; }
    void setProtection(const Protection &protection) { m_protection = protection; }

    /// The background colour of the pages; invalid when the pages have none (white paper).
    QColor pageColor() const { return m_pageColor; }
    /// Sets the page colour; `pageSetupChanged` follows when it changes.
    void setPageColor(const QColor &colour);

    /// True while a page setup edit of the user is recorded as one undo step: changes that
    /// the layout makes to the main story then join that step instead of being kept off
    /// the undo stack.
    bool recordingPageSetup() const { return m_recordingPageSetup; }
    void setRecordingPageSetup(bool recording) { m_recordingPageSetup = recording; }

signals:
    void pageSetupChanged();

private:
    QTextDocument *m_mainStory;
    std::vector<Section> m_sections;
    StyleSheet m_styles;
    ListTable m_lists;
    std::map<std::pair<int, int>, QTextDocument *> m_headerFooters;
    bool m_evenAndOddHeaders = false;
    std::vector<Bookmark> m_bookmarks;
    std::vector<Bookmark> m_storyBookmarks;
    Protection m_protection;
    std::map<int, Note> m_notes;
    QColor m_pageColor;
    bool m_recordingPageSetup = false;
};

/// The font a new document starts with: Times New Roman, 12 points.
QFont standardDocumentFont();

} // namespace richedit
