#pragma once

namespace localizer {
class Localizer;
}
namespace ribbon {
class Ribbon;
}

namespace language {

/// Gives every ribbon item bound to an editor command the command's caption and hint in the
/// localizer's language in force. Items with a caption or hint of their own keep it.
void applyCommandTexts(ribbon::Ribbon &ribbon, const localizer::Localizer &localizer);

} // namespace language
