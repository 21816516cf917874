#pragma once

#include "platform/richedit/commands/EditorCommands.h"
#include "platform/richedit/commands/EditorDialogs.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/ui/FakeDialogs.h"

#include <QTextCursor>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <deque>
#include <vector>

/// Scripted editor dialogs: each call takes the next queued answer, cancelled when none is left.
class FakeEditorDialogs final : public richedit::EditorDialogs {
public:
    std::deque<std::optional<QFont>> fonts;
    std::deque<std::optional<richedit::ParagraphSettings>> paragraphs;
    std::deque<std::optional<QSize>> tables;
    std::deque<std::optional<QString>> pictures;
    std::deque<std::optional<richedit::SymbolChoice>> symbols;
    std::deque<std::optional<richedit::HyperlinkSettings>> hyperlinks;
    std::vector<richedit::HyperlinkSettings> hyperlinkFormsShown;
    std::deque<std::optional<richedit::PageSetupSettings>> pageSetups;
    std::deque<std::optional<richedit::ColumnsSettings>> columns;
    std::deque<std::optional<richedit::LineNumbering>> lineNumberings;
    /// What the page setup dialog was opened with, on which page.
    std::vector<std::pair<richedit::PageSetupSettings, richedit::PageSetupPage>> pageSetupFormsShown;
    std::vector<richedit::ColumnsSettings> columnsFormsShown;
    QStringList openedLinks;
    int findReplaceShown = 0;
    bool lastFindWasReplace = false;
    QStringList messages;

    template <typename T>
    static std::optional<T> next(std::deque<std::optional<T>> &queue)
    {
        if (queue.empty())
            return std::nullopt;
        std::optional<T> answer = queue.front();
        queue.pop_front();
        return answer;
    }

    std::optional<QFont> fontForm(const QFont &) override { return next(fonts); }
    std::optional<richedit::ParagraphSettings> paragraphForm(const richedit::ParagraphSettings &,
                                                             richedit::MeasurementUnit) override
    {
        return next(paragraphs);
    }
    std::optional<QSize> insertTableForm() override { return next(tables); }
    std::optional<richedit::SymbolChoice> symbolForm(const QString &) override { return next(symbols); }
    std::optional<QString> pictureFile() override { return next(pictures); }
    std::optional<richedit::HyperlinkSettings> hyperlinkForm(const richedit::HyperlinkSettings &current) override
    {
        hyperlinkFormsShown.push_back(current);
        return next(hyperlinks);
    }
    void openLink(const QString &address) override { openedLinks << address; }
    void showBookmarks(richedit::RichEditControl &) override { ++bookmarkFormsShown; }
    int bookmarkFormsShown = 0;
    void showFindReplace(richedit::RichEditControl &, richedit::CommandSession &, bool replace) override
    {
        ++findReplaceShown;
        lastFindWasReplace = replace;
    }
    std::optional<richedit::PageSetupSettings> pageSetupForm(const richedit::PageSetupSettings &current,
                                                             richedit::MeasurementUnit,
                                                             richedit::PageSetupPage page) override
    {
        pageSetupFormsShown.emplace_back(current, page);
        return next(pageSetups);
    }
    std::optional<richedit::ColumnsSettings> columnsForm(const richedit::ColumnsSettings &current,
                                                         richedit::MeasurementUnit) override
    {
        columnsFormsShown.push_back(current);
        return next(columns);
    }
    std::optional<richedit::LineNumbering> lineNumberingForm(const richedit::LineNumbering &,
                                                             richedit::MeasurementUnit) override
    {
        return next(lineNumberings);
    }
    std::deque<std::optional<QString>> newPasswords;
    std::deque<std::optional<QString>> passwords;
    std::optional<QString> newPasswordForm() override { return next(newPasswords); }
    std::optional<QString> passwordForm() override { return next(passwords); }
    void information(const QString &text) override { messages << text; }
    std::deque<bool> confirmations; // Yes when none is queued
    QStringList questions;
    bool confirm(const QString &text) override
    {
        questions << text;
        if (confirmations.empty())
            return true;
        const bool answer = confirmations.front();
        confirmations.pop_front();
        return answer;
    }

    // Styles and tables.
    std::deque<std::optional<std::vector<richedit::Style>>> styleEdits;
    std::deque<std::optional<QString>> tableStyles;
    std::deque<std::optional<richedit::TableProperties>> tableProperties;
    std::vector<richedit::TableProperties> tablePropertiesShown;
    std::deque<std::optional<richedit::CellShift>> insertShifts;
    std::deque<std::optional<richedit::CellShift>> deleteShifts;
    std::deque<std::optional<QSize>> splitSizes;
    std::optional<std::vector<richedit::Style>> editStyleForm(const richedit::StyleSheet &, const QString &) override
    {
        return next(styleEdits);
    }
    std::optional<QString> tableStyleForm(const QStringList &, const QString &) override { return next(tableStyles); }
    std::optional<richedit::TableProperties> tablePropertiesForm(const richedit::TableProperties &current,
                                                                 richedit::MeasurementUnit) override
    {
        tablePropertiesShown.push_back(current);
        return next(tableProperties);
    }
    std::optional<richedit::CellShift> insertCellsForm() override { return next(insertShifts); }
    std::optional<richedit::CellShift> deleteCellsForm() override { return next(deleteShifts); }
    std::optional<QSize> splitCellsForm(const QSize &) override { return next(splitSizes); }
    int printFormsShown = 0;
    int printPreviewsShown = 0;
    bool printForm(richedit::RichEditControl &) override
    {
        ++printFormsShown;
        return false;
    }
    void printPreviewForm(richedit::RichEditControl &) override { ++printPreviewsShown; }
};

/// A control with its command registry over a document of a few paragraphs.
class CommandsTest : public ::testing::Test {
protected:
    ui::FakeDialogs dialogs;
    FakeEditorDialogs editorDialogs;
    richedit::RichEditControl control{dialogs};
    richedit::EditorCommands commands{control, editorDialogs};

    QTextDocument &story() { return *control.mainStory(); }

    /// Replaces the document by plain paragraphs, one per line of `text`, as one undo step
    /// that is then cleared from the stack.
    void setText(const QString &text)
    {
        story().setPlainText(text);
        story().clearUndoRedoStacks();
    }

    /// Selects [from, to) of the main story (a caret when equal).
    void select(int from, int to)
    {
        QTextCursor cursor(&story());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        control.setTextCursor(cursor);
    }

    QTextCharFormat formatAt(int position)
    {
        QTextCursor cursor(&story());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }

    QTextBlockFormat blockFormat(int blockNumber) { return story().findBlockByNumber(blockNumber).blockFormat(); }
};
