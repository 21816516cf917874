#include "Sprms.h"

#include "Bytes.h"
#include "platform/richedit/model/PaperKind.h"
#include "platform/richedit/model/TextFormats.h"

#include <QColor>

#include <algorithm>

namespace richedit::doc {
namespace {

enum SprmCode : quint16 {
    // Characters
    CFBold = 0x0835, CFItalic = 0x0836, CFStrike = 0x0837, CFSmallCaps = 0x083A, CFCaps = 0x083B,
    CFVanish = 0x083C, CKul = 0x2A3E, CIco = 0x2A42, CHps = 0x4A43, CIss = 0x2A48, CFDStrike = 0x2A53,
    CHighlight = 0x2A0C, CRgFtc0 = 0x4A4F, CCv = 0x6870, CIstd = 0x4A30,
    // Paragraphs
    PJc80 = 0x2403, PJc = 0x2461, PFKeep = 0x2405, PFKeepFollow = 0x2406, PFPageBreakBefore = 0x2407,
    PFInTable = 0x2416, PFTtp = 0x2417, PDxaRight80 = 0x840E, PDxaLeft80 = 0x840F, PDxaLeft180 = 0x8411,
    PDxaRight = 0x845D, PDxaLeft = 0x845E, PDxaLeft1 = 0x8460, PDyaLine = 0x6412, PDyaBefore = 0xA413,
    PDyaAfter = 0xA414, PItap = 0x6649, PFInnerTableCell = 0x244B, PFInnerTtp = 0x244C, PIlvl = 0x260A,
    PIlfo = 0x460B, PFWidowControl = 0x2431, POutLvl = 0x2640, PIstd = 0x4600, PChgTabs = 0xC615,
    // Tables
    TDefTable = 0xD608,
    // Sections
    SBkc = 0x3009, SFTitlePage = 0x300A, SXaPage = 0xB01F, SYaPage = 0xB020, SDxaLeft = 0xB021,
    SDxaRight = 0xB022, SDyaTop = 0x9023, SDyaBottom = 0x9024, SBOrientation = 0x301D, SDyaHdrTop = 0xB017,
    SDyaHdrBottom = 0xB018, SCcolumns = 0x500B, SDxaColumns = 0x900C, 
};

// Operand sizes by the opcode's top three bits; -1 is a size given in the operand.
constexpr int operandSizes[8] = {1, 1, 2, 4, 2, 2, -1, 3};

// The sixteen colours of the old colour index (0 is automatic).
constexpr QRgb icoColors[17] = {0,        0x000000, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFF00FF,
                                0xFF0000, 0xFFFF00, 0xFFFFFF, 0x000080, 0x008080, 0x008000,
                                0x800080, 0x800000, 0x808000, 0x808080, 0xC0C0C0};

struct UnderlineRow {
    int kul;
    UnderlineType type;
};
constexpr UnderlineRow underlines[] = {
    {0, UnderlineType::None},        {1, UnderlineType::Single},      {2, UnderlineType::Words},
    {3, UnderlineType::Double},      {4, UnderlineType::Dotted},      {6, UnderlineType::Thick},
    {7, UnderlineType::Dash},        {9, UnderlineType::DotDash},     {10, UnderlineType::DotDotDash},
    {11, UnderlineType::Wave},       {20, UnderlineType::Dotted},     {23, UnderlineType::Dash},
    {25, UnderlineType::DotDash},    {26, UnderlineType::DotDotDash}, {27, UnderlineType::Wave},
    {39, UnderlineType::Dash},       {43, UnderlineType::DoubleWave}, {55, UnderlineType::Dash},
};

// A toggle's operand: 0 off, 1 on, 0x80 as the style has it, 0x81 the opposite of the style.
bool toggle(quint8 operand, bool styleValue)
{
    switch (operand) {
    case 0: return false;
    case 1: return true;
    case 0x80: return styleValue;
    case 0x81: return !styleValue;
    default: return operand != 0;
    }
}

int operandSize(const QByteArray &grpprl, qint64 pos, quint16 code, qint64 *skip)
{
    *skip = 0;
    const int fixed = operandSizes[code >> 13];
    if (fixed >= 0)
        return fixed;
    if (code == TDefTable) {
        *skip = 2;
        return std::max(0, int(u16(grpprl, pos)) - 1);
    }
    if (code == PChgTabs && u8(grpprl, pos) == 255) {
        const int deleted = u8(grpprl, pos + 1);
        const int added = u8(grpprl, pos + 2 + 4 * deleted);
        *skip = 1;
        return 1 + 4 * deleted + 1 + 3 * added;
    }
    *skip = 1;
    return u8(grpprl, pos);
}

} // namespace

std::vector<Sprm> parseSprms(const QByteArray &grpprl)
{
    std::vector<Sprm> sprms;
    qint64 pos = 0;
    while (pos + 2 <= grpprl.size()) {
        const quint16 code = u16(grpprl, pos);
        pos += 2;
        qint64 skip = 0;
        const int size = operandSize(grpprl, pos, code, &skip);
        if (!fits(grpprl, pos + skip, size))
            break;
        sprms.push_back({code, grpprl.mid(qsizetype(pos + skip), size)});
        pos += skip + size;
    }
    return sprms;
}

int characterStyleOf(const std::vector<Sprm> &sprms)
{
    int istd = -1;
    for (const Sprm &sprm : sprms)
        if (sprm.code == CIstd)
            istd = u16(sprm.operand, 0);
    return istd;
}

void applyCharacterSprm(QTextCharFormat &f, const Sprm &sprm, const QTextCharFormat &base, const QStringList &fonts)
{
    const QByteArray &op = sprm.operand;
    switch (sprm.code) {
    case CFBold:
        f.setFontWeight(toggle(u8(op, 0), base.fontWeight() >= QFont::Bold) ? QFont::Bold : QFont::Normal);
        break;
    case CFItalic: f.setFontItalic(toggle(u8(op, 0), base.fontItalic())); break;
    case CFStrike: f.setFontStrikeOut(toggle(u8(op, 0), base.fontStrikeOut())); break;
    case CFDStrike: f.setProperty(prop::DoubleStrikeOut, toggle(u8(op, 0), base.boolProperty(prop::DoubleStrikeOut))); break;
    case CFCaps:
        f.setFontCapitalization(toggle(u8(op, 0), base.fontCapitalization() == QFont::AllUppercase)
                                    ? QFont::AllUppercase
                                    : QFont::MixedCase);
        break;
    case CFSmallCaps:
        f.setFontCapitalization(toggle(u8(op, 0), base.fontCapitalization() == QFont::SmallCaps) ? QFont::SmallCaps
                                                                                                : QFont::MixedCase);
        break;
    case CFVanish: f.setProperty(prop::Hidden, toggle(u8(op, 0), base.boolProperty(prop::Hidden))); break;
    case CKul: {
        const int kul = u8(op, 0);
        UnderlineType type = UnderlineType::Single;
        for (const UnderlineRow &row : underlines)
            if (row.kul == kul)
                type = row.type;
        setUnderlineType(f, type);
        break;
    }
    case CHps: f.setFontPointSize(std::clamp(int(u16(op, 0)), 2, 3276) / 2.0); break;
    case CIss: {
        const int iss = u8(op, 0);
        f.setVerticalAlignment(iss == 1   ? QTextCharFormat::AlignSuperScript
                               : iss == 2 ? QTextCharFormat::AlignSubScript
                                          : QTextCharFormat::AlignNormal);
        break;
    }
    case CIco: {
        const int ico = u8(op, 0);
        if (ico > 0 && ico <= 16)
            f.setForeground(QColor(icoColors[ico]));
        else
            f.setForeground(QBrush());
        break;
    }
    case CCv:
        if (u8(op, 3) == 0xFF)
            f.setForeground(QBrush());
        else
            f.setForeground(QColor(u8(op, 0), u8(op, 1), u8(op, 2)));
        break;
    case CHighlight: {
        const int ico = u8(op, 0);
        f.setProperty(prop::Highlight, ico > 0 && ico <= 16 ? QColor(icoColors[ico]) : QColor());
        break;
    }
    case CRgFtc0: {
        const int ftc = u16(op, 0);
        if (ftc < fonts.size() && !fonts[ftc].isEmpty())
            f.setFontFamilies(QStringList{fonts[ftc]});
        break;
    }
    default: break;
    }
}

void applyParagraphSprm(ParagraphProps &p, const Sprm &sprm)
{
    const QByteArray &op = sprm.operand;
    QTextBlockFormat &f = p.format;
    switch (sprm.code) {
    case PIstd: p.istd = u16(op, 0); break;
    case PJc80:
    case PJc: {
        const int jc = u8(op, 0);
        f.setAlignment(jc == 1   ? Qt::AlignHCenter
                       : jc == 2 ? Qt::AlignRight
                       : jc >= 3 && jc <= 5 ? Qt::AlignJustify
                                  : Qt::AlignLeft);
        break;
    }
    case PFKeep: f.setNonBreakableLines(u8(op, 0) != 0); break;
    case PFKeepFollow: f.setProperty(prop::KeepWithNext, u8(op, 0) != 0); break;
    case PFPageBreakBefore:
        f.setPageBreakPolicy(u8(op, 0) ? QTextFormat::PageBreak_AlwaysBefore : QTextFormat::PageBreak_Auto);
        break;
    case PFWidowControl: f.setProperty(prop::WidowControl, u8(op, 0) != 0); break;
    case POutLvl: f.setProperty(prop::OutlineLevel, std::min(int(u8(op, 0)), bodyTextLevel)); break;
    case PDxaLeft80:
    case PDxaLeft: f.setLeftMargin(twipsToLayout(i16(op, 0))); break;
    case PDxaRight80:
    case PDxaRight: f.setRightMargin(twipsToLayout(i16(op, 0))); break;
    case PDxaLeft180:
    case PDxaLeft1: f.setTextIndent(twipsToLayout(i16(op, 0))); break;
    case PDyaBefore: f.setTopMargin(twipsToLayout(u16(op, 0))); break;
    case PDyaAfter: f.setBottomMargin(twipsToLayout(u16(op, 0))); break;
    case PDyaLine: {
        const int line = i16(op, 0);
        if (i16(op, 2) != 0)
            line == 240 || line <= 0 ? f.setLineHeight(0, QTextBlockFormat::SingleHeight)
                                     : f.setLineHeight(line * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
        else if (line < 0)
            f.setLineHeight(twipsToLayout(-line), QTextBlockFormat::FixedHeight);
        else if (line > 0)
            f.setLineHeight(twipsToLayout(line), QTextBlockFormat::MinimumHeight);
        else
            f.setLineHeight(0, QTextBlockFormat::SingleHeight);
        break;
    }
    case PFInTable: p.inTable = u8(op, 0) != 0; break;
    case PFTtp: p.rowEnd = u8(op, 0) != 0; break;
    case PItap: p.depth = int(std::min<quint32>(u32(op, 0), 64)); break;
    case PFInnerTableCell: p.innerCell = u8(op, 0) != 0; break;
    case PFInnerTtp: p.innerRowEnd = u8(op, 0) != 0; break;
    case PIlfo: p.listId = i16(op, 0); break;
    case PIlvl: p.listLevel = std::min(int(u8(op, 0)), 8); break;
    case TDefTable: {
        // itcMac, the cell edges (itcMac + 1), then a 20-byte TC80 per cell.
        const int count = std::min<int>(u8(op, 0), 64);
        p.cells.clear();
        const qint64 tcs = 1 + 2 * qint64(count + 1);
        for (int i = 0; i < count && fits(op, 1 + 2 * i, 4); ++i) {
            TableCellDef cell;
            cell.left = i16(op, 1 + 2 * i);
            cell.right = i16(op, 3 + 2 * i);
            if (fits(op, tcs + 20 * i, 2)) {
                const quint16 flags = u16(op, tcs + 20 * i);
                cell.mergedWithLeft = flags & 0x0002;
                cell.mergedWithAbove = (flags & 0x0020) && !(flags & 0x0040);
            }
            p.cells.push_back(cell);
        }
        break;
    }
    default: break;
    }
}

Section defaultWordSection()
{
    Section s;
    s.pageWidth = 12240;
    s.pageHeight = 15840;
    s.margins = PageMargins{1800, 1800, 1440, 1440, 720, 720};
    s.start = SectionStart::NextPage;
    s.pageNumberStart = 0;
    return s;
}

void applySectionSprm(Section &s, const Sprm &sprm)
{
    const QByteArray &op = sprm.operand;
    switch (sprm.code) {
    case SBkc: {
        static constexpr SectionStart starts[] = {SectionStart::Continuous, SectionStart::Column,
                                                  SectionStart::NextPage, SectionStart::EvenPage,
                                                  SectionStart::OddPage};
        const int bkc = u8(op, 0);
        s.start = bkc < 5 ? starts[bkc] : SectionStart::NextPage;
        break;
    }
    case SFTitlePage: s.differentFirstPage = u8(op, 0) != 0; break;
    case SXaPage: s.pageWidth = std::clamp(int(u16(op, 0)), 144, 31680); break;
    case SYaPage: s.pageHeight = std::clamp(int(u16(op, 0)), 144, 31680); break;
    case SDxaLeft: s.margins.left = std::clamp(int(u16(op, 0)), 0, 31680); break;
    case SDxaRight: s.margins.right = std::clamp(int(u16(op, 0)), 0, 31680); break;
    case SDyaTop: s.margins.top = std::min(std::abs(int(i16(op, 0))), 31680); break;
    case SDyaBottom: s.margins.bottom = std::min(std::abs(int(i16(op, 0))), 31680); break;
    case SDyaHdrTop: s.margins.header = std::clamp(int(u16(op, 0)), 0, 31680); break;
    case SDyaHdrBottom: s.margins.footer = std::clamp(int(u16(op, 0)), 0, 31680); break;
    case SBOrientation: s.landscape = u8(op, 0) == 2; break;
    case SCcolumns: s.columnCount = std::clamp(int(u16(op, 0)) + 1, 1, 45); break;
    case SDxaColumns: s.columnSpacing = std::clamp(int(u16(op, 0)), 0, 31680); break;
    default: break;
    }
}

} // namespace richedit::doc
