#pragma once

namespace richedit {

/// The header and footer stories a section can have. A section without one of its own
/// shows the previous section's, as word processors link them by default.
enum class HeaderFooterKind { HeaderOdd, HeaderEven, HeaderFirst, FooterOdd, FooterEven, FooterFirst };
constexpr int headerFooterKindCount = 6;

constexpr bool isHeader(HeaderFooterKind kind)
{
    return kind == HeaderFooterKind::HeaderOdd || kind == HeaderFooterKind::HeaderEven ||
           kind == HeaderFooterKind::HeaderFirst;
}

} // namespace richedit
