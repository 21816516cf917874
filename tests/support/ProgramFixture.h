#pragma once

#include "app/Unit1.h"
#include "commands/fDatumACas.h"
#include "online/oaplikaci.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/ui/FakeDialogs.h"
#include "platform/ui/HandlerGuard.h"
#include "preferences/fNastav.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

/// The program's four windows created as the program entry creates them (the main window,
/// the date-and-time dialog with its English switch, the preferences dialog, the About
/// window), with scripted dialogs, the settings in a temporary APPDATA and the data files in
/// a temporary program folder.
class ProgramFixture : public ::testing::Test {
protected:
    TempDir appData;
    TempDir program;
    ui::FakeDialogs dialogs;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TfDatumCas> datumCas;
    std::unique_ptr<TfNastaveni> nastaveni;
    std::unique_ptr<Tfoaplikaci> about;
    QByteArray savedAppData = qgetenv("APPDATA");

    void SetUp() override
    {
        qputenv("APPDATA", appData.root().toUtf8());
        QDir().mkpath(program.path("Languages"));
    }
    void TearDown() override
    {
        about.reset();
        nastaveni.reset();
        datumCas.reset();
        form.reset();
        qputenv("APPDATA", savedAppData);
    }

    /// Copies the language files that ship with the program into the program folder.
    void installShippedLanguages()
    {
        QDirIterator files(QStringLiteral(TAVEL_DATA "/Languages"), QDir::Files);
        while (files.hasNext()) {
            const QString source = files.next();
            QFile::copy(source, program.path("Languages/" + files.fileName()));
        }
    }
    void writeLanguageFile(const QString &name, const QByteArray &content)
    {
        program.write("Languages/" + name, content);
    }
    /// A small localizer file for every language, each translating the caption of "Bold" to
    /// "Bold" and the language code.
    void writeLocalizerFiles()
    {
        const std::pair<const char *, const char *> files[] = {
            {"czech.ini", "[1029]\nCommand.ToggleFontBold.Caption=Bold cs\n"},
            {"deutch.ini", "[1031]\nCommand.ToggleFontBold.Caption=Bold de\n"},
            {"french.ini", "[1036]\nCommand.ToggleFontBold.Caption=Bold fr\n"},
            {"italian.ini", "[1040]\nCommand.ToggleFontBold.Caption=Bold it\n"},
            {"polish.ini", "[1045]\nCommand.ToggleFontBold.Caption=Bold pl\n"},
            {"spanish.ini", "[1034]\nCommand.ToggleFontBold.Caption=Bold es\n"},
            {"slovak.ini", "[1051]\nCommand.ToggleFontBold.Caption=Bold sk\n"},
            {"russian.ini", "[1049]\nCommand.ToggleFontBold.Caption=Bold ru\n"},
        };
        for (const auto &[name, content] : files)
            writeLanguageFile(QString::fromLatin1(name), content);
    }
    void writeSettings(const QByteArray &content)
    {
        QDir().mkpath(appData.path("TAVEL Editor"));
        appData.write("TAVEL Editor/settings.ini", content);
    }

    /// The program entry up to the message loop; nothing is shown.
    TForm1 &create(const QStringList &arguments = {})
    {
        form = std::make_unique<TForm1>(dialogs, QStringList{"tavel-editor"} + arguments);
        form->setProgramFolder(program.root());
        datumCas = std::make_unique<TfDatumCas>();
        datumCas->setEditor(form->dxRichEditControl1);
        form->attachWindows(datumCas.get(), nullptr, nullptr);
        ui::guarded(dialogs, [this] { form->PrelozDoAnglictiny(); });
        nastaveni = std::make_unique<TfNastaveni>(*form->dxRichEditControl1);
        about = std::make_unique<Tfoaplikaci>();
        form->attachWindows(datumCas.get(), nastaveni.get(), about.get());
        return *form;
    }

    /// The program entry and the first showing of the main window.
    TForm1 &start(const QStringList &arguments = {})
    {
        create(arguments);
        form->show();
        QApplication::processEvents();
        return *form;
    }

    richedit::RichEditControl &editor() { return *form->dxRichEditControl1; }
    const richedit::Section &firstSection() { return editor().document().section(0); }
};
