#pragma once

namespace richedit {

/// How the control shows the main story.
enum class ViewMode {
    PrintLayout, // pages as they will be printed
    Draft,       // the page's text width on one continuous sheet, no page gaps or margins
    Simple,      // the text flows in the window's width, no pages
};

} // namespace richedit
