#pragma once

#include "Section.h"

#include <QFont>
#include <QObject>
#include <QTextDocument>

#include <vector>

namespace richedit {

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

signals:
    void pageSetupChanged();

private:
    QTextDocument *m_mainStory;
    std::vector<Section> m_sections;
};

/// The font a new document starts with: Times New Roman, 12 points.
QFont standardDocumentFont();

} // namespace richedit
