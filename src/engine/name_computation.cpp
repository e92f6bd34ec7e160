#include "engine/name_computer.h"
#include "engine/rename_engine.h"

namespace vellumix {
namespace detail {

// Placeholder until name computation lands.
struct NameComputer::Prepared {};

NameComputer::NameComputer(const RenameConfig& config, std::chrono::system_clock::time_point)
    : config_(config) {}
NameComputer::~NameComputer() = default;

std::string NameComputer::nameFor(std::string_view currentName, std::int64_t) const {
    return std::string(currentName);
}

}  // namespace detail

std::string RenameEngine::compute(const RenameConfig& config, const FileItem& file,
                                  std::int64_t index) {
    return compute(config, file, index, std::chrono::system_clock::now());
}

std::string RenameEngine::compute(const RenameConfig& config, const FileItem& file,
                                  std::int64_t index, std::chrono::system_clock::time_point now) {
    return detail::NameComputer(config, now).nameFor(file.currentName(), index);
}

}  // namespace vellumix
