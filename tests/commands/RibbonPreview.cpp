// Shows the main window's ribbon over an editor with one tab active, all tabs visible, for
// looking at the layout: ribbon-preview [TAB-NAME] [WIDTH] [table], the last putting the
// caret in a new table.
#include "commands/RibbonBinding.h"
#include "platform/ribbon/Ribbon.h"
#include "platform/richedit/commands/EditingCommands.h"
#include "platform/richedit/commands/EditorCommands.h"
#include "platform/richedit/commands/QtEditorDialogs.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QMainWindow>
#include <QTextCursor>

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
    if (args.size() > 3 && args.at(3) == QLatin1String("table"))
    {
        QTextCursor(editor->mainStory()).insertText(QStringLiteral("A table:"));
        QTextCursor end(editor->mainStory());
        end.movePosition(QTextCursor::End);
        editor->setTextCursor(end);
        richedit::editing::insertTable(*editor, 3, 3);
        editor->textCursor().insertText(QStringLiteral("cell"));
    }
    if (args.size() > 1)
        if (ribbon::RibbonTab *tab = ribbonWidget->tab(args.at(1)))
            tab->setActive();
    window.resize(args.size() > 2 ? args.at(2).toInt() : 1560, 800);
    window.move(10, 10);
    window.show();
    return QApplication::exec();
}
