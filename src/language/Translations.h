#pragma once

#include <QString>

#include <array>

class QWidget;
namespace ribbon {
class Ribbon;
}

namespace language {

/// The elements one application of the translation table reaches.
struct TranslationTargets {
    ribbon::Ribbon *ribbon = nullptr;
    /// The date-and-time dialog, whose title is set on every application.
    QWidget *dateTimeDialog = nullptr;
    /// The About window; its rows (and the preferences rows) are skipped while it is null.
    QWidget *aboutWindow = nullptr;
    /// The preferences dialog; its rows are skipped while it is null.
    QWidget *preferences = nullptr;
    /// The five message texts, in the order of `messageKeys`.
    std::array<QString *, 5> messages{};
};

/// "Languages/translations.ini" in the program's folder (which ends with a separator).
QString translationTablePath(const QString &programFolder);

/// Applies one language's section of the translation table: every element whose key is
/// present takes the key's value (also when empty), the others keep what they show; every
/// message takes its value or its Czech default. The file is read afresh; a missing file
/// counts as empty, one that cannot be read throws `rtl::FileOpenError` before anything
/// changes.
void applyTranslations(const QString &tablePath, const QString &language, const TranslationTargets &targets);

} // namespace language
