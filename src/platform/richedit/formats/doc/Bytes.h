#pragma once

#include <QByteArray>
#include <QtEndian>

namespace richedit::doc {

// Little-endian reads that give 0 past the end: callers check sizes where a short read
// matters, and a truncated field elsewhere must never read beyond the buffer.
inline quint8 u8(const QByteArray &data, qint64 offset)
{
    return offset >= 0 && offset < data.size() ? quint8(data[qsizetype(offset)]) : 0;
}
inline quint16 u16(const QByteArray &data, qint64 offset)
{
    return offset >= 0 && offset + 2 <= data.size()
               ? qFromLittleEndian<quint16>(data.constData() + offset)
               : 0;
}
inline quint32 u32(const QByteArray &data, qint64 offset)
{
    return offset >= 0 && offset + 4 <= data.size()
               ? qFromLittleEndian<quint32>(data.constData() + offset)
               : 0;
}
inline qint16 i16(const QByteArray &data, qint64 offset) { return qint16(u16(data, offset)); }
inline qint32 i32(const QByteArray &data, qint64 offset) { return qint32(u32(data, offset)); }

/// Bytes [offset, offset + length) when they all lie inside `data`, else an empty array.
inline QByteArray slice(const QByteArray &data, qint64 offset, qint64 length)
{
    if (offset < 0 || length <= 0 || offset > data.size() || length > data.size() - offset)
        return {};
    return data.mid(qsizetype(offset), qsizetype(length));
}
inline bool fits(const QByteArray &data, qint64 offset, qint64 length)
{
    return offset >= 0 && length >= 0 && offset <= data.size() && length <= data.size() - offset;
}

} // namespace richedit::doc
