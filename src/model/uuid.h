// Uuid: a random (version 4) RFC 4122 identifier, drawn from the system's
// random source. A plain 128-bit value: copyable, comparable, hashable.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vellumix {

class Uuid {
public:
    // A fresh random identifier; two calls never give the same one in practice.
    Uuid();

    // Lower-case hexadecimal in the 8-4-4-4-12 form.
    std::string toString() const;
    const std::array<std::uint8_t, 16>& bytes() const { return bytes_; }

    friend bool operator==(const Uuid&, const Uuid&) = default;

private:
    std::array<std::uint8_t, 16> bytes_;
};

}  // namespace vellumix

template <>
struct std::hash<vellumix::Uuid> {
    std::size_t operator()(const vellumix::Uuid& uuid) const noexcept {
        const auto& b = uuid.bytes();
        return std::hash<std::string_view>{}(
            std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
    }
};
