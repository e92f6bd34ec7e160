// Runs a piece of a test without root's power over permissions. Tests of
// read-only or unreadable folders mean nothing under root (as CI runs them),
// so there the piece runs in a forked child that has become the user and group
// nobody (65534); otherwise it simply runs here. The folders on the way to the
// files must let nobody in (0755) when the test runs as root.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vellumix::testing {

struct Unprivileged {
    bool ran = false;        // false when the child could not drop root
    std::string output;      // what `body` returned
    std::string skipReason;  // why it did not run
};

Unprivileged runUnprivileged(const std::function<std::string()>& body);

// Runs `body` in a forked child (whose limits it may change freely) and
// returns what it returned; nothing when the child could not be started or
// reported nothing.
std::optional<std::string> runInChild(const std::function<std::string()>& body);

}  // namespace vellumix::testing
