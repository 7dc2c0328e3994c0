// Numbers as text, the same in every locale: the shortest text that reads
// back exactly, and a strict reader of one whole number.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace em1d {

std::string formatNumber(double value);
// The number the whole of text spells (no blanks, no trailing characters), or
// nothing. Accepts what std::from_chars does, plus a leading '+'.
std::optional<double> parseNumber(std::string_view text);

} // namespace em1d
