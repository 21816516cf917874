// The program entry: creates the windows in their order and runs the message loop.
#include "app/Unit1.h"
#include "commands/fDatumACas.h"
#include "online/oaplikaci.h"
#include "platform/mail/DesktopMail.h"
#include "platform/shell/DesktopShell.h"
#include "platform/ui/HandlerGuard.h"
#include "platform/ui/QtDialogs.h"
#include "preferences/fNastav.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(TForm1::applicationTitle());
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVEL_VERSION));
    QIcon::setFallbackThemeName(QStringLiteral("breeze"));

    ui::QtDialogs dialogs;
    TForm1 Form1(dialogs, QCoreApplication::arguments());
    dialogs.setParent(&Form1);
    if (Form1.terminated())
        return 0;

    TfDatumCas fDatumCas;
    fDatumCas.setEditor(Form1.dxRichEditControl1);
    // Creating the date-and-time dialog puts the interface in English at every start, before
    // the preferences dialog and the About window exist. An error is reported and the start
    // goes on, as with any failing creation handler.
    Form1.attachWindows(&fDatumCas, nullptr, nullptr);
    ui::guarded(dialogs, [&] { Form1.PrelozDoAnglictiny(); });
    TfNastaveni fNastaveni(*Form1.dxRichEditControl1);
    Tfoaplikaci foaplikaci;
    Form1.attachWindows(&fDatumCas, &fNastaveni, &foaplikaci);
    shell::DesktopShell desktopShell;
    mail::DesktopMail desktopMail;
    Form1.attachServices(desktopShell, desktopMail);

    Form1.show();
    return QApplication::exec();
}
