// RegexReplacer: Regex Replace, with the pattern compiled once per rule.
//
// Every match in the whole text is replaced as ICU's replaceAll does, with a
// template: "$1" stands for a capture group ("$0" for the whole match) and a
// backslash takes the next character literally. Matching ignores case (full
// case folding) unless case-sensitive; no other option is set. An invalid or
// empty pattern, a template that fails (a "$2" without a second group, a lone
// "$") or matching that runs past the engine's time limit leaves the text
// unchanged.
//
// Example: RegexReplacer("(\\d+)", "[$1]", false).apply("take12") == "take[12]".
//
// apply() may be called from several threads at once: the compiled pattern is
// shared read-only, and each call borrows a matcher of its own from a small
// pool (making a matcher costs more than matching a file name).
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/regex.h>
#include <unicode/unistr.h>

namespace vellumix::detail {

class RegexReplacer {
public:
    // `pattern` and `replacementTemplate` must be well-formed UTF-8.
    RegexReplacer(std::string_view pattern, std::string_view replacementTemplate,
                  bool caseSensitive);

    // `text` with every match replaced, or `text` itself when replacing fails
    // (and always when the pattern is empty or does not compile).
    // REQUIRES: `text` is well-formed UTF-8.
    std::string apply(std::string_view text) const;

private:
    // A matcher with its input and output buffers, reused from call to call.
    struct Scratch {
        std::unique_ptr<icu::RegexMatcher> matcher;
        icu::UnicodeString input;
        icu::UnicodeString replaced;
    };
    std::unique_ptr<Scratch> borrow() const;
    std::string applyWith(Scratch& scratch, std::string_view text) const;
    void giveBack(std::unique_ptr<Scratch> scratch) const;

    std::unique_ptr<const icu::RegexPattern> pattern_;
    icu::UnicodeString template_;
    mutable std::mutex poolMutex_;
    mutable std::vector<std::unique_ptr<Scratch>> pool_;
};

}  // namespace vellumix::detail
