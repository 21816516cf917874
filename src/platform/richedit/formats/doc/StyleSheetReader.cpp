#include "StyleSheetReader.h"

#include "Bytes.h"

namespace richedit::doc {
namespace {

constexpr int maxStyles = 0xFFE; // istd is twelve bits, 0xFFF means none
constexpr int ffnNameOffset = 39; // after ffid, wWeight, chs, ixchSzAlt, panose and the font signature

QString nullTerminatedUtf16(const QByteArray &bytes, qint64 offset)
{
    QString text;
    for (qint64 pos = offset; pos + 2 <= bytes.size(); pos += 2) {
        const char16_t c = u16(bytes, pos);
        if (c == 0)
            break;
        text.append(QChar(c));
    }
    return text;
}

std::optional<WordStyle> parseStyle(const QByteArray &std, int baseSize)
{
    if (std.size() < baseSize || baseSize < 10)
        return std::nullopt;
    WordStyle style;
    style.kind = u16(std, 2) & 0xF;
    style.basedOn = u16(std, 2) >> 4;
    const int upxCount = u16(std, 4) & 0xF;
    style.next = u16(std, 4) >> 4;
    qint64 pos = baseSize;
    const int chars = u16(std, pos);
    if (!fits(std, pos + 2, 2 * qint64(chars)))
        return std::nullopt;
    style.name = QString::fromUtf16(reinterpret_cast<const char16_t *>(std.constData() + pos + 2), chars);
    pos += 2 + 2 * qint64(chars) + 2;
    std::vector<QByteArray> upxs;
    for (int i = 0; i < upxCount && pos + 2 <= std.size(); ++i) {
        const qint64 size = u16(std, pos);
        upxs.push_back(slice(std, pos + 2, size));
        pos += 2 + size + (size % 2);
    }
    const auto upx = [&upxs](std::size_t i) { return i < upxs.size() ? upxs[i] : QByteArray(); };
    switch (style.kind) {
    case 1: // paragraph: the paragraph group starts with its own istd
        style.paragraphSprms = parseSprms(upx(0).mid(2));
        style.characterSprms = parseSprms(upx(1));
        break;
    case 2: style.characterSprms = parseSprms(upx(0)); break;
    case 3:
        style.paragraphSprms = parseSprms(upx(1).mid(2));
        style.characterSprms = parseSprms(upx(2));
        break;
    default: break;
    }
    return style;
}

} // namespace

WordStyleSheet parseStyleSheet(const QByteArray &stsh)
{
    WordStyleSheet sheet;
    const qint64 infoSize = u16(stsh, 0);
    const int count = std::min<int>(u16(stsh, 2), maxStyles);
    const int baseSize = u16(stsh, 4);
    sheet.defaultFont = u16(stsh, 2 + 12);
    qint64 pos = 2 + infoSize;
    for (int i = 0; i < count && pos + 2 <= stsh.size(); ++i) {
        const qint64 size = u16(stsh, pos);
        pos += 2;
        sheet.styles.push_back(size > 0 ? parseStyle(slice(stsh, pos, size), baseSize) : std::nullopt);
        pos += size;
    }
    return sheet;
}

QStringList parseFontTable(const QByteArray &sttb)
{
    QStringList fonts;
    const int count = u16(sttb, 0);
    if (count == 0xFFFF)
        return fonts;
    const int extra = u16(sttb, 2);
    qint64 pos = 4;
    for (int i = 0; i < count && pos < sttb.size(); ++i) {
        const int size = u8(sttb, pos);
        fonts << nullTerminatedUtf16(slice(sttb, pos + 1, size), ffnNameOffset);
        pos += 1 + size + extra;
    }
    return fonts;
}

} // namespace richedit::doc
