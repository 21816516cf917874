#pragma once

#include <QTextFormat>

#include <span>
#include <vector>

namespace richedit {
class RichEditControl;
}

namespace commands {

/// One formatting option that "Smazat formát" resets, and the text-format properties that
/// hold it. An option the model does not store yet has no properties.
struct FormattingOption {
    const char *name;
    std::vector<int> properties;
    /// For an option that shares its property with others: clears only its own part.
    void (*clearPart)(QTextFormat &format) = nullptr;
};

/// The 16 character options, in the order of the editor's option set.
std::span<const FormattingOption> characterFormattingOptions();
/// The 22 paragraph options.
std::span<const FormattingOption> paragraphFormattingOptions();

/// "Smazat formát": removes the direct character formatting of the selected characters and
/// the direct paragraph formatting of every paragraph the selection touches, so that the
/// text shows its style's (or the document's default) values; one undo step, in the story
/// that holds the selection.
void ClearFormatting(richedit::RichEditControl &ARichEdit);

} // namespace commands
