#pragma once

#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <functional>
#include <vector>

namespace richedit {

class RichEditControl;

/// A piece of one run of text that lies inside a selection, with the run's format.
struct SelectedRun {
    int from;
    int to;
    QTextCharFormat format;
};

/// The runs (fragments) of `cursor`'s selection, in document order, cut to the selection.
/// Collected first, because changing a format merges and splits the fragments being walked.
std::vector<SelectedRun> selectedRuns(const QTextCursor &cursor);

/// The character format the commands show as the selection's: that of the first selected
/// character, or the format typing at the caret would get.
QTextCharFormat selectionCharFormat(const QTextCursor &cursor);

/// Changes the character format of every run in the selection, keeping each run's other
/// properties; with a caret only, changes the format of what is typed next. One undo step.
void changeCharFormat(RichEditControl &control, const std::function<void(QTextCharFormat &)> &change);

/// The paragraphs the selection touches, in document order (the caret's paragraph for a caret).
std::vector<QTextBlock> selectedBlocks(const QTextCursor &selection);

/// Changes the format of every paragraph the selection touches. One undo step.
void changeBlockFormat(RichEditControl &control, const std::function<void(QTextBlockFormat &)> &change);

/// The font family and point size the selection shows, the document's default where the
/// text carries none of its own.
QString selectionFontFamily(const RichEditControl &control);
qreal selectionFontSize(const RichEditControl &control);

} // namespace richedit
