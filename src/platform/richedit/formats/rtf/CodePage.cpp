#include "CodePage.h"

#include <algorithm>

#include <iconv.h>

#include <set>
#include <vector>

namespace richedit::rtf {
namespace {

struct CharsetRow {
    int charset;
    int codePage;
};

constexpr CharsetRow charsetRows[] = {
    {0, 1252},   {2, 1252},   {77, 10000}, {128, 932},  {129, 949},  {130, 1361}, {134, 936},
    {136, 950},  {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257},
    {204, 1251}, {222, 874},  {238, 1250}, {254, 437},  {255, 850},
};

QByteArray iconvName(int codePage)
{
    switch (codePage) {
    case 10000: return "MACINTOSH";
    case 936: return "GBK";
    case 950: return "BIG5";
    case 65001: return "UTF-8";
    case 1361: return "JOHAB";
    default: return "CP" + QByteArray::number(codePage);
    }
}

const iconv_t invalidConverter = reinterpret_cast<iconv_t>(-1);

} // namespace

int codePageForCharset(int charset)
{
    for (const CharsetRow &row : charsetRows)
        if (row.charset == charset)
            return row.codePage;
    return 0;
}

CodePageDecoder::~CodePageDecoder()
{
    // Unknown pages share the 1252 converter: close each converter once.
    std::set<void *> closed;
    for (const auto &[page, handle] : m_converters)
        if (handle != invalidConverter && closed.insert(handle).second)
            iconv_close(static_cast<iconv_t>(handle));
}

void *CodePageDecoder::converter(int codePage)
{
    const auto it = m_converters.find(codePage);
    if (it != m_converters.end())
        return it->second;
    iconv_t handle = iconv_open("UTF-16LE", iconvName(codePage).constData());
    if (handle == invalidConverter && codePage != 1252) {
        m_usedFallback = true;
        handle = static_cast<iconv_t>(converter(1252));
    }
    m_converters[codePage] = handle;
    return handle;
}

QString CodePageDecoder::decode(const QByteArray &bytes, int codePage)
{
    if (bytes.isEmpty())
        return {};
    if (codePage <= 0)
        codePage = 1252;
    // Plain ASCII means the same in every code page a word processor writes text in (not in
    // EBCDIC or UTF-7), and it is nearly all of a typical document: no converter needed.
    const bool asciiCompatible = (codePage >= 1250 && codePage <= 1258) || codePage == 874 || codePage == 932 ||
                                 codePage == 936 || codePage == 949 || codePage == 950 || codePage == 65001 ||
                                 codePage == 437 || (codePage >= 850 && codePage <= 869) || codePage == 10000;
    if (asciiCompatible && std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; }))
        return QString::fromLatin1(bytes);
    iconv_t handle = static_cast<iconv_t>(converter(codePage));
    if (handle == invalidConverter)
        return QString::fromLatin1(bytes);
    iconv(handle, nullptr, nullptr, nullptr, nullptr);
    std::vector<char> output(static_cast<std::size_t>(bytes.size()) * 4 + 8);
    QByteArray input = bytes;
    char *in = input.data();
    std::size_t inLeft = static_cast<std::size_t>(input.size());
    char *out = output.data();
    std::size_t outLeft = output.size();
    QString text;
    while (inLeft > 0) {
        if (iconv(handle, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1))
            break;
        // An invalid or cut-off sequence: replace one byte and go on.
        text += QString::fromUtf16(reinterpret_cast<const char16_t *>(output.data()),
                                   (out - output.data()) / 2);
        text += QChar::ReplacementCharacter;
        out = output.data();
        outLeft = output.size();
        ++in;
        --inLeft;
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
    }
    text += QString::fromUtf16(reinterpret_cast<const char16_t *>(output.data()), (out - output.data()) / 2);
    return text;
}

} // namespace richedit::rtf
