#pragma once

#include "platform/richedit/model/Section.h"

#include <QColor>

#include <functional>
#include <vector>

class QTextCursor;
class QTextDocument;

namespace richedit {

class Document;
class RichEditControl;

namespace pagesetup {

/// The page setup of a whole document: what one page setup edit changes and undo restores.
struct PageSetupState {
    std::vector<Section> sections;
    QColor pageColor;

    bool operator==(const PageSetupState &) const = default;
};

PageSetupState pageSetupOf(const Document &document);

/// The section that holds the paragraph at `position` of the main story: sections end at
/// the paragraphs marked prop::SectionEnd, the last one at the end of the story.
int sectionAt(const Document &document, int position);

/// First and last index of the sections the selection touches (the caret's section twice).
struct SectionRange {
    int first = 0;
    int last = 0;
};
SectionRange selectedSections(const RichEditControl &control);

/// Gives the document the page setup `after` as one undo step. Marks the document modified;
/// nothing happens when the page setup stays as it is.
void changePageSetup(RichEditControl &control, const PageSetupState &after);

/// Splits the section that holds the caret (a selection is deleted first) into two at the
/// caret, as one undo step: the text before the caret ends the first, the second copies its
/// page setup and starts as `start` says. The caret goes to the start of the second.
void insertSectionBreak(RichEditControl &control, SectionStart start);

} // namespace pagesetup
} // namespace richedit
