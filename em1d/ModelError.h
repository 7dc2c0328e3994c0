// The error of every refusal in the modelling library: a bad earth, a bad
// system, a time or period that cannot be modelled. Its message is one line.
#pragma once

#include <stdexcept>

namespace em1d {

class ModelError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

} // namespace em1d
