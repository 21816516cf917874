#pragma once

#include <QByteArray>

namespace richedit::rtf {

/// One piece of RTF: a group brace, a control word with its parameter, a control symbol,
/// a byte given as \'hh, or one byte of text.
struct Token {
    enum Type { GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text, End } type = End;
    QByteArray word;     // control word without the backslash
    int parameter = 0;
    bool hasParameter = false;
    char symbol = 0;     // control symbol, or the text byte, or the hex byte
    qsizetype offset = 0; // where the token starts, for error messages
};

/// Splits RTF into tokens. It never reads past the input; line breaks between tokens are
/// dropped as RTF says.
class Tokenizer {
public:
    explicit Tokenizer(const QByteArray &data) : m_data(data) {}

    Token next();
    /// Takes `count` raw bytes after \binN (fewer at the end of the input).
    QByteArray takeBinary(qsizetype count);
    qsizetype offset() const { return m_pos; }

private:
    const QByteArray &m_data;
    qsizetype m_pos = 0;
};

} // namespace richedit::rtf
