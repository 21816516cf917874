#include "CompoundFile.h"

#include "Bytes.h"
#include "platform/richedit/Error.h"

#include <QSet>

namespace richedit::doc {
namespace {

constexpr quint32 maxRegularSector = 0xFFFFFFFA;
constexpr quint32 endOfChain = 0xFFFFFFFE;
constexpr quint32 noStream = 0xFFFFFFFF;
constexpr int headerSize = 512;
constexpr int directoryEntrySize = 128;
constexpr int maxDirectoryEntries = 1 << 20;

[[noreturn]] void broken(const QString &what)
{
    throw Error(QStringLiteral("the Word document's container is damaged (%1).").arg(what));
}

} // namespace

bool CompoundFile::hasSignature(const QByteArray &data)
{
    return data.startsWith(QByteArray::fromHex("D0CF11E0A1B11AE1"));
}

CompoundFile::CompoundFile(const QByteArray &data)
    : m_data(data)
{
    if (!hasSignature(data))
        throw Error(QStringLiteral("it is not a Word 97-2003 document (it is not an Office compound file)."));
    if (data.size() < headerSize)
        broken(QStringLiteral("the header is cut short"));
    const quint16 major = u16(data, 26);
    const quint16 shift = u16(data, 30);
    if (u16(data, 28) != 0xFFFE)
        broken(QStringLiteral("the byte order mark is wrong"));
    if (!((major == 3 && shift == 9) || (major == 4 && shift == 12)))
        broken(QStringLiteral("unknown version %1 with sectors of 2^%2 bytes").arg(major).arg(shift));
    if (u16(data, 32) != 6)
        broken(QStringLiteral("the mini sector size is not 64 bytes"));
    m_sectorSize = 1 << shift;
    m_miniCutoff = u32(data, 56);
    if (m_miniCutoff != 4096)
        broken(QStringLiteral("the mini stream cutoff is not 4096 bytes"));
    // Sector n starts at (n + 1) * sector size; a last sector cut short still counts, with
    // zeros after the end of the file, as some writers leave the final sector unpadded.
    m_sectorCount = quint32((qint64(data.size()) - m_sectorSize + m_sectorSize - 1) / m_sectorSize);
    if (data.size() <= m_sectorSize)
        m_sectorCount = 0;
    m_fat = readFat();
    m_entries = readDirectory();
    const Entry &root = m_entries.front();
    if (root.type != 5)
        broken(QStringLiteral("the first directory entry is not the root"));
    // MiniFAT and the mini stream (held in the root entry's chain).
    const quint32 miniFatStart = u32(data, 60);
    const quint32 miniFatSectors = u32(data, 64);
    if (miniFatSectors > 0 && miniFatStart <= maxRegularSector) {
        const std::vector<quint32> sectors = chainSectors(m_fat, miniFatStart, qsizetype(m_sectorCount));
        for (quint32 s : sectors) {
            const QByteArray bytes = sector(s);
            for (int i = 0; i + 4 <= bytes.size(); i += 4)
                m_miniFat.push_back(u32(bytes, i));
        }
    }
    if (root.size > 0 && root.start <= maxRegularSector)
        m_miniStream = chain(root.start, root.size, false);
}

QByteArray CompoundFile::sector(quint32 index) const
{
    if (index >= m_sectorCount)
        broken(QStringLiteral("sector %1 lies beyond the end of the file").arg(index));
    const qint64 offset = (qint64(index) + 1) * m_sectorSize;
    QByteArray bytes = m_data.mid(qsizetype(offset), m_sectorSize);
    if (bytes.size() < m_sectorSize)
        bytes.append(QByteArray(m_sectorSize - bytes.size(), '\0'));
    return bytes;
}

std::vector<quint32> CompoundFile::readFat() const
{
    const quint32 fatSectors = u32(m_data, 44);
    // Each FAT sector describes sectorSize / 4 sectors; more FAT than the file can use is a lie.
    if (qint64(fatSectors) > qint64(m_sectorCount) + 1)
        broken(QStringLiteral("it claims %1 FAT sectors").arg(fatSectors));
    std::vector<quint32> fatSectorList;
    for (int i = 0; i < 109 && fatSectorList.size() < fatSectors; ++i)
        fatSectorList.push_back(u32(m_data, 76 + 4 * i));
    quint32 difat = u32(m_data, 68);
    QSet<quint32> seen;
    const int perDifat = m_sectorSize / 4 - 1;
    while (fatSectorList.size() < fatSectors && difat <= maxRegularSector) {
        if (seen.contains(difat))
            broken(QStringLiteral("the DIFAT chain runs in a circle"));
        seen.insert(difat);
        const QByteArray bytes = sector(difat);
        for (int i = 0; i < perDifat && fatSectorList.size() < fatSectors; ++i)
            fatSectorList.push_back(u32(bytes, 4 * i));
        difat = u32(bytes, 4 * perDifat);
    }
    if (fatSectorList.size() < fatSectors)
        broken(QStringLiteral("the DIFAT ends before it lists every FAT sector"));
    std::vector<quint32> fat;
    fat.reserve(fatSectorList.size() * std::size_t(m_sectorSize / 4));
    for (quint32 s : fatSectorList) {
        const QByteArray bytes = sector(s);
        for (int i = 0; i + 4 <= bytes.size(); i += 4)
            fat.push_back(u32(bytes, i));
    }
    return fat;
}

std::vector<quint32> CompoundFile::chainSectors(const std::vector<quint32> &table, quint32 start,
                                                qsizetype limit) const
{
    std::vector<quint32> sectors;
    std::vector<bool> seen(table.size(), false);
    quint32 current = start;
    while (current != endOfChain) {
        if (current >= table.size())
            broken(QStringLiteral("a chain names sector %1, which does not exist").arg(current));
        if (seen[current])
            broken(QStringLiteral("a sector chain runs in a circle"));
        seen[current] = true;
        sectors.push_back(current);
        if (qsizetype(sectors.size()) > limit)
            break;
        current = table[current];
    }
    return sectors;
}

QByteArray CompoundFile::chain(quint32 start, quint64 size, bool mini) const
{
    const int unit = mini ? m_miniSectorSize : m_sectorSize;
    const quint64 available = mini ? quint64(m_miniStream.size()) : quint64(m_sectorCount) * quint64(unit);
    if (size > available)
        broken(QStringLiteral("a stream claims %1 bytes, more than the file holds").arg(size));
    const qsizetype needed = qsizetype((size + quint64(unit) - 1) / quint64(unit));
    const std::vector<quint32> sectors = chainSectors(mini ? m_miniFat : m_fat, start, needed);
    if (qsizetype(sectors.size()) < needed)
        broken(QStringLiteral("a stream's chain ends before its last byte"));
    QByteArray bytes;
    bytes.reserve(qsizetype(size));
    for (qsizetype i = 0; i < needed; ++i) {
        const quint32 s = sectors[std::size_t(i)];
        if (mini) {
            if (!fits(m_miniStream, qint64(s) * unit, unit))
                broken(QStringLiteral("a mini sector lies beyond the mini stream"));
            bytes.append(m_miniStream.constData() + qsizetype(s) * unit, unit);
        } else {
            bytes.append(sector(s));
        }
    }
    bytes.truncate(qsizetype(size));
    return bytes;
}

std::vector<CompoundFile::Entry> CompoundFile::readDirectory() const
{
    const quint32 start = u32(m_data, 48);
    if (start > maxRegularSector)
        broken(QStringLiteral("it has no directory"));
    const std::vector<quint32> sectors =
        chainSectors(m_fat, start, maxDirectoryEntries / (m_sectorSize / directoryEntrySize));
    std::vector<Entry> entries;
    const bool version3 = m_sectorSize == 512;
    for (quint32 s : sectors) {
        const QByteArray bytes = sector(s);
        for (int offset = 0; offset + directoryEntrySize <= bytes.size(); offset += directoryEntrySize) {
            Entry entry;
            const int nameBytes = std::min<int>(u16(bytes, offset + 64), 64);
            const int chars = std::max(0, nameBytes / 2 - 1);
            entry.name = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + offset), chars);
            entry.type = u8(bytes, offset + 66);
            entry.left = u32(bytes, offset + 68);
            entry.right = u32(bytes, offset + 72);
            entry.child = u32(bytes, offset + 76);
            entry.start = u32(bytes, offset + 116);
            entry.size = version3 ? quint64(u32(bytes, offset + 120))
                                  : quint64(u32(bytes, offset + 120)) | (quint64(u32(bytes, offset + 124)) << 32);
            entries.push_back(entry);
        }
    }
    if (entries.empty())
        broken(QStringLiteral("its directory is empty"));
    return entries;
}

std::optional<QByteArray> CompoundFile::rootStream(const QString &name) const
{
    // The root's children form a tree through left and right siblings; walk it with a stack,
    // never visiting an entry twice.
    std::vector<quint32> stack{m_entries.front().child};
    std::vector<bool> seen(m_entries.size(), false);
    while (!stack.empty()) {
        const quint32 index = stack.back();
        stack.pop_back();
        if (index == noStream || index >= m_entries.size() || seen[index])
            continue;
        seen[index] = true;
        const Entry &entry = m_entries[index];
        if (entry.type == 2 && entry.name.compare(name, Qt::CaseInsensitive) == 0) {
            if (entry.size == 0)
                return QByteArray();
            return chain(entry.start, entry.size, entry.size < m_miniCutoff);
        }
        stack.push_back(entry.left);
        stack.push_back(entry.right);
    }
    return std::nullopt;
}

} // namespace richedit::doc
