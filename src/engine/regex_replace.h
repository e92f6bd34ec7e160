// RegexReplacer: Regex Replace, with the pattern compiled once per rule.
//
// Every match in the whole text is replaced by a template in which a "$"
// followed by digits stands for a capture group ("$0" for the whole match) and
// a backslash takes the next character literally (one at the very end stands
// for itself); any other "$" is a dollar sign ("US$", "${x}"). A "$" takes
// digits as long as they still name a group of the pattern ("$12" with one
// group is group 1, then "2"); a group the pattern lacks ("$2" with one group),
// like one that took no part in the match, stands for nothing. Matching ignores
// case (full case folding) unless case-sensitive; no other option is set. An
// invalid or empty pattern, or matching that runs past the engine's time
// limit, leaves the text unchanged.
//
// Example: RegexReplacer("(\\d+)", "[$1]", false).apply("take12") == "take[12]".
//
// apply() may be called from several threads at once: the compiled pattern is
// shared read-only, and each call borrows a matcher of its own from a small
// pool (making a matcher costs more than matching a file name).
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/parseerr.h>
#include <unicode/regex.h>
#include <unicode/unistr.h>

namespace vellumix::detail {

// `pattern` compiled with the options of Regex Replace, or null with `status`
// and `parseError` telling why it does not compile. An empty pattern compiles.
// REQUIRES: `pattern` is well-formed UTF-8 (else each ill-formed sequence is
// read as U+FFFD).
std::unique_ptr<icu::RegexPattern> compilePattern(std::string_view pattern, bool caseSensitive,
                                                  UParseError& parseError, UErrorCode& status);

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

    // The template, read once: pieces of literal text and the capture groups
    // between them.
    struct TemplatePiece {
        icu::UnicodeString literal;  // used when group < 0
        std::int32_t group = -1;
    };
    static std::vector<TemplatePiece> readTemplate(const icu::UnicodeString& text,
                                                   std::int32_t groupCount);

    std::unique_ptr<const icu::RegexPattern> pattern_;
    std::vector<TemplatePiece> template_;
    mutable std::mutex poolMutex_;
    mutable std::vector<std::unique_ptr<Scratch>> pool_;
};

}  // namespace vellumix::detail
