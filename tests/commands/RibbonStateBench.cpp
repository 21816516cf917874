// Not a test: times one recomputation of every ribbon item's state after a caret move in a
// document of about 300 pages. ribbon-state-bench [PAGES]
#include "commands/RibbonBinding.h"
#include "platform/ribbon/Ribbon.h"
#include "platform/richedit/commands/EditorCommands.h"
#include "platform/richedit/commands/QtEditorDialogs.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/ui/FakeDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int pages = argc > 1 ? std::atoi(argv[1]) : 300;
    ui::FakeDialogs dialogs;
    richedit::RichEditControl editor(dialogs);
    ribbon::Ribbon ribbonWidget;
    richedit::QtEditorDialogs editorDialogs;
    richedit::EditorCommands commands(editor, editorDialogs);
    commands::RibbonBinding binding(ribbonWidget, commands, dialogs, {});

    // About 8 paragraphs of 60 words make a page; every other paragraph has a bold run.
    QTextCursor cursor(editor.mainStory());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    const QString words = QStringLiteral("lorem ipsum dolor sit amet consectetur adipiscing elit ").repeated(7);
    for (int paragraph = 0; paragraph < pages * 8; ++paragraph) {
        cursor.insertText(words);
        if (paragraph % 2)
            cursor.insertText(QStringLiteral("bold words"), bold);
        cursor.insertBlock();
    }
    QCoreApplication::processEvents();

    constexpr int moves = 500;
    const int length = editor.mainStory()->characterCount();
    QElapsedTimer timer;
    qint64 total = 0;
    qint64 worst = 0;
    for (int i = 0; i < moves; ++i) {
        QTextCursor caret(editor.mainStory());
        caret.setPosition(int((qint64(i) * 7919 * 104729) % (length - 1)));
        editor.setTextCursor(caret);
        timer.start();
        binding.updateStates();
        const qint64 spent = timer.nsecsElapsed();
        total += spent;
        worst = std::max(worst, spent);
    }
    std::printf("%d pages, %d characters: state update %.3f ms on average, %.3f ms at worst\n", pages, length,
                double(total) / moves / 1e6, double(worst) / 1e6);
    return 0;
}
