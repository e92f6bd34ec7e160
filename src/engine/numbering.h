// Add Numbering: the sequence number of a file and its decimal text.
#pragma once

#include <cstdint>
#include <string>

namespace vellumix::detail {

// start + index × step. Defined for every input: the arithmetic wraps around
// in two's complement instead of overflowing.
// Example: sequenceNumber(10, 5, 2) == 20.
std::int64_t sequenceNumber(std::int64_t start, std::int64_t step, std::int64_t index);

// `value` as printf's "%0<padding>d" would write it, without ever building a
// format: decimal digits, at least `padding` characters filled with leading
// zeros after any minus sign ("-05" for -5 and 3), never cut. A padding of 0
// or 1 gives the plain number. A negative padding left-justifies and fills
// with trailing spaces to its magnitude ("%0-4d": "7   "). The width is
// capped at 255 either way, the longest file name there can be.
// Example: formatNumber(3, 2) == "03"; formatNumber(123, 2) == "123".
std::string formatNumber(std::int64_t value, std::int64_t padding);

}  // namespace vellumix::detail
