#include "ui/view_model_snapshot.h"

#include <QMetaObject>

namespace vellumix::ui {

ViewModelSnapshot::ViewModelSnapshot(RenameViewModel& vm, QObject* parent)
    : QObject(parent), vm_(vm), preview_(std::make_shared<const std::vector<FileItem>>()) {
    subscription_ = vm_.onWillChange([this] { scheduleRefresh(); });
    foresightSubscription_ = vm_.onForesight([this] {
        // A foresight worked out at once arrives inside foresee(); refresh() takes it.
        if (foreseeing_) return;
        takeForesight();
        emit foresightArrived();
    });
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
    // Writes that keep the list and the configuration (the alert, the
    // processing flag) keep the foresight too: nothing is foreseen again.
    if (const std::uint64_t revision = vm_.revision(); revision != foreseenRevision_ || !marks_) {
        foreseenRevision_ = revision;
        foreseeing_ = true;
        vm_.foresee(revision, preview_);
        foreseeing_ = false;
    }
    takeForesight();
    emit refreshed();
}

void ViewModelSnapshot::takeForesight() {
    // The view model's foresight is of its current revision, which is the
    // preview's unless a refresh is still to come.
    std::shared_ptr<const RenameResult> foresight;
    if (vm_.revision() == foreseenRevision_) foresight = vm_.foresight();
    // Until it comes in, no row is marked: the keystroke pays nothing for the marks.
    static const auto unmarked = std::make_shared<const PreviewMarks>();
    marks_ = foresight
                 ? std::make_shared<const PreviewMarks>(marksOf(*preview_, std::move(foresight)))
                 : unmarked;
}

}  // namespace vellumix::ui
