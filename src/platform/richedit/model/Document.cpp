#include "Document.h"

#include <QTextBlock>

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

QString Document::plainText() const
{
    QStringList paragraphs;
    for (QTextBlock block = m_mainStory->begin(); block.isValid(); block = block.next())
        paragraphs << block.text().replace(QChar::LineSeparator, QLatin1Char('\n'));
    return paragraphs.join(QLatin1Char('\n'));
}

} // namespace richedit
