#include "ProtectionPassword.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QtEndian>

#include <optional>

namespace richedit::protection {
namespace {

constexpr int maxPasswordLength = 15;

constexpr quint16 initialCode[maxPasswordLength] = {0xE1F0, 0x1D0F, 0xCC9C, 0x84C0, 0x110C, 0x0E10, 0xF1CE, 0x313E,
                                                    0x1872, 0xE139, 0xD40F, 0x84F9, 0x280C, 0xA96A, 0x4EC3};

constexpr quint16 encryptionMatrix[maxPasswordLength][7] = {
    {0xAEFC, 0x4DD9, 0x9BB2, 0x2745, 0x4E8A, 0x9D14, 0x2A09}, {0x7B61, 0xF6C2, 0xFDA5, 0xEB6B, 0xC6F7, 0x9DCF, 0x2BBF},
    {0x4563, 0x8AC6, 0x05AD, 0x0B5A, 0x16B4, 0x2D68, 0x5AD0}, {0x0375, 0x06EA, 0x0DD4, 0x1BA8, 0x3750, 0x6EA0, 0xDD40},
    {0xD849, 0xA0B3, 0x5147, 0xA28E, 0x553D, 0xAA7A, 0x44D5}, {0x6F45, 0xDE8A, 0xAD35, 0x4A4B, 0x9496, 0x390D, 0x721A},
    {0xEB23, 0xC667, 0x9CEF, 0x29FF, 0x53FE, 0xA7FC, 0x5FD9}, {0x47D3, 0x8FA6, 0x0F6D, 0x1EDA, 0x3DB4, 0x7B68, 0xF6D0},
    {0xB861, 0x60E3, 0xC1C6, 0x93AD, 0x377B, 0x6EF6, 0xDDEC}, {0x45A0, 0x8B40, 0x06A1, 0x0D42, 0x1A84, 0x3508, 0x6A10},
    {0xAA51, 0x4483, 0x8906, 0x022D, 0x045A, 0x08B4, 0x1168}, {0x76B4, 0xED68, 0xCAF1, 0x85C3, 0x1BA7, 0x374E, 0x6E9C},
    {0x3730, 0x6E60, 0xDCC0, 0xA9A1, 0x4363, 0x86C6, 0x1DAD}, {0x3331, 0x6662, 0xCCC4, 0x89A9, 0x0373, 0x06E6, 0x0DCC},
    {0x1021, 0x2042, 0x4084, 0x8108, 0x1231, 0x2462, 0x48C4},
};

quint16 rotateLeft15(quint16 value)
{
    return quint16(((value & 0x4000) ? 1 : 0) | ((value << 1) & 0x7FFF));
}

std::optional<QCryptographicHash::Algorithm> algorithmOf(const QString &name)
{
    struct Known {
        const char *name;
        const char *sid;
        QCryptographicHash::Algorithm algorithm;
    };
    static const Known known[] = {
        {"SHA-1", "sid:4", QCryptographicHash::Sha1},
        {"SHA-256", "sid:12", QCryptographicHash::Sha256},
        {"SHA-384", "sid:13", QCryptographicHash::Sha384},
        {"SHA-512", "sid:14", QCryptographicHash::Sha512},
    };
    for (const Known &k : known)
        if (name.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0 || name == QLatin1String(k.sid))
            return k.algorithm;
    return std::nullopt;
}

QByteArray iterate(QCryptographicHash::Algorithm algorithm, const QByteArray &salt, const QByteArray &input, int spins)
{
    QByteArray hash = QCryptographicHash::hash(salt + input, algorithm);
    QCryptographicHash step(algorithm);
    for (int i = 0; i < spins; ++i) {
        quint32 counter = qToLittleEndian(quint32(i));
        step.reset();
        step.addData(hash);
        step.addData(QByteArrayView(reinterpret_cast<const char *>(&counter), sizeof counter));
        hash = step.result();
    }
    return hash;
}

QByteArray utf16le(const QString &text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

} // namespace

quint32 legacyKey(const QString &password)
{
    // Each character counts by one byte: its low byte, or its high byte when that is zero.
    QByteArray bytes;
    for (const QChar c : password.left(maxPasswordLength)) {
        const char16_t u = c.unicode();
        bytes.append(char((u & 0xFF) ? (u & 0xFF) : (u >> 8)));
    }
    if (bytes.isEmpty())
        return 0;
    const int length = int(bytes.size());
    quint16 high = initialCode[length - 1];
    for (int i = 0; i < length; ++i) {
        const quint8 byte = quint8(bytes[i]);
        for (int bit = 0; bit < 7; ++bit)
            if (byte & (1 << bit))
                high ^= encryptionMatrix[maxPasswordLength - length + i][bit];
    }
    quint16 low = 0;
    for (int i = length - 1; i >= 0; --i)
        low = rotateLeft15(low) ^ quint8(bytes[i]);
    low = rotateLeft15(low) ^ quint16(length) ^ 0xCE4B;
    return (quint32(high) << 16) | low;
}

QByteArray passwordHash(const QString &algorithm, const QString &password, const QByteArray &salt, int spins)
{
    const std::optional<QCryptographicHash::Algorithm> hash = algorithmOf(algorithm);
    if (!hash)
        return {};
    const quint32 key = legacyKey(password);
    const quint32 reversed = qFromBigEndian(qToLittleEndian(key));
    const QString hex = QStringLiteral("%1").arg(reversed, 8, 16, QLatin1Char('0')).toUpper();
    return iterate(*hash, salt, utf16le(hex), spins);
}

bool canCheck(const Protection &protection)
{
    return protection.hash.isEmpty() || algorithmOf(protection.algorithm).has_value();
}

bool checkPassword(const Protection &protection, const QString &password)
{
    if (protection.hash.isEmpty())
        return true;
    const QByteArray stored = QByteArray::fromBase64(protection.hash.toLatin1());
    const QByteArray salt = QByteArray::fromBase64(protection.salt.toLatin1());
    const QByteArray hash = passwordHash(protection.algorithm, password, salt, protection.spinCount);
    return !hash.isEmpty() && hash == stored;
}

Protection readOnlyProtection(const QString &password)
{
    Protection protection;
    protection.kind = ProtectionKind::ReadOnly;
    protection.enforced = true;
    if (password.isEmpty())
        return protection;
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()), salt.size() / 4);
    protection.algorithm = QStringLiteral("sid:14");
    protection.salt = QString::fromLatin1(salt.toBase64());
    protection.spinCount = spinCount;
    protection.hash = QString::fromLatin1(passwordHash(protection.algorithm, password, salt, spinCount).toBase64());
    return protection;
}

} // namespace richedit::protection
