#pragma once

#include <QByteArray>

namespace richedit::doc {

/// A place and length in the table stream, as the file information block gives them.
struct FcLcb {
    quint32 fc = 0;
    quint32 lcb = 0;
};

/// What the reader takes from the file information block at the start of "WordDocument".
struct Fib {
    quint16 nFib = 0;
    bool encrypted = false;
    bool obfuscated = false;
    bool tableStream1 = false; // "1Table" rather than "0Table"
    qint32 ccpText = 0;
    qint32 ccpFtn = 0;
    qint32 ccpHdd = 0;
    FcLcb stshf, plcfSed, plcfHdd, plcfBteChpx, plcfBtePapx, sttbfFfn, clx, plfLst, plfLfo;

    /// Reads the block; throws richedit::Error for a file this reader cannot take
    /// (not Word, Word 6/95, encrypted).
    static Fib parse(const QByteArray &wordDocument);
};

} // namespace richedit::doc
