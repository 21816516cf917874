#pragma once

#include <QString>

namespace shell {

/// Show commands of `ShellExecute`. The desktop opener has no say over the new window's
/// state; the values are kept so that callers state what they ask for.
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;

/// Result codes in the Windows shell's convention: anything above 32 is success.
inline constexpr int ShellSuccess = 42;
inline constexpr int SE_ERR_FNF = 2;          // the file does not exist
inline constexpr int SE_ERR_ACCESSDENIED = 5; // the file may not be read
inline constexpr int ERROR_BAD_FORMAT = 11;   // the opener did not understand the request
inline constexpr int SE_ERR_DDEFAIL = 29;     // the program that was found failed
inline constexpr int SE_ERR_NOASSOC = 31;     // nothing is registered to open it

inline bool shellSucceeded(int result) { return result > 32; }

/// Hands a web address, "mailto:" link or file to the program the desktop has registered
/// for it, like the Windows shell's ShellExecute.
class Shell {
public:
    virtual ~Shell() = default;
    /// `operation` is "open" or empty (the default action); other verbs are not supported
    /// and give SE_ERR_NOASSOC. Returns a code above 32 on success.
    virtual int ShellExecute(const QString &operation, const QString &file, int showCommand) = 0;
};

} // namespace shell
