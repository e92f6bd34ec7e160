#include "viewmodel/rename_view_model.h"

#include <utility>

#include "engine/rename_engine.h"

namespace vellumix {

// Placeholder until the view model lands.
struct RenameViewModel::Observers {
    std::vector<std::function<void()>> list;
};

Subscription::Subscription(std::function<void()> unsubscribe) : unsubscribe_(std::move(unsubscribe)) {}
Subscription::Subscription(Subscription&& other) noexcept : unsubscribe_(std::move(other.unsubscribe_)) {
    other.unsubscribe_ = nullptr;
}
Subscription& Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        reset();
        unsubscribe_ = std::move(other.unsubscribe_);
        other.unsubscribe_ = nullptr;
    }
    return *this;
}
Subscription::~Subscription() { reset(); }
void Subscription::reset() {
    if (unsubscribe_) std::exchange(unsubscribe_, nullptr)();
}

RenameViewModel::RenameViewModel() : observers_(std::make_shared<Observers>()) {}
RenameViewModel::~RenameViewModel() = default;

Subscription RenameViewModel::onWillChange(std::function<void()> observer) {
    observers_->list.push_back(std::move(observer));
    return Subscription();
}
void RenameViewModel::willChange() {
    for (auto& observer : observers_->list) observer();
}

const std::vector<FileItem>& RenameViewModel::files() const { return files_; }
void RenameViewModel::setFiles(std::vector<FileItem> files) { willChange(); files_ = std::move(files); }
void RenameViewModel::removeFiles(const std::vector<std::size_t>&) { willChange(); }
const RenameConfig& RenameViewModel::config() const { return config_; }
void RenameViewModel::setConfig(RenameConfig config) { willChange(); config_ = std::move(config); }
const std::string& RenameViewModel::alertMessage() const { return alertMessage_; }
void RenameViewModel::setAlertMessage(std::string message) { willChange(); alertMessage_ = std::move(message); }
bool RenameViewModel::showAlert() const { return showAlert_; }
void RenameViewModel::setShowAlert(bool show) { willChange(); showAlert_ = show; }
bool RenameViewModel::isProcessing() const { return isProcessing_; }
void RenameViewModel::setIsProcessing(bool processing) { willChange(); isProcessing_ = processing; }

std::vector<FileItem> RenameViewModel::previewFiles() const {
    return files_.empty() ? std::vector<FileItem>{} : RenameEngine::preview(files_, config_);
}
std::int64_t RenameViewModel::changedCount() const {
    std::int64_t count = 0;
    for (const auto& item : previewFiles()) count += item.status == FileItem::Status::changed;
    return count;
}
void RenameViewModel::addFiles(const std::vector<FileUrl>& urls) {
    willChange();
    for (const auto& url : urls) files_.emplace_back(url);
}
void RenameViewModel::addFolder(const FileUrl&) {}
void RenameViewModel::applyRename() {}

}  // namespace vellumix
