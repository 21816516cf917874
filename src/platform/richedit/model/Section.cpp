#include "Section.h"

#include <utility>

namespace richedit {

void Section::setPaperKind(PaperKind kind)
{
    paperKind = kind;
    if (const auto size = paperSizeTwips(kind)) {
        pageWidth = size->width();
        pageHeight = size->height();
        if (landscape)
            std::swap(pageWidth, pageHeight);
    }
}

void Section::setLandscape(bool value)
{
    if (value != landscape)
        std::swap(pageWidth, pageHeight);
    landscape = value;
}

} // namespace richedit
