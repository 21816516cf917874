#pragma once

#include <QDateTime>

#include <functional>

namespace commands {

/// Where the date-and-time commands read "now"; tests pass a fixed instant.
using Clock = std::function<QDateTime()>;

/// The local date and time of the system clock.
inline QDateTime systemClock()
{
    return QDateTime::currentDateTime();
}

} // namespace commands
