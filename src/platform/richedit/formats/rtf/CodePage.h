#pragma once

#include <QByteArray>
#include <QString>

#include <map>

namespace richedit::rtf {

/// The Windows code page a font's \fcharset stands for; 0 when the charset names none.
int codePageForCharset(int charset);

/// Decodes bytes of Windows code pages (single and double byte) through the C library's
/// converters; unknown pages fall back to 1252, bytes that do not decode become U+FFFD.
class CodePageDecoder {
public:
    CodePageDecoder() = default;
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder &) = delete;
    CodePageDecoder &operator=(const CodePageDecoder &) = delete;

    QString decode(const QByteArray &bytes, int codePage);
    /// True once a code page was met that the system cannot convert.
    bool usedFallback() const { return m_usedFallback; }

private:
    void *converter(int codePage);

    std::map<int, void *> m_converters;
    bool m_usedFallback = false;
};

} // namespace richedit::rtf
