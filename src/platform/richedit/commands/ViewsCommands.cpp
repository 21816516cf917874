#include "ViewsCommands.h"

#include "platform/richedit/view/RichEditControl.h"
#include "platform/richedit/view/Rulers.h"

namespace richedit::views {

PrintLayoutScope::PrintLayoutScope(RichEditControl &control) : m_control(control), m_previous(control.viewMode())
{
    control.setViewMode(ViewMode::PrintLayout);
}

PrintLayoutScope::~PrintLayoutScope()
{
    m_control.setViewMode(m_previous);
}

template <ViewMode Mode>
void switchTo(CommandContext &context, const QVariant &)
{
    context.control.setViewMode(Mode);
}

template <ViewMode Mode>
bool isIn(const CommandContext &context)
{
    return context.control.viewMode() == Mode;
}

template void switchTo<ViewMode::PrintLayout>(CommandContext &, const QVariant &);
template void switchTo<ViewMode::Draft>(CommandContext &, const QVariant &);
template void switchTo<ViewMode::Simple>(CommandContext &, const QVariant &);
template bool isIn<ViewMode::PrintLayout>(const CommandContext &);
template bool isIn<ViewMode::Draft>(const CommandContext &);
template bool isIn<ViewMode::Simple>(const CommandContext &);

void toggleHorizontalRuler(CommandContext &context, const QVariant &)
{
    Rulers &rulers = Rulers::of(context.control);
    rulers.setHorizontalShown(!rulers.isHorizontalShown());
}

bool isHorizontalRulerShown(const CommandContext &context)
{
    return Rulers::of(context.control).isHorizontalShown();
}

void toggleVerticalRuler(CommandContext &context, const QVariant &)
{
    Rulers &rulers = Rulers::of(context.control);
    rulers.setVerticalShown(!rulers.isVerticalShown());
}

bool isVerticalRulerShown(const CommandContext &context)
{
    return Rulers::of(context.control).isVerticalShown();
}

} // namespace richedit::views
