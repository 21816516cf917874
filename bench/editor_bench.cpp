// Measures the editor's start, typing in a long document and the memory a long document takes.
// Run on a display (xvfb-run -a) with a Release build; see README.md in this folder.
// editor_bench [DOCUMENT] also times opening DOCUMENT and showing its first page.
#include "app/Unit1.h"
#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/layout/PageGeometry.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/ui/FakeDialogs.h"
#include "preferences/fNastav.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

/// Milliseconds since this process started, from /proc.
double msSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray s = stat.readAll();
    const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22 of the whole line
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
    return (upSeconds - startTicks / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

/// About 300 pages of plain text at 12 points: 46 lines a page.
QByteArray longText()
{
    QByteArray text;
    for (int line = 0; line < 300 * 46; ++line)
        text += "Line " + QByteArray::number(line) + " of a long plain text document that fills the page width.\n";
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir appData;
    qputenv("APPDATA", appData.path().toUtf8());
    ui::FakeDialogs dialogs;

    // 1. Start: the main window created the way the program entry creates it, then shown.
    TForm1 form(dialogs, {QStringLiteral("tavel-editor")});
    TfNastaveni nastaveni(*form.dxRichEditControl1);
    form.attachWindows(nullptr, &nastaveni, nullptr);
    form.show();
    QApplication::processEvents();
    form.dxRichEditControl1->viewport()->repaint();
    std::printf("start to main window shown: %.1f ms\n", msSinceProcessStart());

    // 2. Memory of a 300-page plain-text document.
    const long before = residentKiB();
    const QString path = appData.filePath(QStringLiteral("long.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(longText());
    file.close();
    QElapsedTimer load;
    load.start();
    form.dxRichEditControl1->LoadDocument(path, richedit::DocumentFormat::PlainText);
    QApplication::processEvents();
    std::printf("300-page text document: %d pages, loaded in %lld ms, resident %ld MiB (before %ld MiB)\n",
                form.dxRichEditControl1->pageGeometry().pageCount(), static_cast<long long>(load.elapsed()),
                residentKiB() / 1024, before / 1024);

    // 3. Typing one character in the middle of it: the edit and the repaint.
    richedit::RichEditControl &editor = *form.dxRichEditControl1;
    QTextCursor cursor(editor.mainStory());
    cursor.setPosition(editor.mainStory()->characterCount() / 2);
    editor.setTextCursor(cursor);
    editor.setFocus();
    QApplication::processEvents();
    std::vector<double> times;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer timer;
        timer.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(editor.viewport(), &press);
        editor.viewport()->repaint();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("typing one character in the middle: median %.2f ms, worst %.2f ms\n", times[times.size() / 2],
                times.back());

    // 3b. The same with live checking against the English dictionary: every keystroke rechecks
    // its paragraph, and the typed run of letters is a misspelt word that keeps its mark.
    QElapsedTimer dictionary;
    dictionary.start();
    form.NactiENslovnik();
    QApplication::processEvents();
    std::printf("English dictionary loaded and the visible pages checked in %lld ms\n",
                static_cast<long long>(dictionary.elapsed()));
    times.clear();
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer timer;
        timer.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
        QApplication::sendEvent(editor.viewport(), &press);
        QApplication::processEvents();
        editor.viewport()->repaint();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("typing with live checking: median %.2f ms, worst %.2f ms\n", times[times.size() / 2],
                times.back());
    editor.SetDocumentModelModified(false);

    // 4. Optionally, a document given on the command line: open it and show its first page.
    if (argc > 1) {
        const QString document = QString::fromLocal8Bit(argv[1]);
        QElapsedTimer open;
        open.start();
        editor.LoadDocument(document, richedit::formatForFileName(document));
        QApplication::processEvents();
        editor.viewport()->repaint();
        std::printf("%s: opened and first page shown in %lld ms (%d pages)\n", argv[1],
                    static_cast<long long>(open.elapsed()), editor.pageGeometry().pageCount());
    }
    return 0;
}
