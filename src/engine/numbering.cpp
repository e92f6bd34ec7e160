#include "engine/numbering.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace vellumix::detail {
namespace {

constexpr std::int64_t kMaxWidth = 255;

}  // namespace

std::int64_t sequenceNumber(std::int64_t start, std::int64_t step, std::int64_t index) {
    // Unsigned arithmetic is defined modulo 2^64, and converting back to a
    // signed type is defined as two's complement (C++20), so any start, step
    // and index give a number, wrapped around where it overflows.
    const std::uint64_t wrapped =
        static_cast<std::uint64_t>(start) +
        static_cast<std::uint64_t>(index) * static_cast<std::uint64_t>(step);
    return static_cast<std::int64_t>(wrapped);
}

std::string formatNumber(std::int64_t value, std::int64_t padding) {
    char buffer[24];  // "-9223372036854775808" has 20 characters
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    const std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    const std::int64_t width = std::clamp(padding, -kMaxWidth, kMaxWidth);
    const auto length = static_cast<std::int64_t>(digits.size());

    std::string out;
    if (width < 0) {  // left-justified: the zero flag does not apply
        out = digits;
        out.append(static_cast<std::size_t>(std::max<std::int64_t>(-width - length, 0)), ' ');
        return out;
    }
    // The sign, then the zeros that fill the width, then the digits, in one allocation.
    const std::size_t sign = value < 0 ? 1 : 0;
    const auto zeros = static_cast<std::size_t>(std::max<std::int64_t>(width - length, 0));
    out.assign(digits.size() + zeros, '0');
    if (sign != 0) out[0] = '-';
    std::copy(digits.begin() + static_cast<std::ptrdiff_t>(sign), digits.end(),
              out.begin() + static_cast<std::ptrdiff_t>(sign + zeros));
    return out;
}

}  // namespace vellumix::detail
