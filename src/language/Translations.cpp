#include "Translations.h"

#include "TranslationKeys.h"
#include "platform/ribbon/Ribbon.h"
#include "platform/rtl/MemIniFile.h"
#include "platform/ui/RadioGroup.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>
#include <optional>

namespace language {
namespace {

/// Reads and sets the text of one element.
struct ElementText {
    std::function<QString()> get;
    std::function<void(const QString &)> set;
};

template <typename Object, typename Getter, typename Setter>
std::optional<ElementText> textOf(Object *object, Getter get, Setter set)
{
    if (!object)
        return std::nullopt;
    return ElementText{[object, get] { return (object->*get)(); },
                       [object, set](const QString &text) { (object->*set)(text); }};
}

std::optional<ElementText> preferencesPage(QWidget *preferences, const QString &name)
{
    auto *page = preferences->findChild<QWidget *>(name);
    auto *pages = preferences->findChild<QTabWidget *>();
    if (!page || !pages || pages->indexOf(page) < 0)
        return std::nullopt;
    return ElementText{[pages, page] { return pages->tabText(pages->indexOf(page)); },
                       [pages, page](const QString &text) { pages->setTabText(pages->indexOf(page), text); }};
}

std::optional<ElementText> radioItem(QWidget *preferences, const QString &name, int index)
{
    auto *group = preferences->findChild<ui::RadioGroup *>(name);
    if (!group)
        return std::nullopt;
    QAbstractButton *button = group->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly).value(index);
    if (!button)
        return std::nullopt;
    // Only the text changes, so the group keeps its selected item.
    return ElementText{[button] { return button->text(); },
                       [group, index](const QString &text) { group->setItemText(index, text); }};
}

std::optional<ElementText> preferencesText(QWidget *preferences, const QString &name)
{
    if (auto *button = preferences->findChild<QAbstractButton *>(name))
        return textOf(button, &QAbstractButton::text, &QAbstractButton::setText);
    return textOf(preferences->findChild<QLabel *>(name), &QLabel::text, &QLabel::setText);
}

/// The element a row names, or nullopt when its window is absent or does not hold it.
std::optional<ElementText> resolve(const TranslationKey &row, const TranslationTargets &targets)
{
    const QString name = QString::fromLatin1(row.name);
    const bool preferencesPresent = targets.aboutWindow && targets.preferences;
    switch (row.element) {
    case Element::SouborTab: {
        ribbon::RibbonTab *tab = targets.ribbon->tab(name);
        ribbon::RibbonGroup *group = targets.ribbon->group(QString::fromLatin1(row.key));
        if (!tab || !group)
            return std::nullopt;
        return ElementText{[group] { return group->caption(); }, [tab](const QString &text) { tab->setCaption(text); }};
    }
    case Element::RibbonTab:
        return textOf(targets.ribbon->tab(name), &ribbon::RibbonTab::caption, &ribbon::RibbonTab::setCaption);
    case Element::RibbonGroup:
        return textOf(targets.ribbon->group(name), &ribbon::RibbonGroup::caption, &ribbon::RibbonGroup::setCaption);
    case Element::RibbonItem:
        return textOf(targets.ribbon->item(name), &QAction::text, &QAction::setText);
    case Element::DateTimeTitle:
        return textOf(targets.dateTimeDialog, &QWidget::windowTitle, &QWidget::setWindowTitle);
    case Element::AboutLabel:
        if (!targets.aboutWindow)
            return std::nullopt;
        return textOf(targets.aboutWindow->findChild<QLabel *>(name), &QLabel::text, &QLabel::setText);
    case Element::PreferencesPage:
        return preferencesPresent ? preferencesPage(targets.preferences, name) : std::nullopt;
    case Element::PreferencesGroup:
        if (!preferencesPresent)
            return std::nullopt;
        return textOf(targets.preferences->findChild<ui::RadioGroup *>(name), &QGroupBox::title, &QGroupBox::setTitle);
    case Element::PreferencesItem:
        return preferencesPresent ? radioItem(targets.preferences, name, row.item) : std::nullopt;
    case Element::PreferencesText:
        return preferencesPresent ? preferencesText(targets.preferences, name) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

QString translationTablePath(const QString &programFolder)
{
    return programFolder + QStringLiteral("Languages/translations.ini");
}

void applyTranslations(const QString &tablePath, const QString &language, const TranslationTargets &targets)
{
    const rtl::MemIniFile table(tablePath);
    for (const TranslationKey &row : translationKeys()) {
        const std::optional<ElementText> element = resolve(row, targets);
        if (!element)
            continue;
        element->set(table.readString(language, QString::fromLatin1(row.key), element->get()));
    }
    const auto messages = messageKeys();
    for (std::size_t i = 0; i < messages.size(); ++i) {
        if (QString *message = targets.messages[i])
            *message = table.readString(language, QString::fromLatin1(messages[i].key),
                                        QString::fromUtf8(messages[i].czechDefault));
    }
}

} // namespace language
