#include "CommandTexts.h"

#include "commands/RibbonDefinition.h"
#include "platform/localizer/EngineTexts.h"
#include "platform/localizer/Localizer.h"
#include "platform/ribbon/Ribbon.h"

namespace language {

void applyCommandTexts(ribbon::Ribbon &ribbon, const localizer::Localizer &localizer)
{
    for (const commands::RibbonEntry &entry : commands::ribbonDefinition()) {
        if (entry.row != commands::RowKind::Item || entry.binding != commands::Binding::Command)
            continue;
        ribbon::RibbonItem *item = ribbon.item(QString::fromUtf8(entry.name));
        if (!item)
            continue;
        const QString command = QString::fromLatin1(entry.target);
        if (!entry.caption)
            item->setText(localizer.text(localizer::commandCaptionKey(command)));
        if (!entry.hint)
            item->setHint(localizer.text(localizer::commandHintKey(command)));
    }
}

} // namespace language
