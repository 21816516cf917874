#pragma once

#include "EditorCommand.h"
#include "platform/richedit/view/ViewMode.h"

namespace richedit::views {

/// Shows the print layout while it lives (page numbers are only known there) and brings
/// the view back afterwards.
class PrintLayoutScope {
public:
    explicit PrintLayoutScope(RichEditControl &control);
    ~PrintLayoutScope();
    PrintLayoutScope(const PrintLayoutScope &) = delete;
    PrintLayoutScope &operator=(const PrintLayoutScope &) = delete;

private:
    RichEditControl &m_control;
    ViewMode m_previous;
};

template <ViewMode Mode>
void switchTo(CommandContext &context, const QVariant &);
template <ViewMode Mode>
bool isIn(const CommandContext &context);

void toggleHorizontalRuler(CommandContext &context, const QVariant &);
bool isHorizontalRulerShown(const CommandContext &context);
void toggleVerticalRuler(CommandContext &context, const QVariant &);
bool isVerticalRulerShown(const CommandContext &context);

} // namespace richedit::views
