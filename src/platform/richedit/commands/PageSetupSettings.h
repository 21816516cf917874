#pragma once

#include "platform/richedit/model/Section.h"

#include <QString>

namespace richedit {

/// The tab the page setup dialog opens on.
enum class PageSetupPage { Margins, Paper };

/// What the page setup dialog shows and returns: the page of a section (paper kind, size as
/// laid on the page, orientation, margins and header/footer distances, all in twips) and
/// whether it goes to the selected sections or to the whole document.
struct PageSetupSettings {
    Section page;
    bool wholeDocument = false;

    bool operator==(const PageSetupSettings &) const = default;
};

/// Columns of a section: equal columns with one spacing, in twips. `textWidth` (twips between
/// the margins) is what they must fit into.
struct ColumnsSettings {
    int count = 1;
    int spacing = 720;
    int textWidth = 0;

    bool operator==(const ColumnsSettings &) const = default;
};

/// The narrowest text area and column a page may have, in twips.
constexpr int minimumTextExtent = 360;
constexpr int minimumColumnWidth = 360;
constexpr int maximumColumnCount = 45;

/// True when the margins leave at least `minimumTextExtent` of text area both ways.
bool marginsFit(const Section &page);
/// True when `count` columns of `minimumColumnWidth` with their spacing fit `textWidth`.
bool columnsFit(const ColumnsSettings &columns);

} // namespace richedit
