#pragma once

#include <stdexcept>

namespace em1d {

// Raised when a sounding cannot be inverted as asked: too few gates for the
// free parameters, a non-positive or non-finite voltage, time or error, an
// unknown parameter name. The message is one line naming what and where.
class InversionError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

} // namespace em1d
