// RenameViewModel: the one state object behind the main window.
//
// It owns the list of files and the rule configuration, derives the live
// preview, the count of files that would change and what is wrong with a Regex
// Replace pattern, foresees what the rename would do, takes in files and
// folders, applies the rename and holds the result alert's state.
//
// Change notification: every write of one of the five stored properties calls
// every observer once, before the new value is stored (an observer that reads
// the property sees the old value), also when the new value equals the old one.
//
// Thread: the UI thread only. Not copyable, not movable (observers refer to it).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/batch_undo.h"
#include "engine/file_order.h"
#include "engine/pattern_error.h"
#include "model/file_item.h"
#include "model/file_url.h"
#include "model/rename_config.h"
#include "viewmodel/batch_runner.h"
#include "viewmodel/foresight_worker.h"
#include "viewmodel/listed_urls.h"
#include "viewmodel/result_report.h"

namespace vellumix {

// A registration of one observer. Destroying (or resetting) it unsubscribes.
// Move-only; it may outlive the view model it came from.
class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> unsubscribe);
    Subscription(Subscription&& other) noexcept;
    Subscription& operator=(Subscription&& other) noexcept;
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription();

    // Unsubscribes now; afterwards the handle is empty.
    void reset();

private:
    std::function<void()> unsubscribe_;
};

class RenameViewModel {
public:
    RenameViewModel();
    ~RenameViewModel();
    RenameViewModel(const RenameViewModel&) = delete;
    RenameViewModel& operator=(const RenameViewModel&) = delete;

    // objectWillChange: `observer` runs once for every write of a stored property,
    // before the new value is stored. Destroying the Subscription unsubscribes.
    [[nodiscard]] Subscription onWillChange(std::function<void()> observer);

    const std::vector<FileItem>& files() const;
    void setFiles(std::vector<FileItem> files);
    // Removes the items at `positions` (0-based, any order; out-of-range and
    // repeated positions are ignored) in one edit with one notification.
    void removeFiles(const std::vector<std::size_t>& positions);

    // The list in the order the user means (Add Numbering numbers in it).
    // Each is one edit with one notification, and the items keep their ids;
    // the list is never sorted by itself (files added later go at the end).
    // Sorts the list; sizes and dates modified are read from the files now.
    // A sort by date taken waits for the files' dates (see datesReading) and
    // comes in with them, unless the list is put in another order first.
    void sortFiles(FileSort sort);
    // Moves the items at `positions` (any order; out-of-range and repeated
    // ones ignored), in their list order, to stand before the item now at
    // `before` (files().size() or more: at the end).
    void moveFiles(const std::vector<std::size_t>& positions, std::size_t before);
    // The order the list was last sorted in, while no edit has changed the
    // list since; nothing otherwise.
    std::optional<FileSort> sortedBy() const;

    const RenameConfig& config() const;
    void setConfig(RenameConfig config);

    // The result alert's text. Setting it makes it the report's whole summary.
    const std::string& alertMessage() const;
    void setAlertMessage(std::string message);
    // The same text as data: the counts and each failure's line. alertMessage()
    // is always resultReport().message(); they are written together.
    const ResultReport& resultReport() const;
    void setResultReport(ResultReport report);

    bool showAlert() const;
    void setShowAlert(bool show);

    bool isProcessing() const;
    void setIsProcessing(bool processing);

    // Derived on every read: the engine's preview of files() under config()
    // (empty without asking the engine when there are no files).
    std::vector<FileItem> previewFiles() const;
    // The number of items of previewFiles() whose status is changed.
    std::int64_t changedCount() const;
    // Derived on every read: why the Find pattern does not compile while the
    // rule is Regex Replace (the names then stay as they are); none while it
    // compiles or is empty, and under every other rule.
    std::optional<PatternError> patternError() const;

    // Appends the URLs not yet listed, sorted by file name, as pending items;
    // one notification, also when nothing is added.
    void addFiles(const std::vector<FileUrl>& urls);
    // Lists `folder` shallowly (no hidden entries, no directories) and adds its
    // files. A folder that cannot be listed changes nothing and notifies nobody.
    void addFolder(const FileUrl& folder);
    // Renames on disk every file whose name changes, rebuilds the list and
    // raises the result alert.
    void applyRename();

    // Undo and redo of the batches applied since the program started, newest
    // first; a batch applied after an undo drops what could have been redone.
    // Each moves its files with the rename's own care, then updates the list
    // items that were moved, in place, and raises the result alert.
    bool canUndoRename() const;
    bool canRedoRename() const;
    void undoRename();  // moves every file of the last applied batch back
    void redoRename();  // moves them again to the names the batch gave them
    // How many files the next undo (redo) would move; 0 when there is none.
    std::int64_t filesToUndo() const;
    std::int64_t filesToRedo() const;

    // Long batches: the rename, undo and redo above, made on a thread of
    // their own once setBatchPost has been given a post function. Each call
    // returns at once; isProcessing() stays true until the batch ends, and its
    // result then comes in as the call above would leave it (the list, the
    // history, the alert). Without a post function each runs at once. A call
    // while a batch runs, or with nothing to undo (redo), does nothing.
    void startRename();
    void startUndoRename();
    void startRedoRename();
    // Stops the running batch before its next move: the moves made stay made
    // (and can be undone), and the alert counts the files not attempted.
    void cancelBatch();
    // How far the running batch has come; nothing while none runs.
    struct BatchStatus {
        std::int64_t started = 0;  // files whose turn has come, the one being moved included
        std::int64_t total = 0;    // files the batch is to move
        std::string currentName;   // the name of the file being moved, or "" before the first
        bool cancelled = false;    // a cancel was asked for
    };
    std::optional<BatchStatus> batchStatus() const;
    // Makes batches run on a thread of their own; `post` must run the
    // function it is given later on this view model's thread. Setting
    // another (or none) cancels a batch under way and waits for it; its
    // result is then dropped.
    void setBatchPost(BatchRunner::Post post);

    // Dates from the files, for Add Date from Date Modified or Date Taken and
    // the sorts by date: read once per file, when first needed and for files
    // added afterwards, on a thread of their own once setDatesPost has been
    // given a post function (at once without). They come in as one write of
    // files(), each item's `dates` filled in; until then Add Date leaves the
    // item's name as it is.
    struct DatesReading {
        std::int64_t read = 0;   // files whose dates have been read
        std::int64_t total = 0;  // files being read
    };
    // How far the reading has come; nothing while none runs.
    std::optional<DatesReading> datesReading() const;
    // Makes dates be read on a thread of their own; `post` must run the
    // function it is given later on this view model's thread. Setting
    // another (or none) stops a reading under way; its dates are dropped.
    void setDatesPost(DatesReader::Post post);

    // Foresight: what applyRename() would do, known before the click.
    // The revision of files() and config(): it grows with every write of either.
    std::uint64_t revision() const;
    // Asks for the foresight of `preview`, which is previewFiles() as of
    // `revision`. With a post function set, it is worked out on a thread of
    // its own and comes in later; without, at once, the folders read anew.
    void foresee(std::uint64_t revision, std::shared_ptr<const std::vector<FileItem>> preview);
    // The foresight of the current revision, or null while there is none: a
    // foresight made for an older list or configuration is never returned.
    std::shared_ptr<const RenameResult> foresight() const;
    // Reads the folders again and foresees the last preview anew, as when the
    // window regains focus: files may have changed behind the program's back.
    void refreshFolders();
    // `observer` runs each time a foresight comes in. It is no stored
    // property: onWillChange observers are not told.
    [[nodiscard]] Subscription onForesight(std::function<void()> observer);
    // Makes foresight work on a thread of its own; `post` must run the
    // function it is given later on this view model's thread.
    void setForesightPost(ForesightWorker::Post post);

private:
    struct Observers;
    static Subscription subscribe(const std::shared_ptr<Observers>& observers,
                                  std::function<void()> observer);
    static void notify(const Observers& observers);
    void willChange();
    void changeRevision();
    void takeForesight(std::uint64_t revision, std::shared_ptr<const RenameResult> foresight);
    using History = std::vector<std::vector<MovedFile>>;
    // How a batch is run: here and now, or on the runner's thread when there is one.
    enum class Run { atOnce, onItsThread };
    // Runs `batch`, then `finish`; the other two tell its progress.
    void runBatch(Run run, std::int64_t total, std::function<std::string(std::size_t)> nameAt,
                  BatchRunner::Work batch, std::function<void(const RenameResult&)> finish);
    void rename(Run run);
    void replayLast(Run run, History& from, History& to);
    void takeRename(const RenameResult& result);
    void takeReplay(History& from, History& to, const std::vector<MovedFile>& batch,
                    const RenameResult& result);
    void takeMoves(const RenameResult& result);
    // Starts reading the dates of the files that have none, when something
    // needs them and no reading runs.
    void readDatesIfNeeded();
    void takeDates(const std::vector<Uuid>& ids, std::vector<FileDates> dates);
    void sortNow(FileSort sort);

    std::vector<FileItem> files_;
    ListedUrls listed_;  // an index of files_, kept up to date by every write of it
    std::optional<FileSort> sortedBy_;  // reset by every other write of files_
    std::optional<FileSort> sortWaitingForDates_;
    RenameConfig config_;
    std::string alertMessage_;
    ResultReport resultReport_;
    bool showAlert_ = false;
    bool isProcessing_ = false;
    std::shared_ptr<Observers> observers_;

    // The batches that can be undone (oldest first) and redone (the next
    // last), each kept as the moves that undo (redo) it.
    History undoable_;
    History redoable_;

    // The running batch: its size and the name of the file at a position of it.
    std::int64_t batchTotal_ = 0;
    std::function<std::string(std::size_t)> batchNameAt_;

    std::uint64_t revision_ = 0;
    ForesightWorker::Request lastRequest_;  // the preview last foreseen, for refreshFolders
    bool rereadFolders_ = false;            // the next foresight reads the folders anew
    std::shared_ptr<const RenameResult> foresight_;  // of revision_, or null
    std::shared_ptr<Observers> foresightObservers_;
    std::vector<Uuid> datesBeingRead_;  // the files of the reading under way, if any
    std::unique_ptr<DatesReader> datesReader_;  // stopped before the rest goes
    std::unique_ptr<BatchRunner> runner_;      // stopped before the rest goes
    std::unique_ptr<ForesightWorker> worker_;  // last: stopped before the rest goes
};

// The number of items of a preview whose status is changed: the count that
// RenameViewModel::changedCount() gives for its own preview.
std::int64_t changedCount(const std::vector<FileItem>& preview);

// The positions in `files` of the items whose ids are among `ids`, ascending;
// an id no item has is skipped. Rows shown from an older copy of the list are
// matched by id, so that a stale row never stands for another file.
std::vector<std::size_t> positionsOf(const std::vector<FileItem>& files,
                                     const std::vector<Uuid>& ids);

}  // namespace vellumix
