#pragma once

#include "HeaderFooter.h"
#include "Lists.h"
#include "Protection.h"
#include "Section.h"
#include "Styles.h"

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

    const Protection &protection() const { return m_protection; }
    void setProtection(const Protection &protection) { m_protection = protection; }

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
    Protection m_protection;
};

/// The font a new document starts with: Times New Roman, 12 points.
QFont standardDocumentFont();

} // namespace richedit
