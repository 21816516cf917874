#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

/// A failure of a platform operation, with a message the user can read.
/// Handlers do not catch it; the handler guard shows its message.
class Error : public std::runtime_error {
public:
    explicit Error(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

} // namespace platform
