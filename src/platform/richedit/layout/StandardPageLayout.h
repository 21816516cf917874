#pragma once

#include "PageGeometry.h"
#include "platform/richedit/model/Document.h"

namespace richedit {

/// Pagination by Qt's own document layout with the first section's page setup: every page
/// has the first section's size and margins. The gap between pages is part of each layout
/// page (below the bottom margin), so text never runs into it.
class StandardPageLayout final : public PageGeometry {
public:
    static constexpr qreal pageGap = 24; // layout units between two pages

    explicit StandardPageLayout(Document &document);

    /// Gives the main story the page size and margins of the first section.
    void apply();

    int pageCount() const override;
    QRectF pageRect(int page) const override;
    QRectF textArea(int page) const override;
    int pageAt(qreal y) const override;

private:
    Document &m_document;
};

} // namespace richedit
