#include "PieceTable.h"

#include "Bytes.h"
#include "platform/richedit/Error.h"

#include <algorithm>

namespace richedit::doc {
namespace {

// A document of more characters than this is refused rather than read into memory.
constexpr quint32 maxCharacters = 1u << 28;

[[noreturn]] void broken(const QString &what)
{
    throw Error(QStringLiteral("its piece table is damaged (%1).").arg(what));
}

} // namespace

char16_t compressedChar(quint8 byte)
{
    // 0x80..0x9F of Windows-1252; undefined bytes keep their value.
    static const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : char16_t(byte);
}

PieceTable::PieceTable(const QByteArray &clx, const QByteArray &wordDocument)
    : m_wordDocument(wordDocument)
{
    qint64 pos = 0;
    // Prc entries (property groups of fast saves) come first, then the one Pcdt.
    while (pos < clx.size() && u8(clx, pos) == 0x01) {
        const qint64 size = i16(clx, pos + 1);
        if (size < 0 || !fits(clx, pos + 3, size))
            broken(QStringLiteral("a property group overruns the table"));
        m_prcs.push_back(slice(clx, pos + 3, size));
        pos += 3 + size;
    }
    if (u8(clx, pos) != 0x02)
        broken(QStringLiteral("it has no piece descriptors"));
    const qint64 lcb = u32(clx, pos + 1);
    pos += 5;
    if (!fits(clx, pos, lcb) || lcb < 4 || (lcb - 4) % 12 != 0)
        broken(QStringLiteral("the piece descriptors have a wrong size"));
    const qint64 count = (lcb - 4) / 12;
    const qint64 descriptors = pos + 4 * (count + 1);
    m_pieces.reserve(std::size_t(count));
    for (qint64 i = 0; i < count; ++i) {
        Piece piece;
        piece.cpStart = u32(clx, pos + 4 * i);
        piece.cpEnd = u32(clx, pos + 4 * (i + 1));
        const quint32 fcField = u32(clx, descriptors + 8 * i + 2);
        piece.compressed = fcField & 0x40000000;
        piece.fc = fcField & 0x3FFFFFFF;
        if (piece.compressed)
            piece.fc /= 2;
        piece.prm = u16(clx, descriptors + 8 * i + 6);
        if (piece.cpEnd < piece.cpStart || (i > 0 && piece.cpStart != m_pieces.back().cpEnd))
            broken(QStringLiteral("its character positions do not follow each other"));
        if (piece.cpEnd > maxCharacters)
            throw Error(QStringLiteral("it holds more text than this version can open."));
        const qint64 bytes = qint64(piece.cpEnd - piece.cpStart) * (piece.compressed ? 1 : 2);
        if (!fits(wordDocument, piece.fc, bytes))
            broken(QStringLiteral("a piece of text lies beyond the end of the document stream"));
        if (piece.cpEnd > piece.cpStart)
            m_pieces.push_back(piece);
    }
}

const Piece *PieceTable::pieceAt(quint32 cp) const
{
    const auto it = std::upper_bound(m_pieces.begin(), m_pieces.end(), cp,
                                     [](quint32 value, const Piece &piece) { return value < piece.cpEnd; });
    return it != m_pieces.end() && it->cpStart <= cp ? &*it : nullptr;
}

qint64 PieceTable::fcOf(quint32 cp) const
{
    const Piece *piece = pieceAt(cp);
    if (!piece)
        return -1;
    return qint64(piece->fc) + qint64(cp - piece->cpStart) * (piece->compressed ? 1 : 2);
}

QString PieceTable::text(quint32 cpStart, quint32 cpEnd) const
{
    QString result;
    if (cpEnd <= cpStart)
        return result;
    result.reserve(qsizetype(cpEnd - cpStart));
    quint32 cp = cpStart;
    while (cp < cpEnd) {
        const Piece *piece = pieceAt(cp);
        if (!piece)
            break;
        const quint32 last = std::min(cpEnd, piece->cpEnd);
        const char *bytes = m_wordDocument.constData() + piece->fc;
        for (quint32 c = cp; c < last; ++c) {
            const quint32 i = c - piece->cpStart;
            result.append(QChar(piece->compressed ? compressedChar(quint8(bytes[i]))
                                                  : qFromLittleEndian<char16_t>(bytes + 2 * i)));
        }
        cp = last;
    }
    return result;
}

QByteArray PieceTable::pieceSprms(const Piece &piece) const
{
    if (!(piece.prm & 1))
        return {};
    const std::size_t index = piece.prm >> 1;
    return index < m_prcs.size() ? m_prcs[index] : QByteArray();
}

} // namespace richedit::doc
