#pragma once

#include "platform/richedit/model/Document.h"
#include "platform/richedit/model/Properties.h"

#include <QTextBlock>
#include <QTextCursor>

#include <initializer_list>

/// Builds documents page by page: every paragraph after the first starts a new page, and a
/// paragraph can end its section.
namespace paged {

struct Page {
    QString text;
    bool endsSection = false;
};

inline void fill(richedit::Document &document, std::initializer_list<Page> pages)
{
    QTextDocument *story = document.mainStory();
    QTextCursor cursor(story);
    bool first = true;
    for (const Page &page : pages) {
        if (!first) {
            QTextBlockFormat format;
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.insertBlock(format);
        }
        first = false;
        cursor.insertText(page.text);
        if (page.endsSection) {
            QTextBlockFormat end = cursor.blockFormat();
            end.setProperty(richedit::prop::SectionEnd, true);
            cursor.setBlockFormat(end);
        }
    }
    story->clearUndoRedoStacks();
    story->setModified(false);
}

/// Sets the story's text, one paragraph per line; a "#" stands for a field with that instruction
/// after it in braces: "Page {PAGE} of {NUMPAGES}".
inline void setStory(QTextDocument &story, const QString &text)
{
    story.clear();
    QTextCursor cursor(&story);
    int id = 1;
    int at = 0;
    while (at < text.size()) {
        const int open = text.indexOf(QLatin1Char('{'), at);
        if (open < 0) {
            cursor.insertText(text.mid(at));
            break;
        }
        cursor.insertText(text.mid(at, open - at));
        const int close = text.indexOf(QLatin1Char('}'), open);
        QTextCharFormat field;
        field.setProperty(richedit::prop::FieldId, id++);
        field.setProperty(richedit::prop::FieldInstruction, text.mid(open + 1, close - open - 1));
        cursor.insertText(QStringLiteral("?"), field);
        cursor.setCharFormat(QTextCharFormat());
        at = close + 1;
    }
    story.clearUndoRedoStacks();
    story.setModified(false);
}

} // namespace paged
