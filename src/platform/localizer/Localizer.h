#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

namespace localizer {

class LocalizerTranslator;

/// Translates the engine's own texts from a localizer file: an INI file with one section per
/// Windows locale id ("[1031]") and one key per engine text (see `englishTexts`).
///
/// Setting a different file name drops what was loaded and leaves the localizer inactive;
/// activating it loads the file (a missing or unreadable file throws `rtl::FileOpenError` and
/// the localizer stays inactive); the locale picks the file's section of that id, and when
/// the localizer is inactive or the file has no such section the built-in English is in force.
///
/// While active it serves the engine's `tr` calls, and every change of the texts in force is
/// announced at once: `textsChanged` for program code, and a language change event to every
/// window so that open dialogs retranslate themselves.
class Localizer : public QObject {
    Q_OBJECT
public:
    explicit Localizer(QObject *parent = nullptr);
    ~Localizer() override;

    QString FileName() const { return m_fileName; }
    void SetFileName(const QString &fileName);

    bool Active() const { return m_active; }
    void SetActive(bool active);

    int Locale() const { return m_locale; }
    void SetLocale(int localeId);

    /// Whether the texts in force come from the file rather than the built-in English.
    bool translating() const { return m_active && m_localeFound; }
    /// The text of a key in force; the built-in English when the file does not translate it,
    /// the key itself for a key the engine does not know.
    QString text(const QString &key) const;
    /// The translation of an English text asked for in a context, or a null string.
    QString translate(const QString &context, const QString &english) const;

signals:
    void textsChanged();

private:
    void selectSection();
    void announce();

    QString m_fileName;
    bool m_active = false;
    int m_locale = 0;
    bool m_localeFound = false;
    /// Every section of the loaded file: locale id text -> folded key -> value.
    QHash<QString, QHash<QString, QString>> m_file;
    /// The section in force, by folded key.
    QHash<QString, QString> m_texts;
    std::unique_ptr<LocalizerTranslator> m_translator;
    bool m_installed = false;
};

} // namespace localizer
