#pragma once

#include <QString>

namespace richedit {

/// What editing a protected document allows.
enum class ProtectionKind { None, ReadOnly, Comments, TrackedChanges, Forms };

/// Document protection as the file states it. The password is kept as the file's hash,
/// never as text, so that a document saved again stays protected by the same password.
struct Protection {
    ProtectionKind kind = ProtectionKind::None;
    bool enforced = false;
    QString algorithm; // "SHA-512", empty for none
    QString hash;      // base64
    QString salt;      // base64
    int spinCount = 0;

    bool operator==(const Protection &) const = default;
};

} // namespace richedit
