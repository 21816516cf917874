#include "PageFields.h"

#include "platform/richedit/model/Properties.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace richedit {

PageField pageFieldOf(const QString &instruction)
{
    const QString name = instruction.trimmed().section(QLatin1Char(' '), 0, 0);
    if (name.compare(QLatin1String("PAGE"), Qt::CaseInsensitive) == 0)
        return PageField::Page;
    if (name.compare(QLatin1String("NUMPAGES"), Qt::CaseInsensitive) == 0)
        return PageField::NumPages;
    return PageField::None;
}

namespace {

struct FieldRun {
    int start;
    int end;
    QString result;
    QTextCharFormat format;
};

/// The runs of page fields whose shown text differs from what they should show.
std::vector<FieldRun> staleFields(const QTextDocument &story, int pageNumber, int pageCount)
{
    std::vector<FieldRun> runs;
    for (QTextBlock block = story.begin(); block.isValid(); block = block.next()) {
        int openId = 0;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const int id = format.intProperty(prop::FieldId);
            if (id != 0 && id == openId) {
                runs.back().end = fragment.position() + fragment.length();
                continue;
            }
            openId = 0;
            const PageField field = id ? pageFieldOf(format.stringProperty(prop::FieldInstruction)) : PageField::None;
            if (field == PageField::None)
                continue;
            openId = id;
            const QString value = QString::number(field == PageField::Page ? pageNumber : pageCount);
            runs.push_back({fragment.position(), fragment.position() + fragment.length(), value, format});
        }
    }
    std::erase_if(runs, [&story](const FieldRun &run) {
        QTextCursor shown(const_cast<QTextDocument *>(&story));
        shown.setPosition(run.start);
        shown.setPosition(run.end, QTextCursor::KeepAnchor);
        return shown.selectedText() == run.result;
    });
    return runs;
}

} // namespace

bool setPageFieldResults(QTextDocument &story, int pageNumber, int pageCount)
{
    const std::vector<FieldRun> runs = staleFields(story, pageNumber, pageCount);
    // From the end, so that the earlier positions stay where they were.
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        QTextCursor cursor(&story);
        cursor.setPosition(run->start);
        cursor.setPosition(run->end, QTextCursor::KeepAnchor);
        cursor.insertText(run->result, run->format);
    }
    return !runs.empty();
}

} // namespace richedit

namespace richedit {

bool hasStalePageFields(const QTextDocument &story, int pageNumber, int pageCount)
{
    return !staleFields(story, pageNumber, pageCount).empty();
}

int lastFieldId(const QTextDocument &story)
{
    int last = 0;
    for (QTextBlock block = story.begin(); block.isValid(); block = block.next())
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
            last = std::max(last, it.fragment().charFormat().intProperty(prop::FieldId));
    return last;
}

} // namespace richedit
