#include "QtEditorDialogs.h"

#include "FindReplaceDialog.h"
#include "ParagraphDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFormLayout>
#include <QImageReader>
#include <QMessageBox>
#include <QSpinBox>
#include <QVBoxLayout>

namespace richedit {

QtEditorDialogs::~QtEditorDialogs()
{
    delete m_findReplace;
}

std::optional<QFont> QtEditorDialogs::fontForm(const QFont &current)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, current, m_parent, QStringLiteral("Font"));
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<ParagraphSettings> QtEditorDialogs::paragraphForm(const ParagraphSettings &current, MeasurementUnit unit)
{
    ParagraphDialog dialog(current, unit, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.settings();
}

std::optional<QSize> QtEditorDialogs::insertTableForm()
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(QStringLiteral("Insert Table"));
    auto *columns = new QSpinBox(&dialog);
    auto *rows = new QSpinBox(&dialog);
    columns->setRange(1, 63);
    rows->setRange(1, 32767);
    columns->setValue(5);
    rows->setValue(2);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Number of columns:"), columns);
    form->addRow(QStringLiteral("Number of rows:"), rows);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return QSize(columns->value(), rows->value());
}

std::optional<QString> QtEditorDialogs::pictureFile()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString path = QFileDialog::getOpenFileName(
        m_parent, QStringLiteral("Insert Picture"), QString(),
        QStringLiteral("Pictures (%1);;All Files (*)").arg(patterns.join(QLatin1Char(' '))));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void QtEditorDialogs::showFindReplace(RichEditControl &control, CommandSession &session, bool replace)
{
    if (!m_findReplace)
        m_findReplace = new FindReplaceDialog(control, session, m_parent);
    m_findReplace->open(replace);
}

void QtEditorDialogs::information(const QString &text)
{
    QMessageBox::information(m_parent, QString(), text);
}

} // namespace richedit
