#include "CharacterCommands.h"

#include "CommandTexts.h"
#include "EditorDialogs.h"
#include "SelectionFormat.h"
#include "platform/richedit/Error.h"
#include "platform/richedit/model/TextFormats.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace richedit::character {
namespace {

constexpr std::array<int, 16> sizeSteps{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr qreal minimumSize = 1;
constexpr qreal maximumSize = 1638;

QTextCharFormat current(const CommandContext &context)
{
    return selectionCharFormat(context.control.textCursor());
}

void setSize(CommandContext &context, qreal size)
{
    size = std::clamp(size, minimumSize, maximumSize);
    changeCharFormat(context.control, [size](QTextCharFormat &f) { f.setFontPointSize(size); });
}

bool hasDoubleUnderline(const QTextCharFormat &f)
{
    return f.fontUnderline() && underlineType(f) == UnderlineType::Double;
}

bool hasDoubleStrikeout(const QTextCharFormat &f)
{
    return f.boolProperty(prop::DoubleStrikeOut);
}

void setVerticalAlignment(CommandContext &context, QTextCharFormat::VerticalAlignment alignment)
{
    const bool on = current(context).verticalAlignment() == alignment;
    changeCharFormat(context.control, [on, alignment](QTextCharFormat &f) {
        f.setVerticalAlignment(on ? QTextCharFormat::AlignNormal : alignment);
    });
}

} // namespace

QStringList fontSizeList()
{
    QStringList list;
    for (int size : sizeSteps)
        list << QString::number(size);
    return list;
}

qreal nextFontSize(qreal size, bool larger)
{
    if (larger) {
        for (int step : sizeSteps)
            if (step > size)
                return step;
        return std::min(maximumSize, (std::floor(size / 10) + 1) * 10);
    }
    if (size > sizeSteps.back())
        return std::max<qreal>(sizeSteps.back(), (std::ceil(size / 10) - 1) * 10);
    for (auto it = sizeSteps.rbegin(); it != sizeSteps.rend(); ++it)
        if (*it < size)
            return *it;
    return std::max(minimumSize, size - 1);
}

void changeFontName(CommandContext &context, const QVariant &name)
{
    const QString family = name.toString().trimmed();
    if (family.isEmpty())
        return;
    changeCharFormat(context.control, [family](QTextCharFormat &f) { f.setFontFamilies(QStringList{family}); });
}

QVariant fontName(const CommandContext &context)
{
    return selectionFontFamily(context.control);
}

void changeFontSize(CommandContext &context, const QVariant &size)
{
    bool ok = false;
    const qreal points = QLocale().toDouble(size.toString().trimmed(), &ok);
    const qreal value = ok ? points : size.toString().trimmed().toDouble(&ok);
    if (!ok || value < minimumSize || value > maximumSize)
        throw Error(commandText("The font size must be a number between 1 and 1638."));
    setSize(context, value);
}

QVariant fontSize(const CommandContext &context)
{
    return QLocale().toString(selectionFontSize(context.control));
}

void increaseFontSize(CommandContext &context, const QVariant &)
{
    setSize(context, nextFontSize(selectionFontSize(context.control), true));
}

void decreaseFontSize(CommandContext &context, const QVariant &)
{
    setSize(context, nextFontSize(selectionFontSize(context.control), false));
}

bool canIncreaseFontSize(const CommandContext &context)
{
    return selectionFontSize(context.control) < maximumSize;
}

bool canDecreaseFontSize(const CommandContext &context)
{
    return selectionFontSize(context.control) > minimumSize;
}

void toggleBold(CommandContext &context, const QVariant &)
{
    const bool on = isBold(context);
    changeCharFormat(context.control,
                     [on](QTextCharFormat &f) { f.setFontWeight(on ? QFont::Normal : QFont::Bold); });
}

bool isBold(const CommandContext &context)
{
    return current(context).fontWeight() >= QFont::Bold;
}

void toggleItalic(CommandContext &context, const QVariant &)
{
    const bool on = isItalic(context);
    changeCharFormat(context.control, [on](QTextCharFormat &f) { f.setFontItalic(!on); });
}

bool isItalic(const CommandContext &context)
{
    return current(context).fontItalic();
}

void toggleUnderline(CommandContext &context, const QVariant &)
{
    const bool on = isUnderline(context);
    changeCharFormat(context.control, [on](QTextCharFormat &f) {
        setUnderlineType(f, on ? UnderlineType::None : UnderlineType::Single);
    });
}

bool isUnderline(const CommandContext &context)
{
    const QTextCharFormat f = current(context);
    return f.fontUnderline() && !hasDoubleUnderline(f);
}

void toggleDoubleUnderline(CommandContext &context, const QVariant &)
{
    const bool on = isDoubleUnderline(context);
    // Qt draws one line; the underline kind keeps the second for the layout and the writers.
    changeCharFormat(context.control, [on](QTextCharFormat &f) {
        setUnderlineType(f, on ? UnderlineType::None : UnderlineType::Double);
    });
}

bool isDoubleUnderline(const CommandContext &context)
{
    return hasDoubleUnderline(current(context));
}

void toggleStrikeout(CommandContext &context, const QVariant &)
{
    const bool on = isStrikeout(context);
    changeCharFormat(context.control, [on](QTextCharFormat &f) {
        f.clearProperty(prop::DoubleStrikeOut);
        f.setFontStrikeOut(!on);
    });
}

bool isStrikeout(const CommandContext &context)
{
    const QTextCharFormat f = current(context);
    return f.fontStrikeOut() && !hasDoubleStrikeout(f);
}

void toggleDoubleStrikeout(CommandContext &context, const QVariant &)
{
    const bool on = isDoubleStrikeout(context);
    changeCharFormat(context.control, [on](QTextCharFormat &f) {
        f.setFontStrikeOut(!on);
        if (on)
            f.clearProperty(prop::DoubleStrikeOut);
        else
            f.setProperty(prop::DoubleStrikeOut, true);
    });
}

bool isDoubleStrikeout(const CommandContext &context)
{
    return hasDoubleStrikeout(current(context));
}

void toggleSubscript(CommandContext &context, const QVariant &)
{
    setVerticalAlignment(context, QTextCharFormat::AlignSubScript);
}

bool isSubscript(const CommandContext &context)
{
    return current(context).verticalAlignment() == QTextCharFormat::AlignSubScript;
}

void toggleSuperscript(CommandContext &context, const QVariant &)
{
    setVerticalAlignment(context, QTextCharFormat::AlignSuperScript);
}

bool isSuperscript(const CommandContext &context)
{
    return current(context).verticalAlignment() == QTextCharFormat::AlignSuperScript;
}

void textHighlight(CommandContext &context, const QVariant &colour)
{
    const QColor chosen = colour.isValid() ? colour.value<QColor>() : context.session.highlightColour;
    context.session.highlightColour = chosen;
    changeCharFormat(context.control, [chosen](QTextCharFormat &f) {
        if (chosen.isValid())
            f.setBackground(chosen);
        else
            f.clearBackground();
    });
}

QVariant highlightColour(const CommandContext &context)
{
    return context.session.highlightColour;
}

void changeFontColor(CommandContext &context, const QVariant &colour)
{
    const QColor chosen = colour.isValid() ? colour.value<QColor>() : context.session.fontColour;
    context.session.fontColour = chosen;
    changeCharFormat(context.control, [chosen](QTextCharFormat &f) {
        if (chosen.isValid())
            f.setForeground(chosen);
        else
            f.clearForeground();
    });
}

QVariant fontColour(const CommandContext &context)
{
    return context.session.fontColour;
}

void showFontForm(CommandContext &context, const QVariant &)
{
    const QTextCharFormat f = current(context);
    QFont font = context.control.document().defaultFont();
    font.setFamily(selectionFontFamily(context.control));
    font.setPointSizeF(selectionFontSize(context.control));
    font.setBold(f.fontWeight() >= QFont::Bold);
    font.setItalic(f.fontItalic());
    font.setUnderline(f.fontUnderline());
    font.setStrikeOut(f.fontStrikeOut());
    const std::optional<QFont> chosen = context.dialogs.fontForm(font);
    if (!chosen)
        return;
    changeCharFormat(context.control, [&](QTextCharFormat &g) {
        g.setFontFamilies(QStringList{chosen->family()});
        g.setFontPointSize(chosen->pointSizeF());
        g.setFontWeight(chosen->bold() ? QFont::Bold : QFont::Normal);
        g.setFontItalic(chosen->italic());
        if (chosen->underline() != g.fontUnderline()) {
            setUnderlineType(g, chosen->underline() ? UnderlineType::Single : UnderlineType::None);
        }
        if (chosen->strikeOut() != g.fontStrikeOut()) {
            g.setFontStrikeOut(chosen->strikeOut());
            g.clearProperty(prop::DoubleStrikeOut);
        }
    });
}

} // namespace richedit::character
