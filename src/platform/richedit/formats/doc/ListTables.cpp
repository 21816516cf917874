#include "ListTables.h"

#include "Bytes.h"
#include "Sprms.h"

namespace richedit::doc {
namespace {

constexpr int lstfSize = 28;
constexpr int lvlfSize = 28;
constexpr int lfoSize = 16;
constexpr int maxLists = 10000;

NumberFormat numberFormat(int nfc)
{
    switch (nfc) {
    case 1: return NumberFormat::UpperRoman;
    case 2: return NumberFormat::LowerRoman;
    case 3: return NumberFormat::UpperLetter;
    case 4: return NumberFormat::LowerLetter;
    case 23: return NumberFormat::Bullet;
    case 255: return NumberFormat::None;
    default: return NumberFormat::Decimal;
    }
}

// Bullets in symbol fonts sit in the private use area; show the nearest ordinary character.
QString bulletText(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("\u2022");
    const char16_t c = text.front().unicode();
    if (c == 0xF0A7)
        return QStringLiteral("\u25AA");
    if (c == 0xF0D8)
        return QStringLiteral("\u27A2");
    if (c == 0xF0FC)
        return QStringLiteral("\u2713");
    if (c >= 0xF000 && c <= 0xF0FF)
        return QStringLiteral("\u2022");
    return text.left(1);
}

// Reads one level at `pos`; returns the position after it, or -1 when it does not fit.
qint64 readLevel(const QByteArray &table, qint64 pos, ListLevel &level)
{
    if (!fits(table, pos, lvlfSize))
        return -1;
    level.start = i32(table, pos);
    const int nfc = u8(table, pos + 4);
    level.format = numberFormat(nfc);
    bool placeholder[256] = {};
    for (int i = 0; i < 9; ++i)
        if (const int at = u8(table, pos + 6 + i))
            placeholder[at] = true;
    const int chpxSize = u8(table, pos + 24);
    const int papxSize = u8(table, pos + 25);
    qint64 next = pos + lvlfSize;
    for (const Sprm &sprm : parseSprms(slice(table, next, papxSize))) {
        if (sprm.code == 0x840F || sprm.code == 0x845E)
            level.indent = i16(sprm.operand, 0);
        else if (sprm.code == 0x8411 || sprm.code == 0x8460)
            level.hanging = -i16(sprm.operand, 0);
    }
    next += papxSize + chpxSize;
    const int chars = u16(table, next);
    if (!fits(table, next + 2, 2 * qint64(chars)))
        return -1;
    QString raw = QString::fromUtf16(reinterpret_cast<const char16_t *>(table.constData() + next + 2), chars);
    next += 2 + 2 * qint64(chars);
    if (level.format == NumberFormat::Bullet) {
        level.text = bulletText(raw);
        return next;
    }
    // A number's place is a character whose value is the level it stands for, at a position
    // (counted from 1) that the level lists.
    QString text;
    for (int i = 0; i < raw.size(); ++i) {
        const char16_t c = raw[i].unicode();
        if (i + 1 < 256 && placeholder[i + 1] && c < 9)
            text += QLatin1Char('%') + QString::number(c + 1);
        else
            text += QChar(c);
    }
    level.text = text;
    return next;
}

} // namespace

std::map<int, ListDefinition> parseLists(const QByteArray &table, quint32 fcPlfLst, quint32 lcbPlfLst,
                                         quint32 fcPlfLfo, quint32 lcbPlfLfo)
{
    std::map<int, ListDefinition> byIlfo;
    if (lcbPlfLst < 2 || lcbPlfLfo < 4 || !fits(table, fcPlfLst, lcbPlfLst))
        return byIlfo;
    const int count = std::min<int>(std::max<int>(i16(table, fcPlfLst), 0), maxLists);
    std::map<qint32, ListDefinition> byLsid;
    qint64 pos = qint64(fcPlfLst) + 2 + qint64(count) * lstfSize; // the levels follow the list table
    for (int i = 0; i < count && pos >= 0; ++i) {
        const qint64 lstf = qint64(fcPlfLst) + 2 + qint64(i) * lstfSize;
        const qint32 lsid = i32(table, lstf);
        const bool simple = u8(table, lstf + 26) & 1;
        ListDefinition list;
        for (int level = 0; level < (simple ? 1 : 9) && pos >= 0; ++level)
            pos = readLevel(table, pos, list.levels[std::size_t(level)]);
        if (pos >= 0)
            byLsid[lsid] = list;
    }
    const int overrides = std::min<int>(std::max<int>(i32(table, fcPlfLfo), 0), maxLists);
    for (int i = 0; i < overrides; ++i) {
        const qint64 lfo = qint64(fcPlfLfo) + 4 + qint64(i) * lfoSize;
        if (!fits(table, lfo, lfoSize))
            break;
        const auto it = byLsid.find(i32(table, lfo));
        if (it != byLsid.end())
            byIlfo[i + 1] = it->second;
    }
    return byIlfo;
}

} // namespace richedit::doc
