#pragma once

#include "ViewMode.h"
#include "platform/richedit/layout/PageGeometry.h"

namespace richedit {

class Document;
class StandardPageLayout;

/// The draft and simple views: the story laid out without pagination on one sheet that
/// shows the text and a little room round it, never the page margins. It keeps the page
/// margins of the print layout on the story (so nothing reaches the undo stack or the
/// modified flag) and only widens or narrows the page and drops its height.
class ContinuousLayout final : public PageGeometry {
public:
    static constexpr qreal padding = 12; // layout units of sheet round the text

    ContinuousLayout(Document &document, StandardPageLayout &printLayout);

    /// Lays the story out for `mode`; `availableWidth` (layout units) is the room the simple
    /// view's sheet may take. For the print layout it restores the print page.
    void apply(ViewMode mode, qreal availableWidth);

    int pageCount() const override { return 1; }
    QRectF pageRect(int page) const override;
    QRectF textArea(int page) const override;
    int pageAt(qreal) const override { return 0; }
    // One sheet without pages: no section breaks show, and page numbers mean nothing here.
    int sectionOfPage(int) const override { return 0; }
    int pageInSection(int) const override { return 0; }
    int pageNumber(int) const override { return 1; }
    int firstPageOfSection(int section) const override { return section == 0 ? 0 : -1; }

private:
    Document &m_document;
    StandardPageLayout &m_printLayout;
};

} // namespace richedit
