// ViewModelSnapshot: what the window last read from the view model.
//
// The view model notifies before it stores a new value, so nothing may read it
// from inside a notification. This object turns every burst of notifications
// into one refresh on the event loop: it then reads the view model, computes
// the preview once (not once per table cell or per view) and tells the views
// through refreshed(). The views read the preview and the counts from here and
// everything else (files, config, alert) from viewModel().
//
// Each new revision's preview is handed to the view model to be foreseen; when
// its foresight comes in, the marks of the rows (renames that will fail, see
// viewmodel/preview_marks.h) are made anew and foresightArrived() tells the
// views that show them. The preview itself is not computed again for that.
//
// Does not own the view model, which must outlive it. UI thread only.
#pragma once

#include <QObject>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/file_item.h"
#include "viewmodel/preview_marks.h"
#include "viewmodel/rename_view_model.h"

namespace vellumix::ui {

class ViewModelSnapshot : public QObject {
    Q_OBJECT

public:
    using Preview = std::shared_ptr<const std::vector<FileItem>>;
    using Marks = std::shared_ptr<const PreviewMarks>;

    // Reads `vm` at once and then after every burst of its notifications.
    explicit ViewModelSnapshot(RenameViewModel& vm, QObject* parent = nullptr);

    RenameViewModel& viewModel() const { return vm_; }

    // The preview of the files in list order, as of the last refresh; never null.
    // The vector is never changed once made, so holders may keep it.
    const Preview& preview() const { return preview_; }
    // The number of preview items whose status is changed.
    std::int64_t changedCount() const { return changedCount_; }
    // The marks of the preview's rows, made once its foresight has come in
    // (until then none is marked); never null, never of another preview.
    const Marks& marks() const { return marks_; }

    // Reads the view model now and emits refreshed().
    void refresh();

signals:
    void refreshed();
    // The foresight of the preview came in: marks() is new, preview() is not.
    void foresightArrived();

private:
    void scheduleRefresh();
    void takeForesight();

    RenameViewModel& vm_;
    Preview preview_;
    std::int64_t changedCount_ = 0;
    Marks marks_;
    std::uint64_t foreseenRevision_ = 0;
    bool foreseeing_ = false;  // inside the view model's foresee()
    bool refreshPending_ = false;
    Subscription subscription_;
    Subscription foresightSubscription_;
};

}  // namespace vellumix::ui
