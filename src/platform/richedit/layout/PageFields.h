#pragma once

#include <QString>

class QTextDocument;

namespace richedit {

/// The fields whose result depends on the page they are shown on.
enum class PageField { None, Page, NumPages };

/// The page field an instruction ("PAGE", " NUMPAGES \* MERGEFORMAT ") names.
PageField pageFieldOf(const QString &instruction);

/// Sets the shown result of every PAGE and NUMPAGES field in the story, keeping each field's
/// format. Returns whether any text changed.
bool setPageFieldResults(QTextDocument &story, int pageNumber, int pageCount);

} // namespace richedit

namespace richedit {

/// Whether some PAGE or NUMPAGES field of the story shows another value than these.
bool hasStalePageFields(const QTextDocument &story, int pageNumber, int pageCount);

/// The highest field id used in the story, 0 when it has no field.
int lastFieldId(const QTextDocument &story);

} // namespace richedit
