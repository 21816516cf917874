#include "ClipboardCommands.h"

#include "CaretInsertion.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/rtl/Error.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPalette>
#include <QScreen>

#include <optional>

namespace commands {
namespace {

constexpr int horizontalMargin = 10;
constexpr int verticalMargin = 5;
constexpr qreal fontPoints = 12;
// Wider pictures are beyond what painting and the page can take.
constexpr int widestPicture = 32767;

/// The clipboard's text, or nothing when it holds none.
std::optional<QString> clipboardText()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return std::nullopt;
    return data->text();
}

QFont pictureFont()
{
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(qRound(fontPoints * screenDotsPerInch() / 72));
    return font;
}

/// The desktop's window-text colour, unless it is too light to read on the white picture
/// (a dark desktop theme), then black.
QColor textColour()
{
    const QColor colour = QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText);
    return colour.lightness() > 160 ? QColor(Qt::black) : colour;
}

/// The text as one line: a line break (of any convention) and a tab each become one blank.
QString asOneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (const QChar breakOrTab : {QChar(u'\n'), QChar(u'\r'), QChar(u'\t'), QChar(QChar::LineSeparator),
                                   QChar(QChar::ParagraphSeparator)})
        text.replace(breakOrTab, QLatin1Char(' '));
    return text;
}

} // namespace

qreal screenDotsPerInch()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

QImage clipboardTextPicture(const QString &text)
{
    const QString line = asOneLine(text);
    const QFont font = pictureFont();
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(line) + 2 * horizontalMargin;
    const int height = metrics.height() + 2 * verticalMargin;
    if (width > widestPicture)
        throw platform::Error(QStringLiteral("The text on the clipboard is too long to be pasted as a picture."));

    QImage picture(width, height, QImage::Format_ARGB32);
    if (picture.isNull())
        throw platform::Error(QStringLiteral("There is not enough memory for the picture of the clipboard text."));
    const int dotsPerMeter = qRound(screenDotsPerInch() / 0.0254);
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    picture.fill(Qt::white);

    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(textColour());
    painter.drawText(horizontalMargin, verticalMargin + metrics.ascent(), line);
    return picture;
}

void VlozitProstyText(richedit::RichEditControl &editor)
{
    if (const std::optional<QString> text = clipboardText())
        ReplaceSelection(editor, *text);
}

void InsertClipboardTextAsImage(richedit::RichEditControl &ARichEdit)
{
    if (const std::optional<QString> text = clipboardText())
        InsertImage(ARichEdit, clipboardTextPicture(*text), screenDotsPerInch());
}

} // namespace commands
