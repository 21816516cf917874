#pragma once

#include "PaperKind.h"

#include <QSize>

namespace richedit {

/// Page margins and header/footer distances, in twips.
struct PageMargins {
    int left = 1440;
    int right = 1440;
    int top = 1440;
    int bottom = 1440;
    int header = 720; // from the top edge of the paper to the header
    int footer = 720; // from the bottom edge of the paper to the footer

    bool operator==(const PageMargins &) const = default;
};

/// Line numbers in the margin of a section; `countBy` 0 means none.
struct LineNumbering {
    int countBy = 0;
    int start = 1;
    int distance = 0; // twips from the text, 0 for automatic
    enum Restart { EachPage, EachSection, Continuous } restart = EachPage;

    bool operator==(const LineNumbering &) const = default;
};

/// How a section starts.
enum class SectionStart { NextPage, Continuous, EvenPage, OddPage, Column };

/// The page setup of one section. Sizes are as laid on the page: a landscape section
/// has a width larger than its height.
struct Section {
    PaperKind paperKind = PaperKind::Letter;
    int pageWidth = 12240;  // twips
    int pageHeight = 15840; // twips
    bool landscape = false;
    PageMargins margins;
    SectionStart start = SectionStart::NextPage;
    int columnCount = 1;
    int columnSpacing = 720;
    LineNumbering lineNumbering;
    bool differentFirstPage = false; // the first page has its own header and footer
    int pageNumberStart = 0;         // 0 continues from the previous section

    bool operator==(const Section &) const = default;

    /// Sets the paper kind and takes its size, keeping the orientation.
    void setPaperKind(PaperKind kind);
    /// Swaps width and height when the orientation changes.
    void setLandscape(bool landscape);
    QSize pageSizeTwips() const { return {pageWidth, pageHeight}; }
};

} // namespace richedit
