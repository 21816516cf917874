#pragma once

#include "platform/richedit/model/Protection.h"

#include <QByteArray>
#include <QString>

namespace richedit::protection {

// Word's document protection stores no password, only a salted, iterated hash of it:
//   key   = the password's 32-bit legacy key (at most 15 characters), bytes reversed, written
//           as 8 upper-case hex digits in UTF-16LE;
//   H0    = hash(salt + key), Hn = hash(Hn-1 + n-1 as 4 bytes little-endian), spinCount times.
// Files store the algorithm either as a name ("SHA-512") or as a CryptoAPI id ("sid:14").

constexpr int spinCount = 100000;

/// The 32-bit legacy key of a password (0 for an empty one).
quint32 legacyKey(const QString &password);
/// The hash of the password with that salt and spin count; empty for an algorithm we do not know.
QByteArray passwordHash(const QString &algorithm, const QString &password, const QByteArray &salt, int spins);
/// Whether the protection's hash can be checked here.
bool canCheck(const Protection &protection);
/// Whether the password opens the protection. A protection without a hash opens with any
/// password; one whose algorithm we do not know with none.
bool checkPassword(const Protection &protection, const QString &password);
/// Read-only protection, enforced; with a password, hashed with SHA-512 and a fresh salt.
Protection readOnlyProtection(const QString &password);

} // namespace richedit::protection
