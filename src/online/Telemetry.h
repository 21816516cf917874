#pragma once

#include "UpdateCheck.h"

#include <QString>

namespace online {

/// The usage ping's address: the ping host's "/statistika/statistika.php?app=tavel&verze="
/// followed by `version` as it is.
QString telemetryAddress(const QString &pingHost, const QString &version);

/// Sends the usage ping on a detached thread and returns at once. The thread has its own
/// copy of the address, waits at most 2000 ms to connect and 2000 ms for the answer,
/// ignores the answer and swallows every error; nothing waits for it.
void SendTelemetryAsync(const OnlineEndpoints &endpoints = OnlineEndpoints::fromBuild());

} // namespace online
