#include "Fib.h"

#include "Bytes.h"
#include "platform/richedit/Error.h"

namespace richedit::doc {
namespace {

constexpr quint16 wordIdent = 0xA5EC;
constexpr quint16 firstWord97Fib = 0xC1;
// Offsets in the block: the base is 32 bytes, then csw and 14 words, then cslw and 22 longs,
// then cbRgFcLcb and the pairs of (fc, lcb).
constexpr int ccpTextOffset = 76;
constexpr int fcLcbOffset = 154;

enum FcLcbIndex { Stshf = 1, PlcfSed = 6, PlcfHdd = 11, PlcfBteChpx = 12, PlcfBtePapx = 13, SttbfFfn = 15, Clx = 33, PlfLst = 73,
                  PlfLfo = 74 };

} // namespace

Fib Fib::parse(const QByteArray &wd)
{
    if (wd.size() < 32 || u16(wd, 0) != wordIdent)
        throw Error(QStringLiteral("it is not a Word document (its \"WordDocument\" stream has no Word header)."));
    Fib fib;
    fib.nFib = u16(wd, 2);
    if (fib.nFib < firstWord97Fib)
        throw Error(QStringLiteral("it was saved by Word 6.0 or Word 95, whose format this version cannot read; "
                                   "save it as a Word 97-2003 or .docx document in a newer word processor."));
    const quint16 flags = u16(wd, 10);
    fib.encrypted = flags & 0x0100;
    fib.tableStream1 = flags & 0x0200;
    fib.obfuscated = flags & 0x8000;
    if (fib.encrypted || fib.obfuscated)
        throw Error(QStringLiteral("it is protected with a password; remove the password in the program that "
                                   "made it and open it again."));
    const quint16 cbRgFcLcb = u16(wd, fcLcbOffset - 2);
    if (wd.size() < fcLcbOffset + 8 * 34 || cbRgFcLcb <= Clx)
        throw Error(QStringLiteral("its Word header is cut short."));
    fib.ccpText = i32(wd, ccpTextOffset);
    fib.ccpFtn = i32(wd, ccpTextOffset + 4);
    fib.ccpHdd = i32(wd, ccpTextOffset + 8);
    if (fib.ccpText < 0 || fib.ccpFtn < 0 || fib.ccpHdd < 0)
        throw Error(QStringLiteral("its Word header gives a negative text length."));
    const auto pair = [&wd, cbRgFcLcb](int index) {
        if (index >= cbRgFcLcb)
            return FcLcb{};
        return FcLcb{u32(wd, fcLcbOffset + 8 * index), u32(wd, fcLcbOffset + 8 * index + 4)};
    };
    fib.stshf = pair(Stshf);
    fib.plcfSed = pair(PlcfSed);
    fib.plcfHdd = pair(PlcfHdd);
    fib.plcfBteChpx = pair(PlcfBteChpx);
    fib.plcfBtePapx = pair(PlcfBtePapx);
    fib.sttbfFfn = pair(SttbfFfn);
    fib.clx = pair(Clx);
    fib.plfLst = pair(PlfLst);
    fib.plfLfo = pair(PlfLfo);
    return fib;
}

} // namespace richedit::doc
