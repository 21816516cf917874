// The program entry: creates the windows in their order and runs the message loop.
#include "app/Unit1.h"
#include "commands/fDatumACas.h"
#include "online/oaplikaci.h"
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
    TfNastaveni fNastaveni(*Form1.dxRichEditControl1);
    Tfoaplikaci foaplikaci;
    Form1.attachWindows(&fDatumCas, &fNastaveni, &foaplikaci);

    Form1.show();
    return QApplication::exec();
}
