#include "QtEditorDialogs.h"

#include "BookmarkDialog.h"
#include "ColumnsDialog.h"
#include "FindReplaceDialog.h"
#include "LineNumberingDialog.h"
#include "PageSetupDialog.h"
#include "ParagraphDialog.h"
#include "ProtectionDialog.h"
#include "SymbolDialog.h"
#include "TableDialogs.h"
#include "platform/richedit/Error.h"
#include "platform/richedit/layout/PageGeometry.h"
#include "platform/richedit/view/PagePainter.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QImageReader>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QVBoxLayout>

namespace richedit {
namespace {

/// A text of these dialogs as the active localizer has it.
QString text(const char *english)
{
    return QCoreApplication::translate("richedit::QtEditorDialogs", english);
}

} // namespace

QtEditorDialogs::~QtEditorDialogs()
{
    delete m_findReplace;
}

std::optional<QFont> QtEditorDialogs::fontForm(const QFont &current)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, current, m_parent, text("Font"));
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

std::optional<PageSetupSettings> QtEditorDialogs::pageSetupForm(const PageSetupSettings &current, MeasurementUnit unit,
                                                                PageSetupPage page)
{
    PageSetupDialog dialog(current, unit, page, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.settings();
}

std::optional<ColumnsSettings> QtEditorDialogs::columnsForm(const ColumnsSettings &current, MeasurementUnit unit)
{
    ColumnsDialog dialog(current, unit, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.settings();
}

std::optional<LineNumbering> QtEditorDialogs::lineNumberingForm(const LineNumbering &current, MeasurementUnit unit)
{
    LineNumberingDialog dialog(current, unit, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.settings();
}

std::optional<QSize> QtEditorDialogs::insertTableForm()
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(text("Insert Table"));
    auto *columns = new QSpinBox(&dialog);
    auto *rows = new QSpinBox(&dialog);
    columns->setRange(1, 63);
    rows->setRange(1, 32767);
    columns->setValue(5);
    rows->setValue(2);
    auto *form = new QFormLayout;
    form->addRow(text("Number of columns:"), columns);
    form->addRow(text("Number of rows:"), rows);
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

std::optional<SymbolChoice> QtEditorDialogs::symbolForm(const QString &family)
{
    SymbolDialog dialog(family, m_parent);
    if (dialog.exec() != QDialog::Accepted || dialog.symbol().isEmpty())
        return std::nullopt;
    // The font box shows the installed font that stands in for the name; keep the name then.
    const QString chosen = dialog.family() == QFontInfo(QFont(family)).family() ? family : dialog.family();
    return SymbolChoice{dialog.symbol(), chosen};
}

std::optional<HyperlinkSettings> QtEditorDialogs::hyperlinkForm(const HyperlinkSettings &current)
{
    QDialog dialog(m_parent);
    dialog.setObjectName(QStringLiteral("HyperlinkDialog"));
    dialog.setWindowTitle(richedit::text("Hyperlink"));
    auto *text = new QLineEdit(current.text, &dialog);
    auto *address = new QLineEdit(current.address, &dialog);
    address->setPlaceholderText(QStringLiteral("https://… or mailto:…"));
    address->setMinimumWidth(360);
    auto *form = new QFormLayout;
    form->addRow(richedit::text("Text to display:"), text);
    form->addRow(richedit::text("Address:"), address);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    bool remove = false;
    if (!current.address.isEmpty()) {
        QPushButton *removeButton = buttons->addButton(richedit::text("Remove Link"), QDialogButtonBox::DestructiveRole);
        QObject::connect(removeButton, &QPushButton::clicked, &dialog, [&] {
            remove = true;
            dialog.accept();
        });
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    address->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return HyperlinkSettings{text->text(), remove ? QString() : address->text().trimmed()};
}

void QtEditorDialogs::openLink(const QString &address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void QtEditorDialogs::showBookmarks(RichEditControl &control)
{
    BookmarkDialog dialog(control, m_parent);
    dialog.exec();
}

std::optional<QString> QtEditorDialogs::pictureFile()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString path = QFileDialog::getOpenFileName(
        m_parent, text("Insert Picture"), QString(),
        text("Pictures (%1);;All Files (*)").arg(patterns.join(QLatin1Char(' '))));
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

bool QtEditorDialogs::confirm(const QString &text)
{
    return QMessageBox::question(m_parent, QString(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

void QtEditorDialogs::information(const QString &text)
{
    QMessageBox::information(m_parent, QString(), text);
}

// Styles and tables.

std::optional<std::vector<Style>> QtEditorDialogs::editStyleForm(const StyleSheet &sheet, const QString &current)
{
    return dialogs::editStyleForm(m_parent, sheet, current);
}

std::optional<QString> QtEditorDialogs::tableStyleForm(const QStringList &ids, const QString &current)
{
    return dialogs::tableStyleForm(m_parent, ids, current);
}

std::optional<TableProperties> QtEditorDialogs::tablePropertiesForm(const TableProperties &current, MeasurementUnit unit)
{
    return dialogs::tablePropertiesForm(m_parent, current, unit);
}

std::optional<CellShift> QtEditorDialogs::insertCellsForm()
{
    return dialogs::cellShiftForm(m_parent, true);
}

std::optional<CellShift> QtEditorDialogs::deleteCellsForm()
{
    return dialogs::cellShiftForm(m_parent, false);
}

std::optional<QSize> QtEditorDialogs::splitCellsForm(const QSize &initial)
{
    return dialogs::splitCellsForm(m_parent, initial);
}

std::optional<QString> QtEditorDialogs::newPasswordForm()
{
    ProtectionDialog dialog(ProtectionDialog::Purpose::Protect, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.password();
}

std::optional<QString> QtEditorDialogs::passwordForm()
{
    ProtectionDialog dialog(ProtectionDialog::Purpose::Unprotect, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.password();
}

bool QtEditorDialogs::printForm(RichEditControl &control)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, m_parent);
    dialog.setMinMax(1, control.pageGeometry().pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (printPages(control.document(), control.pageGeometry(), printer) == 0)
        throw Error(QStringLiteral("The printer \"%1\" could not be started.").arg(printer.printerName()));
    return true;
}

void QtEditorDialogs::printPreviewForm(RichEditControl &control)
{
    QPrintPreviewDialog preview(m_parent);
    if (!m_previewCaption.isEmpty())
        preview.setWindowTitle(m_previewCaption);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&control](QPrinter *printer) { printPages(control.document(), control.pageGeometry(), *printer); });
    preview.exec();
}

} // namespace richedit
