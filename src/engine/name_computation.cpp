#include "engine/rename_engine.h"

namespace vellumix {

// Placeholder until name computation lands.
std::string RenameEngine::compute(const RenameConfig& config, const FileItem& file,
                                  std::int64_t index) {
    return compute(config, file, index, std::chrono::system_clock::now());
}

std::string RenameEngine::compute(const RenameConfig&, const FileItem& file, std::int64_t,
                                  std::chrono::system_clock::time_point) {
    return file.currentName();
}

}  // namespace vellumix
