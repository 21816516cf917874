#pragma once

#include "platform/richedit/view/RichEditControl.h"
#include "platform/ui/FakeDialogs.h"

#include <QTextDocument>

#include <gtest/gtest.h>

/// A fresh editor per test, with helpers to fill the main story and place the selection.
class EditorFixture : public ::testing::Test {
protected:
    ui::FakeDialogs dialogs;
    richedit::RichEditControl editor{dialogs};

    QTextDocument &story() { return *editor.mainStory(); }
    QString text() { return story().toPlainText(); }

    void setText(const QString &text) { story().setPlainText(text); }

    /// Selects from `anchor` to `position` (the active end); equal values place the caret.
    void select(int anchor, int position)
    {
        QTextCursor cursor(&story());
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
    }

    QString selectedText() { return editor.textCursor().selectedText(); }
};
