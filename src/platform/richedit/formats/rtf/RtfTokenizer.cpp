#include "RtfTokenizer.h"

#include <limits>

namespace richedit::rtf {
namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// RTF limits control words to 32 letters and parameters to a signed 16-bit number; we
// accept longer numbers (sizes in twips) but clamp them instead of overflowing.
constexpr int maxWordLength = 32;
constexpr int maxDigits = 10;

} // namespace

Token Tokenizer::next()
{
    const qsizetype size = m_data.size();
    while (m_pos < size && (m_data[m_pos] == '\r' || m_data[m_pos] == '\n'))
        ++m_pos;
    Token token;
    token.offset = m_pos;
    if (m_pos >= size)
        return token;
    const char c = m_data[m_pos++];
    if (c == '{') {
        token.type = Token::GroupStart;
        return token;
    }
    if (c == '}') {
        token.type = Token::GroupEnd;
        return token;
    }
    if (c != '\\') {
        token.type = Token::Text;
        token.symbol = c;
        return token;
    }
    if (m_pos >= size) {
        token.type = Token::ControlSymbol;
        token.symbol = '\\';
        return token;
    }
    const char first = m_data[m_pos];
    if (!isLetter(first)) {
        ++m_pos;
        if (first == '\'') {
            const int high = m_pos < size ? hexValue(m_data[m_pos]) : -1;
            const int low = m_pos + 1 < size ? hexValue(m_data[m_pos + 1]) : -1;
            if (high >= 0 && low >= 0) {
                m_pos += 2;
                token.type = Token::HexByte;
                token.symbol = static_cast<char>(high * 16 + low);
                return token;
            }
        }
        // "\\\r\n" is a paragraph mark, as "\par".
        if (first == '\r' || first == '\n') {
            token.type = Token::ControlWord;
            token.word = "par";
            return token;
        }
        token.type = Token::ControlSymbol;
        token.symbol = first;
        return token;
    }
    const qsizetype start = m_pos;
    while (m_pos < size && isLetter(m_data[m_pos]) && m_pos - start < maxWordLength)
        ++m_pos;
    token.type = Token::ControlWord;
    token.word = m_data.mid(start, m_pos - start);
    bool negative = false;
    if (m_pos + 1 < size && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < size && isDigit(m_data[m_pos])) {
        qint64 value = 0;
        int digits = 0;
        while (m_pos < size && isDigit(m_data[m_pos])) {
            if (digits++ < maxDigits)
                value = value * 10 + (m_data[m_pos] - '0');
            ++m_pos;
        }
        value = std::min<qint64>(value, std::numeric_limits<int>::max());
        token.parameter = static_cast<int>(negative ? -value : value);
        token.hasParameter = true;
    }
    if (m_pos < size && m_data[m_pos] == ' ')
        ++m_pos;
    return token;
}

QByteArray Tokenizer::takeBinary(qsizetype count)
{
    count = std::clamp<qsizetype>(count, 0, m_data.size() - m_pos);
    const QByteArray bytes = m_data.mid(m_pos, count);
    m_pos += count;
    return bytes;
}

} // namespace richedit::rtf
