#include "WordFixture.h"

#include <QtEndian>

namespace richedit::test {
namespace {

constexpr quint32 endOfChain = 0xFFFFFFFE;
constexpr quint32 freeSector = 0xFFFFFFFF;
constexpr quint32 fatSector = 0xFFFFFFFD;
constexpr quint32 noStream = 0xFFFFFFFF;
constexpr int textOffset = 1024; // where the fixture puts the text in "WordDocument"

void put16(QByteArray &bytes, int offset, quint16 value) { qToLittleEndian(value, bytes.data() + offset); }
void put32(QByteArray &bytes, int offset, quint32 value) { qToLittleEndian(value, bytes.data() + offset); }

QByteArray windows1252(const QString &text)
{
    static const char16_t high[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                      0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    QByteArray bytes;
    for (const QChar c : text) {
        char byte = '?';
        if (c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() < 0x100))
            byte = char(c.unicode());
        for (int i = 0; i < 32; ++i)
            if (high[i] == c.unicode())
                byte = char(0x80 + i);
        bytes.append(byte);
    }
    return bytes;
}

} // namespace

QByteArray compoundFile(const std::vector<std::pair<QString, QByteArray>> &streams)
{
    QByteArray header(512, '\0');
    header.replace(0, 8, QByteArray::fromHex("D0CF11E0A1B11AE1"));
    put16(header, 24, 0x3E);
    put16(header, 26, 3);
    put16(header, 28, 0xFFFE);
    put16(header, 30, 9);
    put16(header, 32, 6);
    put32(header, 44, 1); // one FAT sector
    put32(header, 48, 1); // directory in sector 1
    put32(header, 56, 4096);
    put32(header, 60, endOfChain);
    put32(header, 68, endOfChain);
    for (int i = 0; i < 109; ++i)
        put32(header, 76 + 4 * i, freeSector);
    put32(header, 76, 0);

    QByteArray fat(512, '\xFF');
    put32(fat, 0, fatSector);
    put32(fat, 4, endOfChain);
    QByteArray directory(512, '\0');
    const auto entry = [&directory](int index, const QString &name, int type, quint32 right, quint32 child,
                                    quint32 start, quint32 size) {
        const int offset = index * 128;
        for (int i = 0; i < name.size(); ++i)
            put16(directory, offset + 2 * i, name[i].unicode());
        put16(directory, offset + 64, quint16(2 * (name.size() + 1)));
        directory[offset + 66] = char(type);
        put32(directory, offset + 68, noStream);
        put32(directory, offset + 72, right);
        put32(directory, offset + 76, child);
        put32(directory, offset + 116, start);
        put32(directory, offset + 120, size);
    };
    entry(0, QStringLiteral("Root Entry"), 5, noStream, streams.empty() ? noStream : 1, endOfChain, 0);
    QByteArray data;
    quint32 sector = firstStreamSector;
    for (std::size_t i = 0; i < streams.size() && i < 3; ++i) {
        QByteArray bytes = streams[i].second;
        if (bytes.size() < 4096)
            bytes.append(QByteArray(4096 - bytes.size(), '\0'));
        const quint32 count = quint32((bytes.size() + 511) / 512);
        for (quint32 s = 0; s < count; ++s)
            put32(fat, int(4 * (sector + s)), s + 1 < count ? sector + s + 1 : endOfChain);
        const quint32 right = i + 1 < streams.size() ? quint32(i + 2) : noStream;
        entry(int(i + 1), streams[i].first, 2, right, noStream, sector, quint32(bytes.size()));
        bytes.append(QByteArray(int(count * 512) - bytes.size(), '\0'));
        data.append(bytes);
        sector += count;
    }
    return header + fat + directory + data;
}

QByteArray WordFixture::wordDocument() const
{
    QByteArray wd(textOffset, '\0');
    quint32 characters = 0;
    for (const TextPiece &piece : pieces) {
        wd.append(piece.eightBit ? windows1252(piece.text)
                                 : QByteArray(reinterpret_cast<const char *>(piece.text.utf16()),
                                              piece.text.size() * 2));
        characters += quint32(piece.text.size());
    }
    put16(wd, 0, 0xA5EC);
    put16(wd, 2, nFib);
    put16(wd, 10, quint16((encrypted ? 0x0100 : 0) | 0x0200)); // the table is "1Table"
    put16(wd, 32, 14);
    put16(wd, 62, 22);
    put32(wd, 76, characters + quint32(extraCharacters));
    put16(wd, 152, 93);
    const quint32 clxSize = quint32(table().size()) - (characterRuns.empty() ? 0 : 12);
    put32(wd, 154 + 33 * 8, 0);           // fcClx
    put32(wd, 154 + 33 * 8 + 4, clxSize); // lcbClx
    if (!characterRuns.empty()) {
        // One formatting page after the text; the bin table follows the piece table.
        const auto fcOf = [this](quint32 cp) {
            quint32 fc = textOffset;
            quint32 start = 0;
            for (const TextPiece &piece : pieces) {
                const quint32 size = quint32(piece.text.size()) * (piece.eightBit ? 1 : 2);
                if (cp < start + quint32(piece.text.size()))
                    return fc + (cp - start) * (piece.eightBit ? 1 : 2);
                fc += size;
                start += quint32(piece.text.size());
            }
            return fc;
        };
        wd.append(QByteArray(512 - wd.size() % 512, '\0'));
        QByteArray page(512, '\0');
        const int count = int(characterRuns.size());
        int groups = 511;
        for (int i = 0; i < count; ++i) {
            put32(page, 4 * i, fcOf(characterRuns[std::size_t(i)].cpStart));
            const QByteArray &sprms = characterRuns[std::size_t(i)].sprms;
            if (!sprms.isEmpty()) {
                groups = (groups - 1 - int(sprms.size())) & ~1;
                page[groups] = char(sprms.size());
                page.replace(groups + 1, sprms.size(), sprms);
                page[4 * (count + 1) + i] = char(groups / 2);
            }
        }
        put32(page, 4 * count, fcOf(characterRuns.back().cpEnd));
        page[511] = char(count);
        wd.append(page);
        put32(wd, 154 + 12 * 8, clxSize); // fcPlcfBteChpx
        put32(wd, 154 + 12 * 8 + 4, 12);  // lcbPlcfBteChpx
    }
    return wd;
}

QByteArray WordFixture::table() const
{
    const int count = int(pieces.size());
    QByteArray clx(5 + 4 * (count + 1) + 8 * count, '\0');
    clx[0] = 0x02;
    put32(clx, 1, quint32(4 * (count + 1) + 8 * count));
    quint32 cp = 0;
    quint32 fc = textOffset;
    for (int i = 0; i < count; ++i) {
        const TextPiece &piece = pieces[std::size_t(i)];
        put32(clx, 5 + 4 * i, cp);
        cp += quint32(piece.text.size());
        const int pcd = 5 + 4 * (count + 1) + 8 * i;
        put32(clx, pcd + 2, piece.eightBit ? (fc * 2) | 0x40000000 : fc);
        fc += quint32(piece.text.size()) * (piece.eightBit ? 1 : 2);
    }
    put32(clx, 5 + 4 * count, cp);
    if (!characterRuns.empty()) {
        // The bin table: the page's first and last position and its page number. The text
        // and the page are laid out as wordDocument() lays them out.
        quint32 bytes = textOffset;
        for (const TextPiece &piece : pieces)
            bytes += quint32(piece.text.size()) * (piece.eightBit ? 1 : 2);
        const quint32 pageNumber = bytes / 512 + 1;
        QByteArray bin(12, '\0');
        put32(bin, 0, textOffset);
        put32(bin, 4, bytes);
        put32(bin, 8, pageNumber);
        clx.append(bin);
    }
    return clx;
}

QByteArray WordFixture::file() const
{
    std::vector<std::pair<QString, QByteArray>> streams{{QStringLiteral("WordDocument"), wordDocument()}};
    if (!tableStreamMissing)
        streams.push_back({QStringLiteral("1Table"), table()});
    return compoundFile(streams);
}

} // namespace richedit::test
