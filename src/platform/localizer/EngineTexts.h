#pragma once

#include <QString>

#include <vector>

namespace localizer {

/// One text the engine shows: the key under which localizer files translate it, the
/// translation context in which the engine asks for it (`QCoreApplication::translate` or
/// `tr`), and its built-in English.
struct EngineText {
    QString key;
    QString context;
    QString english;
};

/// Every text of the engine with its built-in English: the captions and hints of the editor's
/// commands, the texts of the engine's dialogs, and the standard texts of the controls it is
/// built from (context menus, the font dialog, dialog buttons). Keys are unique.
const std::vector<EngineText> &englishTexts();

/// The key of a command's caption and of its hint.
QString commandCaptionKey(const QString &command);
QString commandHintKey(const QString &command);

/// The context in which the engine asks for command captions and hints.
inline constexpr const char *commandContext = "EditorCommand";

} // namespace localizer
