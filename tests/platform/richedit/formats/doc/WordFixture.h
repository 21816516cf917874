#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace richedit::test {

/// A compound file (version 3, 512-byte sectors) holding `streams` in its root storage.
/// Streams are padded to 4096 bytes so that all of them live in regular sectors. The layout
/// is fixed so that tests can damage it on purpose: the FAT is sector 0 (file offset 512),
/// the directory sector 1 (offset 1024), the streams follow from sector 2 (offset 1536) one
/// after another. Directory entry i + 1 is stream i.
QByteArray compoundFile(const std::vector<std::pair<QString, QByteArray>> &streams);
constexpr int fatOffset = 512;
constexpr int directoryOffset = 1024;
constexpr int firstStreamSector = 2;

/// A piece of text as the piece table stores it.
struct TextPiece {
    QString text;
    bool eightBit = false; // stored as Windows-1252 bytes (the text must be representable)
};

/// A minimal Word 97 document: a file information block, the given pieces and an empty
/// table stream apart from the piece table; no formatting, styles or sections.
struct WordFixture {
    std::vector<TextPiece> pieces;
    quint16 nFib = 0xC1;
    bool encrypted = false;
    bool tableStreamMissing = false;
    int extraCharacters = 0; // ccpText larger than the text, as a damaged file may claim
    /// Character formatting: consecutive runs [cpStart, cpEnd) with their property groups,
    /// stored in one formatting page; the runs must cover their text without gaps.
    struct CharacterRun {
        quint32 cpStart;
        quint32 cpEnd;
        QByteArray sprms;
    };
    std::vector<CharacterRun> characterRuns;

    QByteArray wordDocument() const;
    QByteArray table() const;
    QByteArray file() const;
};

} // namespace richedit::test
