// NameComputer: one rule, prepared once, applied to many names.
//
// Building the rule's expensive parts (the compiled regular expression, the
// normalised find text) once and applying them to every file of
// a preview gives exactly the names that computing each file on its own would
// give; no user can tell the difference. Internal to the engine.
//
// A name that is not well-formed UTF-8 is returned unchanged. Texts of the
// configuration that are not well-formed UTF-8 are read with U+FFFD for each
// ill-formed sequence, so a well-formed name always computes to a well-formed
// name that ends with the name's own extension part.
//
// Immutable once built: nameFor() may be called from several threads at once.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "model/rename_config.h"

namespace vellumix::detail {

class NameComputer {
public:
    explicit NameComputer(const RenameConfig& config);
    ~NameComputer();
    NameComputer(const NameComputer&) = delete;
    NameComputer& operator=(const NameComputer&) = delete;

    // The complete new name of the file named `currentName` (its last path
    // component) at list position `index`. Add Date writes `dateText` (see
    // DateTexts); without one, the name stays as it is.
    std::string nameFor(std::string_view currentName, std::int64_t index,
                        const std::string* dateText = nullptr) const;

private:
    struct Prepared;
    RenameConfig config_;
    std::unique_ptr<Prepared> prepared_;
};

}  // namespace vellumix::detail
