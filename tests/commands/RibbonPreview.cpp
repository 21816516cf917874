// Shows the main window's ribbon over an editor with one tab active, all tabs visible, for
// looking at the layout: ribbon-preview [TAB-NAME] [WIDTH].
#include "commands/RibbonBinding.h"
#include "platform/ribbon/Ribbon.h"
#include "platform/richedit/commands/EditorCommands.h"
#include "platform/richedit/commands/QtEditorDialogs.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QMainWindow window;
    ui::QtDialogs dialogs;
    auto *editor = new richedit::RichEditControl(dialogs, &window);
    window.setCentralWidget(editor);
    auto *ribbonWidget = new ribbon::Ribbon(&window);
    window.setMenuWidget(ribbonWidget);
    richedit::QtEditorDialogs editorDialogs(&window);
    richedit::EditorCommands commands(*editor, editorDialogs);
    commands::RibbonBinding binding(*ribbonWidget, commands, dialogs, {});
    if (args.size() > 1)
        if (ribbon::RibbonTab *tab = ribbonWidget->tab(args.at(1)))
            tab->setActive();
    window.resize(args.size() > 2 ? args.at(2).toInt() : 1560, 600);
    window.move(10, 10);
    window.show();
    return QApplication::exec();
}
