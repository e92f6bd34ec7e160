#include "engine/rename_engine.h"

namespace vellumix {

// Placeholder until case conversion lands.
std::string RenameEngine::applyCase(CaseOption, std::string_view text) { return std::string(text); }

}  // namespace vellumix
