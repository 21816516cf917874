#include "TextFormats.h"

#include <QTextCursor>
#include <QTextTable>

#include <limits>

namespace richedit {
namespace {

struct UnderlineRow {
    UnderlineType type;
    QTextCharFormat::UnderlineStyle qtStyle;
};

// How Qt draws each kind; the kinds Qt lacks get the closest line it has.
constexpr UnderlineRow underlineRows[] = {
    {UnderlineType::None, QTextCharFormat::NoUnderline},
    {UnderlineType::Single, QTextCharFormat::SingleUnderline},
    {UnderlineType::Words, QTextCharFormat::SingleUnderline},
    {UnderlineType::Double, QTextCharFormat::SingleUnderline},
    {UnderlineType::Thick, QTextCharFormat::SingleUnderline},
    {UnderlineType::Dotted, QTextCharFormat::DotLine},
    {UnderlineType::Dash, QTextCharFormat::DashUnderline},
    {UnderlineType::DotDash, QTextCharFormat::DashDotLine},
    {UnderlineType::DotDotDash, QTextCharFormat::DashDotDotLine},
    {UnderlineType::Wave, QTextCharFormat::WaveUnderline},
    {UnderlineType::DoubleWave, QTextCharFormat::WaveUnderline},
};

constexpr HighlightColor highlightTable[] = {
    {"black", qRgb(0, 0, 0)},          {"blue", qRgb(0, 0, 255)},         {"cyan", qRgb(0, 255, 255)},
    {"green", qRgb(0, 255, 0)},        {"magenta", qRgb(255, 0, 255)},    {"red", qRgb(255, 0, 0)},
    {"yellow", qRgb(255, 255, 0)},     {"white", qRgb(255, 255, 255)},    {"darkBlue", qRgb(0, 0, 128)},
    {"darkCyan", qRgb(0, 128, 128)},   {"darkGreen", qRgb(0, 128, 0)},    {"darkMagenta", qRgb(128, 0, 128)},
    {"darkRed", qRgb(128, 0, 0)},      {"darkYellow", qRgb(128, 128, 0)}, {"darkGray", qRgb(128, 128, 128)},
    {"lightGray", qRgb(192, 192, 192)},
};

} // namespace

UnderlineType underlineType(const QTextCharFormat &format)
{
    if (format.hasProperty(prop::UnderlineKind))
        return static_cast<UnderlineType>(format.intProperty(prop::UnderlineKind));
    const auto style = format.underlineStyle();
    for (const UnderlineRow &row : underlineRows)
        if (row.qtStyle == style)
            return row.type;
    return UnderlineType::None;
}

void setUnderlineType(QTextCharFormat &format, UnderlineType type)
{
    for (const UnderlineRow &row : underlineRows)
        if (row.type == type)
            format.setUnderlineStyle(row.qtStyle);
    format.setProperty(prop::UnderlineKind, static_cast<int>(type));
}

std::optional<BorderLine> borderLine(const QTextFormat &format, int property)
{
    const QVariant value = format.property(property);
    if (!value.canConvert<BorderLine>())
        return std::nullopt;
    return value.value<BorderLine>();
}

void setBorderLine(QTextFormat &format, int property, const BorderLine &line)
{
    format.setProperty(property, QVariant::fromValue(line));
}

QTextCharFormat paragraphMarkFormat(const QTextBlock &block)
{
    const QTextCursor cursor(block);
    if (const QTextTable *table = cursor.currentTable())
        if (table->cellAt(block.position()).firstPosition() == block.position())
            return {};
    return block.charFormat();
}

const HighlightColor *highlightColors(int *count)
{
    *count = static_cast<int>(std::size(highlightTable));
    return highlightTable;
}

const char *highlightName(const QColor &color)
{
    const char *best = "yellow";
    int bestDistance = std::numeric_limits<int>::max();
    for (const HighlightColor &row : highlightTable) {
        const QColor candidate(row.rgb);
        const int distance = qAbs(candidate.red() - color.red()) + qAbs(candidate.green() - color.green()) +
                             qAbs(candidate.blue() - color.blue());
        if (distance < bestDistance) {
            bestDistance = distance;
            best = row.name;
        }
    }
    return best;
}

QColor highlightColor(const QString &name)
{
    for (const HighlightColor &row : highlightTable)
        if (name == QLatin1String(row.name))
            return QColor(row.rgb);
    return {};
}

std::optional<QString> hyperlinkTarget(const QString &instruction)
{
    const QString simplified = instruction.simplified();
    if (!simplified.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return std::nullopt;
    QString target = simplified.mid(9).trimmed();
    const qsizetype quote = target.indexOf(QLatin1Char('"'), 1);
    if (target.startsWith(QLatin1Char('"')) && quote > 0)
        target = target.mid(1, quote - 1);
    return target;
}

} // namespace richedit
