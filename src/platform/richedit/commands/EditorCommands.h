#pragma once

#include "EditorCommand.h"

#include <QObject>
#include <QAnyStringView>
#include <QPointer>

#include <span>

class QTextDocument;

namespace richedit {

/// The registry of the editor's commands by name, bound to one control. The ribbon and the
/// keyboard run commands and read their states through it.
class EditorCommands : public QObject {
    Q_OBJECT
public:
    EditorCommands(RichEditControl &control, EditorDialogs &dialogs, QObject *parent = nullptr);

    /// Every command the editor knows, those that cannot run yet included.
    static std::span<const EditorCommand> all();
    /// The command of that name, or null.
    static const EditorCommand *find(QAnyStringView name);

    bool isEnabled(const EditorCommand &command) const;
    bool isChecked(const EditorCommand &command) const;
    QVariant value(const EditorCommand &command) const;
    /// Runs the command when it is enabled; errors are thrown to the caller's guard.
    void execute(const EditorCommand &command, const QVariant &argument = {});

    /// Convenience by name, for program code and tests; an unknown name is a programming error.
    bool isEnabled(QAnyStringView name) const;
    bool isChecked(QAnyStringView name) const;
    void execute(QAnyStringView name, const QVariant &argument = {});

    CommandSession &session() { return m_session; }
    /// The spell checker of the spelling commands.
    void setSpellChecker(spellchecker::SpellChecker *checker) { m_session.spellChecker = checker; }
    RichEditControl &control() { return m_control; }

signals:
    /// Something the commands' states depend on may have changed: the selection, the text,
    /// the undo stack, the clipboard, the zoom or the document itself.
    void stateChanged();

private:
    const EditorCommand &require(QAnyStringView name) const;
    void followStory();

    RichEditControl &m_control;
    EditorDialogs &m_dialogs;
    CommandSession m_session;
    QPointer<QTextDocument> m_story;
};

} // namespace richedit
