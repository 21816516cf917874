#include "PageSetupSettings.h"

namespace richedit {

bool marginsFit(const Section &page)
{
    const PageMargins &m = page.margins;
    return page.pageWidth - m.left - m.right >= minimumTextExtent
           && page.pageHeight - m.top - m.bottom >= minimumTextExtent;
}

bool columnsFit(const ColumnsSettings &columns)
{
    if (columns.count < 1 || columns.count > maximumColumnCount || columns.spacing < 0)
        return false;
    const qint64 needed = qint64(columns.count) * minimumColumnWidth + qint64(columns.count - 1) * columns.spacing;
    return needed <= columns.textWidth;
}

} // namespace richedit
