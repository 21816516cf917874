#pragma once

#include "app/Unit1.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/ui/FakeDialogs.h"
#include "preferences/fNastav.h"
#include "support/TempDir.h"
#include "support/Typing.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

/// The program's windows as the program entry creates them, with scripted dialogs and the
/// settings folder in a temporary APPDATA.
class MainWindowFixture : public ::testing::Test {
protected:
    TempDir appData;
    TempDir files;
    ui::FakeDialogs dialogs;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TfNastaveni> nastaveni;
    QByteArray savedAppData = qgetenv("APPDATA");

    void SetUp() override { qputenv("APPDATA", appData.root().toUtf8()); }
    void TearDown() override
    {
        nastaveni.reset();
        form.reset();
        qputenv("APPDATA", savedAppData);
    }

    QString settingsPath() const { return appData.path("TAVEL Editor/settings.ini"); }
    QByteArray settings() const { return appData.read("TAVEL Editor/settings.ini"); }
    void writeSettings(const QByteArray &content)
    {
        QDir().mkpath(appData.path("TAVEL Editor"));
        appData.write("TAVEL Editor/settings.ini", content);
    }

    /// Creates the main window with these arguments after the program name, then the
    /// preferences dialog; does not show anything.
    TForm1 &create(const QStringList &arguments = {})
    {
        form = std::make_unique<TForm1>(dialogs, QStringList{"tavel-editor"} + arguments);
        nastaveni = std::make_unique<TfNastaveni>(*form->dxRichEditControl1);
        form->attachWindows(nullptr, nastaveni.get(), nullptr);
        return *form;
    }

    TForm1 &start(const QStringList &arguments = {})
    {
        create(arguments);
        form->show();
        QApplication::processEvents();
        return *form;
    }

    richedit::RichEditControl &editor() { return *form->dxRichEditControl1; }
    void type(const QString &text) { typeText(editor().viewport(), text); }
};
