#include "FakeDialogs.h"

namespace ui {
namespace {

// GCC 12 at -O2 wrongly reports the moved-from std::optional<QString> as maybe uninitialized.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

template <typename T>
T takeNext(std::deque<T> &queue, T fallback)
{
    if (queue.empty())
        return fallback;
    T next = std::move(queue.front());
    queue.pop_front();
    return next;
}

} // namespace

QStringList FakeDialogs::texts(Kind kind) const
{
    QStringList result;
    for (const Shown &s : shown)
        if (s.kind == kind)
            result << s.text;
    return result;
}

void FakeDialogs::message(const QString &text)
{
    shown.push_back({Kind::Message, text});
}

Answer FakeDialogs::warningYesNoCancel(const QString &text)
{
    shown.push_back({Kind::Question, text});
    return takeNext(answers, Answer::Cancel);
}

bool FakeDialogs::confirm(const QString &text)
{
    shown.push_back({Kind::Confirm, text});
    return takeNext(confirmations, false);
}

std::optional<QString> FakeDialogs::input(const QString &, const QString &prompt, const QString &)
{
    shown.push_back({Kind::Input, prompt});
    return takeNext(inputs, std::optional<QString>());
}

std::optional<FileChoice> FakeDialogs::openFile(const QString &title, const QStringList &filters, const QString &)
{
    shown.push_back({Kind::OpenFile, title});
    lastFilters = filters;
    return takeNext(openFiles, std::optional<FileChoice>());
}

std::optional<FileChoice> FakeDialogs::saveFile(const QString &title, const QStringList &filters, const QString &,
                                                const QString &)
{
    shown.push_back({Kind::SaveFile, title});
    lastFilters = filters;
    return takeNext(saveFiles, std::optional<FileChoice>());
}

void FakeDialogs::showError(const QString &text)
{
    shown.push_back({Kind::Error, text});
}

} // namespace ui
