// The batch rename's moves on the drive itself. Every move names its files
// relative to its folder's handle, opened once per batch (batch_folders.h).
//
// Internal to the engine; one object serves one batch on one thread.
#pragma once

#include "engine/batch_folders.h"
#include "engine/batch_walk.h"

namespace vellumix::detail {

class DiskMoves final : public MoveSpace {
public:
    int enter(std::string_view path) override;
    [[nodiscard]] Drive drive() const override { return folder_->drive; }
    [[nodiscard]] bool isFolder(const std::string& name) override;
    std::optional<Failure> move(const std::string& from, const std::string& to) override;
    [[nodiscard]] FileIdentity identityOf(const std::string& name) override;

private:
    BatchFolders folders_;
    OpenFolder* folder_ = nullptr;
    // The last move's target, and the file there as the move saw it (if it did).
    std::string movedTo_;
    FileIdentity movedAs_;
};

}  // namespace vellumix::detail
