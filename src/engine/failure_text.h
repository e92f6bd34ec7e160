// The sentence that tells the user why a file could not be renamed.
//
// Each failure kind has one English template, written once (failure_text.cpp):
// "%1" stands for the name the sentence speaks of and "%2" for the system's
// description of the error (for a file left under a temporary name, that
// name). An application that speaks the user's language installs a
// translation of the templates once, before any rename; the names are then
// put into the translated template. The core stays free of any translation
// framework.
#pragma once

#include <string>

#include "engine/failure.h"

namespace vellumix {

// The English template of `kind`'s sentence. Example: alreadyExists ->
// "“%1” already exists.".
[[nodiscard]] const char* failureTemplate(FailureKind kind);

// The sentence for `failure` made from `sentenceTemplate` (`failure.kind`'s
// template or a translation of it) in one pass: each "%1" becomes the name the
// sentence speaks of (the new name or the current one), each "%2" the system's
// description of the error. The names go in byte for byte; a "%2" inside a
// name stays as it is.
[[nodiscard]] std::string fillInFailure(const std::string& sentenceTemplate,
                                        const Failure& failure);

// `englishTemplate`, one of the templates marked for translation in the
// "FailureText" context, in the installed translation (English by default).
[[nodiscard]] std::string translatedTemplate(const char* englishTemplate);

// The sentence in English.
[[nodiscard]] std::string englishFailureText(const Failure& failure);

// The template in the user's language. Must be safe to call from any thread.
using FailureTranslation = std::string (*)(const char* englishTemplate);

// Installs `translation` for every later failure sentence; nullptr restores English.
void setFailureTranslation(FailureTranslation translation);

// The sentence for `failure`, in the installed translation (English by default).
[[nodiscard]] std::string failureText(const Failure& failure);

}  // namespace vellumix
