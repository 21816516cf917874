#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace richedit::doc {

/// One piece of the document's text: character positions [cpStart, cpEnd) stored at `fc` in
/// "WordDocument", either as 8-bit Windows-1252 text or as UTF-16.
struct Piece {
    quint32 cpStart = 0;
    quint32 cpEnd = 0;
    quint32 fc = 0; // byte offset of the first character
    bool compressed = false;
    quint16 prm = 0;
};

/// The piece table from the CLX: where each character of the text lives, and the text itself.
class PieceTable {
public:
    /// Parses the CLX; the pieces are checked against the size of "WordDocument".
    /// `prcs` receives the property groups that pieces may refer to (fast-saved files).
    PieceTable(const QByteArray &clx, const QByteArray &wordDocument);

    /// The text of [cpStart, cpEnd), clipped to the text the pieces hold.
    QString text(quint32 cpStart, quint32 cpEnd) const;
    /// The byte offset in "WordDocument" of the character at `cp`, or -1 for none.
    qint64 fcOf(quint32 cp) const;
    /// The piece holding `cp`, or null.
    const Piece *pieceAt(quint32 cp) const;
    /// One past the last character position.
    quint32 end() const { return m_pieces.empty() ? 0 : m_pieces.back().cpEnd; }
    /// The property group a piece's prm names when it is an index (fast saves), else empty.
    QByteArray pieceSprms(const Piece &piece) const;

private:
    std::vector<Piece> m_pieces;
    std::vector<QByteArray> m_prcs;
    QByteArray m_wordDocument;
};

/// The character of a byte in an 8-bit piece (Windows-1252).
char16_t compressedChar(quint8 byte);

} // namespace richedit::doc
