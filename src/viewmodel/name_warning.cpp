#include "viewmodel/name_warning.h"

#include "model/file_url.h"

namespace vellumix {

NameWarnings nameWarnings(std::string_view currentName, std::string_view newName) {
    NameWarnings warnings;
    warnings.hides = newName.starts_with('.') && !currentName.starts_with('.');
    // The extension with its dot: ".txt" of "B.txt"; none for ".profile".
    const std::size_t dot = extensionDot(currentName);
    warnings.onlyExtension = dot != std::string_view::npos && newName == currentName.substr(dot);
    return warnings;
}

}  // namespace vellumix
