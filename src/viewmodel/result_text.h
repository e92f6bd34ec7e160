// The text of the result alert after a batch rename. Internal to the view model.
#pragma once

#include <string>

#include "engine/rename_engine.h"

namespace vellumix::detail {

// Without failures: "✅ 3 file(s) renamed successfully."
// With failures, one line per failure in the engine's order and no line feed
// after the last:
//   "✅ 2 renamed.\n❌ 1 error(s):\n• a2.txt: “a.txt” already exists."
// Counts are plain decimal digits, without grouping.
std::string renameResultText(const RenameResult& result);

}  // namespace vellumix::detail
