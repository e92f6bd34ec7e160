#include "ui/view_model_snapshot.h"

#include <QMetaObject>

namespace vellumix::ui {

ViewModelSnapshot::ViewModelSnapshot(RenameViewModel& vm, QObject* parent)
    : QObject(parent), vm_(vm), preview_(std::make_shared<const std::vector<FileItem>>()) {
    subscription_ = vm_.onWillChange([this] { scheduleRefresh(); });
    refresh();
}

void ViewModelSnapshot::scheduleRefresh() {
    if (refreshPending_) return;
    refreshPending_ = true;
    // Queued: the new value is stored only after the notification returns.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (refreshPending_) refresh();
        },
        Qt::QueuedConnection);
}

void ViewModelSnapshot::refresh() {
    refreshPending_ = false;
    auto preview = std::make_shared<const std::vector<FileItem>>(vm_.previewFiles());
    changedCount_ = vellumix::changedCount(*preview);
    preview_ = std::move(preview);
    emit refreshed();
}

}  // namespace vellumix::ui
