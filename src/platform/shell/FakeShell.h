#pragma once

#include "Shell.h"

#include <vector>

namespace shell {

/// Records what would have been opened and answers with `result`.
class FakeShell final : public Shell {
public:
    struct Call {
        QString operation;
        QString file;
        int showCommand;
    };
    std::vector<Call> calls;
    int result = ShellSuccess;

    int ShellExecute(const QString &operation, const QString &file, int showCommand) override
    {
        calls.push_back({operation, file, showCommand});
        return result;
    }
};

} // namespace shell
