#include "Localizer.h"

#include "EngineTexts.h"
#include "platform/rtl/MemIniFile.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QTranslator>

namespace localizer {
namespace {

QString contextKey(QStringView context, QStringView english)
{
    return context.toString() + QChar(0x1f) + english.toString();
}

/// Engine texts by key (folded) and by context and English.
struct TextIndex {
    QHash<QString, const EngineText *> byKey;
    QHash<QString, const EngineText *> bySource;
};

const TextIndex &textIndex()
{
    static const TextIndex index = [] {
        TextIndex built;
        for (const EngineText &text : englishTexts()) {
            built.byKey.insert(text.key.toCaseFolded(), &text);
            built.bySource.insert(contextKey(text.context, text.english), &text);
        }
        return built;
    }();
    return index;
}

} // namespace

/// Answers the engine's `tr` calls from the localizer's texts in force.
class LocalizerTranslator : public QTranslator {
public:
    explicit LocalizerTranslator(const Localizer &localizer) : m_localizer(localizer) {}

    QString translate(const char *context, const char *sourceText, const char * = nullptr, int = -1) const override
    {
        return m_localizer.translate(QString::fromUtf8(context), QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }

private:
    const Localizer &m_localizer;
};

Localizer::Localizer(QObject *parent)
    : QObject(parent), m_translator(std::make_unique<LocalizerTranslator>(*this))
{
}

Localizer::~Localizer()
{
    if (m_installed)
        QCoreApplication::removeTranslator(m_translator.get());
}

void Localizer::SetFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    const bool wasTranslating = translating();
    m_file.clear();
    m_active = false;
    selectSection();
    if (wasTranslating)
        announce();
}

void Localizer::SetActive(bool active)
{
    if (active == m_active)
        return;
    if (!active) {
        m_active = false;
        m_file.clear();
        const bool wasTranslating = m_localeFound;
        selectSection();
        if (wasTranslating)
            announce();
        return;
    }
    QFile file(m_fileName);
    if (m_fileName.isEmpty() || !QFileInfo(m_fileName).isFile() || !file.open(QIODevice::ReadOnly))
        throw rtl::FileOpenError(m_fileName, m_fileName.isEmpty() ? QStringLiteral("No file name was given.")
                                                                  : file.errorString());
    const rtl::MemIniFile ini = rtl::MemIniFile::fromUtf8(file.readAll());
    for (const QString &section : ini.sections()) {
        QHash<QString, QString> values;
        for (const QString &key : ini.keys(section))
            if (const auto value = ini.value(section, key))
                values.insert(key.toCaseFolded(), *value);
        m_file.insert(section.trimmed(), values);
    }
    m_active = true;
    if (!m_installed) {
        QCoreApplication::installTranslator(m_translator.get());
        m_installed = true;
    }
    selectSection();
    announce();
}

void Localizer::SetLocale(int localeId)
{
    const bool changes = localeId != m_locale;
    m_locale = localeId;
    const bool wasTranslating = translating();
    selectSection();
    if (changes && (wasTranslating || translating()))
        announce();
}

void Localizer::selectSection()
{
    const auto section = m_file.constFind(QString::number(m_locale));
    m_localeFound = m_active && section != m_file.cend();
    m_texts = m_localeFound ? *section : QHash<QString, QString>();
}

QString Localizer::text(const QString &key) const
{
    const QString folded = key.toCaseFolded();
    const auto translated = m_texts.constFind(folded);
    if (translated != m_texts.cend())
        return *translated;
    const EngineText *text = textIndex().byKey.value(folded);
    return text ? text->english : key;
}

QString Localizer::translate(const QString &context, const QString &english) const
{
    const EngineText *text = textIndex().bySource.value(contextKey(context, english));
    if (!text)
        return {};
    return m_texts.value(text->key.toCaseFolded());
}

void Localizer::announce()
{
    emit textsChanged();
    // QApplication hands this on to every window, and each widget to its children.
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
}

} // namespace localizer
