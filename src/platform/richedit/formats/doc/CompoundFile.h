#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace richedit::doc {

/// A compound file (the container of .doc, .xls and other older Office files): a small FAT
/// file system of sectors with a directory of storages and streams. Only what a reader of
/// the root storage needs: streams by name. Every chain walk is bounded and every sector
/// number checked, so no input makes it loop, read out of bounds or allocate without limit.
class CompoundFile {
public:
    /// Parses the header, the FAT (through the DIFAT), the MiniFAT and the directory.
    /// Throws richedit::Error with a sentence for the user when the container is broken.
    explicit CompoundFile(const QByteArray &data);

    /// The stream of that name directly in the root storage, nullopt when there is none.
    /// Throws when the stream's chain is broken.
    std::optional<QByteArray> rootStream(const QString &name) const;

    /// The file starts with the compound file signature.
    static bool hasSignature(const QByteArray &data);

private:
    struct Entry {
        QString name;
        int type = 0; // 1 storage, 2 stream, 5 root
        quint32 left = 0, right = 0, child = 0;
        quint32 start = 0;
        quint64 size = 0;
    };

    QByteArray chain(quint32 start, quint64 size, bool mini) const;
    std::vector<quint32> readFat() const;
    std::vector<quint32> chainSectors(const std::vector<quint32> &table, quint32 start, qsizetype limit) const;
    QByteArray sector(quint32 index) const;
    std::vector<Entry> readDirectory() const;

    QByteArray m_data;
    int m_sectorSize = 512;
    int m_miniSectorSize = 64;
    quint32 m_miniCutoff = 4096;
    quint32 m_sectorCount = 0; // sectors the file holds after its header
    std::vector<quint32> m_fat;
    std::vector<quint32> m_miniFat;
    std::vector<Entry> m_entries;
    QByteArray m_miniStream;
};

} // namespace richedit::doc
