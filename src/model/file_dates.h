// FileDates: when a file last changed and when it was taken, as read from it
// once (the view model reads them off the UI thread). A plain value.
#pragma once

#include <chrono>
#include <optional>

namespace vellumix {

struct FileDates {
    using Time = std::chrono::system_clock::time_point;

    // When its contents last changed; none when the file could not be read
    // (gone, not allowed).
    std::optional<Time> modified;
    // When the photo was taken, by its own metadata; none when it holds none.
    std::optional<Time> taken;

    friend bool operator==(const FileDates&, const FileDates&) = default;
};

}  // namespace vellumix
