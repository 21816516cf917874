#include "PaperKind.h"

#include <array>
#include <cmath>

namespace richedit {
namespace {

struct PaperRow {
    PaperKind kind;
    const char *name;
    int widthTwips;
    int heightTwips;
};

constexpr int mm(double millimetres) { return static_cast<int>(millimetres * 1440 / 25.4 + 0.5); }
constexpr int in(double inches) { return static_cast<int>(inches * 1440 + 0.5); }

constexpr std::array paperTable{
    PaperRow{PaperKind::Letter, "Letter", in(8.5), in(11)},
    PaperRow{PaperKind::LetterSmall, "Letter Small", in(8.5), in(11)},
    PaperRow{PaperKind::Tabloid, "Tabloid", in(11), in(17)},
    PaperRow{PaperKind::Ledger, "Ledger", in(17), in(11)},
    PaperRow{PaperKind::Legal, "Legal", in(8.5), in(14)},
    PaperRow{PaperKind::Statement, "Statement", in(5.5), in(8.5)},
    PaperRow{PaperKind::Executive, "Executive", in(7.25), in(10.5)},
    PaperRow{PaperKind::A3, "A3", mm(297), mm(420)},
    PaperRow{PaperKind::A4, "A4", mm(210), mm(297)},
    PaperRow{PaperKind::A4Small, "A4 Small", mm(210), mm(297)},
    PaperRow{PaperKind::A5, "A5", mm(148), mm(210)},
    PaperRow{PaperKind::B4, "B4", mm(250), mm(353)},
    PaperRow{PaperKind::B5, "B5", mm(182), mm(257)},
    PaperRow{PaperKind::Folio, "Folio", in(8.5), in(13)},
    PaperRow{PaperKind::Quarto, "Quarto", mm(215), mm(275)},
    PaperRow{PaperKind::Note, "Note", in(8.5), in(11)},
    PaperRow{PaperKind::Envelope10, "Envelope #10", in(4.125), in(9.5)},
    PaperRow{PaperKind::EnvelopeDL, "Envelope DL", mm(110), mm(220)},
    PaperRow{PaperKind::EnvelopeC5, "Envelope C5", mm(162), mm(229)},
    PaperRow{PaperKind::EnvelopeC4, "Envelope C4", mm(229), mm(324)},
    PaperRow{PaperKind::EnvelopeB5, "Envelope B5", mm(176), mm(250)},
    PaperRow{PaperKind::EnvelopeMonarch, "Envelope Monarch", in(3.875), in(7.5)},
    PaperRow{PaperKind::A6, "A6", mm(105), mm(148)},
};

const PaperRow *findRow(PaperKind kind)
{
    for (const PaperRow &row : paperTable)
        if (row.kind == kind)
            return &row;
    return nullptr;
}

} // namespace

std::optional<QSize> paperSizeTwips(PaperKind kind)
{
    if (const PaperRow *row = findRow(kind))
        return QSize(row->widthTwips, row->heightTwips);
    return std::nullopt;
}

PaperKind paperKindForSize(QSize portraitTwips)
{
    constexpr int tolerance = 20; // one point: files round sizes to whole millimetres or points
    for (const PaperRow &row : paperTable) {
        if (std::abs(row.widthTwips - portraitTwips.width()) <= tolerance
            && std::abs(row.heightTwips - portraitTwips.height()) <= tolerance)
            return row.kind;
    }
    return PaperKind::Custom;
}

QList<PaperKind> knownPaperKinds()
{
    QList<PaperKind> kinds;
    for (const PaperRow &row : paperTable)
        kinds << row.kind;
    return kinds;
}

QString paperKindName(PaperKind kind)
{
    if (const PaperRow *row = findRow(kind))
        return QString::fromLatin1(row->name);
    return QStringLiteral("Custom");
}

} // namespace richedit
