#pragma once

#include "PageGeometry.h"
#include "platform/richedit/model/Document.h"

#include <QMetaObject>

#include <vector>

namespace richedit {

/// Pagination by Qt's own document layout with the first section's page setup: every page
/// has the first section's size and margins. The gap between pages is part of each layout
/// page (below the bottom margin), so text never runs into it. A page shows the header and
/// footer of the section whose text reaches it last, found from the section ends.
class StandardPageLayout final : public PageGeometry {
public:
    static constexpr qreal pageGap = 24; // layout units between two pages

    explicit StandardPageLayout(Document &document);
    ~StandardPageLayout() override;

    /// Gives the main story the page size and margins of the first section, the top and
    /// bottom margins grown where a header or footer reaches further into the page.
    void apply();

    int pageCount() const override;
    QRectF pageRect(int page) const override;
    QRectF textArea(int page) const override;
    int pageAt(qreal y) const override;

    int sectionOfPage(int page) const override;
    int pageInSection(int page) const override;
    int pageNumber(int page) const override;
    int firstPageOfSection(int section) const override;

private:
    /// The top and bottom margins the body keeps, in layout units.
    std::pair<qreal, qreal> bodyMargins() const;
    const std::vector<int> &sectionStarts() const;

    Document &m_document;
    QMetaObject::Connection m_contentsWatch;
    mutable std::vector<int> m_sectionStarts; // first page of each section, -1 when none
    mutable bool m_startsValid = false;
};

} // namespace richedit
