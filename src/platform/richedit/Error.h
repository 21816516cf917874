#pragma once

#include "platform/rtl/Error.h"

namespace richedit {

/// A document that could not be read or written; the message names the file and the fault.
class Error : public platform::Error {
public:
    using platform::Error::Error;
};

} // namespace richedit
