// The document commands of the main window: the command-line open, New, Open, Save,
// Save As, the unsaved-changes question and the window title.
#include "Unit1.h"

#include "platform/richedit/view/RichEditControl.h"
#include "platform/ui/Dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <array>

namespace {

struct CommandLineFormat {
    const char *extension;
    richedit::DocumentFormat format;
};

constexpr std::array commandLineFormats{
    CommandLineFormat{".rtf", richedit::DocumentFormat::Rtf},
    CommandLineFormat{".doc", richedit::DocumentFormat::Doc},
    CommandLineFormat{".docx", richedit::DocumentFormat::OpenXml},
    CommandLineFormat{".txt", richedit::DocumentFormat::PlainText},
};

/// The last path component from its last dot on, dot included; empty without a dot.
QString extensionOf(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

/// Puts FAskOnClose back to true on every way out of New and Open.
class AskOnCloseSuspended {
public:
    explicit AskOnCloseSuspended(bool &flag) : m_flag(flag) { m_flag = false; }
    ~AskOnCloseSuspended() { m_flag = true; }
    AskOnCloseSuspended(const AskOnCloseSuspended &) = delete;
    AskOnCloseSuspended &operator=(const AskOnCloseSuspended &) = delete;

private:
    bool &m_flag;
};

} // namespace

void TForm1::UpdateCaption()
{
    if (CurrentFilePath.isEmpty()) {
        setWindowTitle(applicationTitle());
        return;
    }
    QString title = applicationTitle() + QStringLiteral(" - (") + QFileInfo(CurrentFilePath).fileName()
                    + QLatin1Char(')');
    if (dxRichEditControl1->DocumentModelModified())
        title += QStringLiteral(" *");
    setWindowTitle(title);
}

void TForm1::takeOverFileName()
{
    CurrentFilePath = dxRichEditControl1->CurrentFileName();
    UpdateCaption();
}

bool TForm1::ConfirmSaveChanges()
{
    if (!dxRichEditControl1->DocumentModelModified())
        return true;
    // Linux message boxes break lines at "\n"; the carriage returns of other systems show nothing.
    switch (m_dialogs.warningYesNoCancel(SaveChanges + QStringLiteral("\n\n") + CurrentFilePath)) {
    case ui::Answer::Yes:
        // A save that was cancelled or failed must not lose the changes: it counts as Cancel.
        dxRichEditControl1->saveDocument();
        return !dxRichEditControl1->DocumentModelModified();
    case ui::Answer::No:
        return true;
    case ui::Answer::Cancel:
        break;
    }
    return false;
}

void TForm1::endProgram(const QString &message)
{
    m_dialogs.message(message);
    m_terminated = true;
    QCoreApplication::quit();
}

void TForm1::openCommandLineDocument()
{
    const QString path = m_arguments.value(1);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        setWindowTitle(applicationTitle());
        return;
    }
    const QString extension = extensionOf(path);
    const CommandLineFormat *match = nullptr;
    for (const CommandLineFormat &row : commandLineFormats) {
        if (extension.compare(QLatin1String(row.extension), Qt::CaseInsensitive) == 0) {
            match = &row;
            break;
        }
    }
    if (!match) {
        endProgram(QStringLiteral("Nepodporovaný formát souboru: ") + extension);
        return;
    }
    try {
        dxRichEditControl1->LoadDocument(QFileInfo(path).absoluteFilePath(), match->format);
    } catch (const std::exception &error) {
        endProgram(QStringLiteral("Soubor se nepodařilo načíst: ") + QString::fromUtf8(error.what()));
        return;
    }
    CurrentFilePath = dxRichEditControl1->CurrentFileName();
    setWindowTitle(applicationTitle() + QStringLiteral(" - (") + QFileInfo(CurrentFilePath).fileName()
                   + QLatin1Char(')'));
}

void TForm1::BSouborNovyClick()
{
    AskOnCloseSuspended suspended(FAskOnClose);
    if (!ConfirmSaveChanges())
        return;
    dxRichEditControl1->newDocument();
    CurrentFilePath.clear();
    setWindowTitle(applicationTitle());
    nastavitokraje();
}

void TForm1::acOtevritExecute()
{
    AskOnCloseSuspended suspended(FAskOnClose);
    if (!ConfirmSaveChanges())
        return;
    dxRichEditControl1->loadDocumentWithDialog();
    takeOverFileName();
}

void TForm1::BSouborUlozitClick()
{
    dxRichEditControl1->saveDocument();
    takeOverFileName();
}

void TForm1::BSouborUlozitJakoClick()
{
    dxRichEditControl1->saveDocumentAs();
    takeOverFileName();
}

void TForm1::dxRichEditControl1DocumentClosing(bool &CanClose)
{
    if (!FAskOnClose)
        return;
    // This runs inside the editor's signal: report a failed save here instead of letting the
    // error cross Qt's signal machinery, and keep the document.
    CanClose = false;
    guarded([&] { CanClose = ConfirmSaveChanges(); });
}

void TForm1::dxRichEditControl1DocumentLoaded()
{
    CurrentFilePath = dxRichEditControl1->CurrentFileName();
    setWindowTitle(applicationTitle() + QStringLiteral(" - (") + QFileInfo(CurrentFilePath).fileName()
                   + QLatin1Char(')'));
}

void TForm1::dxRichEditControl1ModifiedChanged()
{
    UpdateCaption();
}
