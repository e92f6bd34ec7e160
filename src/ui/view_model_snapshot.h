// ViewModelSnapshot: what the window last read from the view model.
//
// The view model notifies before it stores a new value, so nothing may read it
// from inside a notification. This object turns every burst of notifications
// into one refresh on the event loop: it then reads the view model, computes
// the preview once (not once per table cell or per view) and tells the views
// through refreshed(). The views read the preview and the counts from here and
// everything else (files, config, alert) from viewModel().
//
// Does not own the view model, which must outlive it. UI thread only.
#pragma once

#include <QObject>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/file_item.h"
#include "viewmodel/rename_view_model.h"

namespace vellumix::ui {

class ViewModelSnapshot : public QObject {
    Q_OBJECT

public:
    using Preview = std::shared_ptr<const std::vector<FileItem>>;

    // Reads `vm` at once and then after every burst of its notifications.
    explicit ViewModelSnapshot(RenameViewModel& vm, QObject* parent = nullptr);

    RenameViewModel& viewModel() const { return vm_; }

    // The preview of the files in list order, as of the last refresh; never null.
    // The vector is never changed once made, so holders may keep it.
    const Preview& preview() const { return preview_; }
    // The number of preview items whose status is changed.
    std::int64_t changedCount() const { return changedCount_; }

    // Reads the view model now and emits refreshed().
    void refresh();

signals:
    void refreshed();

private:
    void scheduleRefresh();

    RenameViewModel& vm_;
    Preview preview_;
    std::int64_t changedCount_ = 0;
    bool refreshPending_ = false;
    Subscription subscription_;
};

}  // namespace vellumix::ui
