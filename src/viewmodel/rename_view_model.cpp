#include "viewmodel/rename_view_model.h"

#include <algorithm>
#include <forward_list>
#include <iterator>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "engine/normalization.h"
#include "engine/rename_engine.h"
#include "viewmodel/folder_listing.h"

namespace vellumix {
namespace {

// The new items for the URLs of `urls` that `listed` does not hold yet, sorted
// by file name. `listed` is not extended during the walk, so a URL given twice
// passes twice.
std::vector<FileItem> itemsToAdd(const ListedUrls& listed, const std::vector<FileUrl>& urls) {
    // The sort key of each kept URL: its file name in NFC, a view into the
    // URL's own path when the name is in NFC already (nearly always), else
    // into `normalised`, whose strings never move.
    struct Kept {
        std::string_view key;
        const FileUrl* url;
    };
    std::forward_list<std::string> normalised;
    std::vector<Kept> kept;
    kept.reserve(urls.size());
    for (const FileUrl& url : urls) {
        if (listed.contains(url.path())) continue;
        const std::string_view name = lastPathComponent(url.path());
        kept.push_back({detail::isNfc(name)
                            ? name
                            : std::string_view(normalised.emplace_front(detail::toNfc(name))),
                        &url});
    }
    // std::string_view compares bytes as unsigned char, and UTF-8 byte order is
    // the order of Unicode scalar values: case-sensitive, digit by digit, no
    // locale. Stable, so equal names keep the order in which they were given.
    std::stable_sort(kept.begin(), kept.end(),
                     [](const Kept& a, const Kept& b) { return a.key < b.key; });

    std::vector<FileItem> items;
    items.reserve(kept.size());
    for (const Kept& k : kept)
        items.emplace_back(*k.url);
    return items;
}

// The name in its folder under which the batch left the file of `outcome`
// when that is not where it was: its new name, or the temporary name that an
// interrupted change of letter case left it under.
const std::string* movedName(const RenameOutcome& outcome) {
    if (outcome.kind == RenameOutcome::Kind::moved) return &outcome.newName;
    if (outcome.kind == RenameOutcome::Kind::failed && !outcome.failure.leftAs.empty())
        return &outcome.failure.leftAs;
    return nullptr;
}

// Where the batch left the file of `outcome`.
FileUrl urlAfter(const RenameOutcome& outcome) {
    const std::string* name = movedName(outcome);
    if (name == nullptr) return outcome.url;
    FileUrl url = outcome.url.deletingLastPathComponent().appendingPathComponent(*name);
    return outcome.url.hasDirectoryPath() ? url.appendingPathComponent("") : url;
}

}  // namespace

// Observers live in slots shared with any notification in progress, so that a
// slot unsubscribed during a notification is skipped from then on and an
// observer that unsubscribes itself is not destroyed while it runs.
struct RenameViewModel::Observers {
    struct Slot {
        std::function<void()> observer;
        bool active = true;
    };
    std::vector<std::shared_ptr<Slot>> slots;

    void remove(const Slot* key) {
        const auto it = std::find_if(slots.begin(), slots.end(),
                                     [key](const auto& slot) { return slot.get() == key; });
        if (it == slots.end()) return;
        (*it)->active = false;
        slots.erase(it);
    }
};

Subscription::Subscription(std::function<void()> unsubscribe)
    : unsubscribe_(std::move(unsubscribe)) {}

Subscription::Subscription(Subscription&& other) noexcept
    : unsubscribe_(std::exchange(other.unsubscribe_, nullptr)) {}

Subscription& Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        reset();
        unsubscribe_ = std::exchange(other.unsubscribe_, nullptr);
    }
    return *this;
}

Subscription::~Subscription() {
    reset();
}

void Subscription::reset() {
    if (unsubscribe_) std::exchange(unsubscribe_, nullptr)();
}

RenameViewModel::RenameViewModel()
    : listed_(files_),
      observers_(std::make_shared<Observers>()),
      foresightObservers_(std::make_shared<Observers>()) {}

RenameViewModel::~RenameViewModel() = default;

Subscription RenameViewModel::subscribe(const std::shared_ptr<Observers>& observers,
                                        std::function<void()> observer) {
    if (!observer) return Subscription();
    auto slot = std::make_shared<Observers::Slot>();
    slot->observer = std::move(observer);
    const Observers::Slot* key = slot.get();
    observers->slots.push_back(std::move(slot));
    // The handle may outlive the view model: it holds the observers weakly.
    return Subscription([weak = std::weak_ptr<Observers>(observers), key] {
        if (const auto alive = weak.lock()) alive->remove(key);
    });
}

void RenameViewModel::notify(const Observers& observers) {
    if (observers.slots.empty()) return;
    // A snapshot: observers may subscribe or unsubscribe while being notified.
    const std::vector<std::shared_ptr<Observers::Slot>> snapshot = observers.slots;
    for (const auto& slot : snapshot) {
        if (slot->active) slot->observer();
    }
}

Subscription RenameViewModel::onWillChange(std::function<void()> observer) {
    return subscribe(observers_, std::move(observer));
}

void RenameViewModel::willChange() {
    notify(*observers_);
}

// Every write of the list or the configuration: what was foreseen is stale.
void RenameViewModel::changeRevision() {
    ++revision_;
    foresight_.reset();
}

const std::vector<FileItem>& RenameViewModel::files() const {
    return files_;
}

void RenameViewModel::setFiles(std::vector<FileItem> files) {
    willChange();
    files_ = std::move(files);
    sortedBy_.reset();
    sortWaitingForDates_.reset();
    listed_.rebuild();
    changeRevision();
    readDatesIfNeeded();
}

void RenameViewModel::removeFiles(const std::vector<std::size_t>& positions) {
    std::vector<bool> doomed(files_.size(), false);
    for (const std::size_t position : positions) {
        if (position < doomed.size()) doomed[position] = true;
    }
    willChange();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < files_.size(); ++i) {
        if (doomed[i]) continue;
        if (kept != i) files_[kept] = std::move(files_[i]);
        ++kept;
    }
    files_.erase(files_.begin() + static_cast<std::ptrdiff_t>(kept), files_.end());
    listed_.rebuild();
    changeRevision();
}

void RenameViewModel::sortFiles(FileSort sort) {
    sortWaitingForDates_.reset();
    // Dates taken are read from the photos, off this thread; dates modified
    // the sort reads itself, fast, where they are not in yet.
    if (sort.key == SortKey::dateTaken) {
        const bool allDated = std::all_of(files_.begin(), files_.end(),
                                          [](const FileItem& file) { return file.dates; });
        if (!allDated) {
            sortWaitingForDates_ = sort;
            readDatesIfNeeded();
            return;
        }
    }
    willChange();
    sortNow(sort);
}

// The sort of sortFiles, inside an edit already announced.
void RenameViewModel::sortNow(FileSort sort) {
    const std::vector<std::size_t> order = sortedPositions(files_, sort);
    std::vector<FileItem> sorted;
    sorted.reserve(files_.size());
    for (const std::size_t position : order)
        sorted.push_back(std::move(files_[position]));
    files_ = std::move(sorted);
    listed_.rebuild();
    sortedBy_ = sort;
    changeRevision();
}

void RenameViewModel::moveFiles(const std::vector<std::size_t>& positions, std::size_t before) {
    std::vector<bool> moving(files_.size(), false);
    for (const std::size_t position : positions) {
        if (position < moving.size()) moving[position] = true;
    }
    sortWaitingForDates_.reset();
    willChange();
    std::vector<FileItem> moved;
    std::vector<FileItem> staying;
    std::size_t insertAt = 0;  // among the staying items
    for (std::size_t i = 0; i < files_.size(); ++i) {
        if (i == before) insertAt = staying.size();
        (moving[i] ? moved : staying).push_back(std::move(files_[i]));
    }
    if (before >= files_.size()) insertAt = staying.size();
    staying.insert(staying.begin() + static_cast<std::ptrdiff_t>(insertAt),
                   std::make_move_iterator(moved.begin()), std::make_move_iterator(moved.end()));
    files_ = std::move(staying);
    listed_.rebuild();
    sortedBy_.reset();
    changeRevision();
}

std::optional<FileSort> RenameViewModel::sortedBy() const {
    return sortedBy_;
}

const RenameConfig& RenameViewModel::config() const {
    return config_;
}

void RenameViewModel::setConfig(RenameConfig config) {
    willChange();
    config_ = std::move(config);
    changeRevision();
    readDatesIfNeeded();
}

const std::string& RenameViewModel::alertMessage() const {
    return alertMessage_;
}

void RenameViewModel::setAlertMessage(std::string message) {
    setResultReport(ResultReport{std::move(message), {}, {}, {}, {}});
}

const ResultReport& RenameViewModel::resultReport() const {
    return resultReport_;
}

void RenameViewModel::setResultReport(ResultReport report) {
    willChange();
    alertMessage_ = report.message();
    resultReport_ = std::move(report);
}

bool RenameViewModel::showAlert() const {
    return showAlert_;
}

void RenameViewModel::setShowAlert(bool show) {
    willChange();
    showAlert_ = show;
}

bool RenameViewModel::isProcessing() const {
    return isProcessing_;
}

void RenameViewModel::setIsProcessing(bool processing) {
    willChange();
    isProcessing_ = processing;
}

std::vector<FileItem> RenameViewModel::previewFiles() const {
    if (files_.empty()) return {};
    return RenameEngine::preview(files_, config_);
}

std::int64_t RenameViewModel::changedCount() const {
    return vellumix::changedCount(previewFiles());
}

std::optional<PatternError> RenameViewModel::patternError() const {
    if (config_.rule != RenameRule::regexReplace) return std::nullopt;
    return regexPatternError(config_.findText, config_.caseSensitive);
}

std::int64_t changedCount(const std::vector<FileItem>& preview) {
    return static_cast<std::int64_t>(std::count_if(
        preview.begin(), preview.end(),
        [](const FileItem& item) { return item.status == FileItem::Status::changed; }));
}

std::vector<std::size_t> positionsOf(const std::vector<FileItem>& files,
                                     const std::vector<Uuid>& ids) {
    const std::unordered_set<Uuid> wanted(ids.begin(), ids.end());
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (wanted.contains(files[i].id)) positions.push_back(i);
    }
    return positions;
}

void RenameViewModel::addFiles(const std::vector<FileUrl>& urls) {
    std::vector<FileItem> added = itemsToAdd(listed_, urls);
    willChange();
    const std::size_t first = files_.size();
    if (!added.empty()) sortedBy_.reset();
    files_.insert(files_.end(), std::make_move_iterator(added.begin()),
                  std::make_move_iterator(added.end()));
    listed_.add(first);
    changeRevision();
    readDatesIfNeeded();
}

void RenameViewModel::addFolder(const FileUrl& folder) {
    std::optional<std::vector<FileUrl>> listed = listVisibleFiles(folder);
    if (!listed) return;  // nothing changes, nobody is told
    addFiles(*listed);
}

void RenameViewModel::applyRename() {
    rename(Run::atOnce);
}

void RenameViewModel::startRename() {
    rename(Run::onItsThread);
}

void RenameViewModel::rename(Run run) {
    if (batchNameAt_) return;  // a batch is running on its thread
    auto preview = std::make_shared<const std::vector<FileItem>>(previewFiles());
    runBatch(
        run, vellumix::changedCount(*preview),
        [preview](std::size_t position) { return (*preview)[position].currentName(); },
        [preview](BatchProgress& progress) { return renameFiles(*preview, progress); },
        [this](const RenameResult& result) { takeRename(result); });
}

void RenameViewModel::runBatch(Run run, std::int64_t total,
                               std::function<std::string(std::size_t)> nameAt,
                               BatchRunner::Work batch,
                               std::function<void(const RenameResult&)> finish) {
    setIsProcessing(true);
    if (run == Run::atOnce || !runner_) {
        BatchProgress progress;  // told, and never cancelled
        const RenameResult result = batch(progress);
        setIsProcessing(false);
        finish(result);
        return;
    }
    batchTotal_ = total;
    batchNameAt_ = std::move(nameAt);
    runner_->start(std::move(batch), [this, finish = std::move(finish)](RenameResult result) {
        batchNameAt_ = nullptr;
        setIsProcessing(false);
        finish(result);
    });
}

void RenameViewModel::cancelBatch() {
    if (runner_ && isProcessing_) runner_->cancel();
}

std::optional<RenameViewModel::BatchStatus> RenameViewModel::batchStatus() const {
    if (!runner_ || !batchNameAt_) return std::nullopt;
    const std::shared_ptr<const BatchProgress> progress = runner_->progress();
    BatchStatus status;
    status.started = static_cast<std::int64_t>(progress->started());
    status.total = batchTotal_;
    if (status.started > 0) status.currentName = batchNameAt_(progress->position());
    status.cancelled = progress->isCancelled();
    return status;
}

void RenameViewModel::setBatchPost(BatchRunner::Post post) {
    runner_.reset();
    if (batchNameAt_) {
        // The batch's result was dropped with its runner: whatever it moved is
        // found on disk when the folders are read again.
        batchNameAt_ = nullptr;
        rereadFolders_ = true;
        setIsProcessing(false);
    }
    if (post) runner_ = std::make_unique<BatchRunner>(std::move(post));
}

// The list rebuilt from what the rename did, the history and the alert.
void RenameViewModel::takeRename(const RenameResult& result) {
    rereadFolders_ = true;  // the rename changed them
    if (std::vector<MovedFile> moved = movedFiles(result); !moved.empty()) {
        undoable_.push_back(inverseOf(moved));
        redoable_.clear();
    }

    // Items whose move succeeded stand at their new names; every other item,
    // a failed one included, is still where it was on disk.
    std::vector<FileItem> rebuilt;
    rebuilt.reserve(result.outcomes.size());
    for (const RenameOutcome& outcome : result.outcomes)
        rebuilt.emplace_back(urlAfter(outcome));
    setFiles(std::move(rebuilt));

    setResultReport(reportOf(result));
    setShowAlert(true);
}

bool RenameViewModel::canUndoRename() const {
    return !undoable_.empty();
}

bool RenameViewModel::canRedoRename() const {
    return !redoable_.empty();
}

std::int64_t RenameViewModel::filesToUndo() const {
    return undoable_.empty() ? 0 : std::ssize(undoable_.back());
}

std::int64_t RenameViewModel::filesToRedo() const {
    return redoable_.empty() ? 0 : std::ssize(redoable_.back());
}

void RenameViewModel::undoRename() {
    replayLast(Run::atOnce, undoable_, redoable_);
}

void RenameViewModel::redoRename() {
    replayLast(Run::atOnce, redoable_, undoable_);
}

void RenameViewModel::startUndoRename() {
    replayLast(Run::onItsThread, undoable_, redoable_);
}

void RenameViewModel::startRedoRename() {
    replayLast(Run::onItsThread, redoable_, undoable_);
}

// Makes the moves of the newest batch of `from`; what it moved, taken back,
// becomes the newest of `to` (a file that stayed leaves the history).
void RenameViewModel::replayLast(Run run, History& from, History& to) {
    if (from.empty() || batchNameAt_) return;
    auto batch = std::make_shared<const std::vector<MovedFile>>(std::move(from.back()));
    from.pop_back();
    runBatch(
        run, std::ssize(*batch),
        [batch](std::size_t position) { return (*batch)[position].from.lastPathComponent(); },
        [batch](BatchProgress& progress) { return replayMoves(*batch, progress); },
        [this, &from, &to, batch](const RenameResult& result) {
            takeReplay(from, to, *batch, result);
        });
}

// What the replay of `batch`, taken from `from`, moved goes to `to`, taken
// back; the files a cancel left unmoved stay in `from`, to be moved later.
// Then the list and the alert.
void RenameViewModel::takeReplay(History& from, History& to, const std::vector<MovedFile>& batch,
                                 const RenameResult& result) {
    std::vector<MovedFile> rest;
    for (std::size_t i = 0; i < batch.size() && i < result.outcomes.size(); ++i) {
        if (result.outcomes[i].kind == RenameOutcome::Kind::notAttempted) rest.push_back(batch[i]);
    }
    if (!rest.empty()) from.push_back(std::move(rest));
    if (std::vector<MovedFile> moved = movedFiles(result); !moved.empty()) {
        to.push_back(inverseOf(moved));
    }
    takeMoves(result);
}

// The list items at the places the moves of `result` left, updated in place;
// then the alert.
void RenameViewModel::takeMoves(const RenameResult& result) {
    rereadFolders_ = true;
    std::vector<FileItem> files = files_;
    for (const RenameOutcome& outcome : result.outcomes) {
        if (movedName(outcome) == nullptr) continue;
        const std::optional<std::size_t> position = listed_.positionOf(outcome.url.path());
        if (!position) continue;  // removed from the list since: the file moves all the same
        FileItem& item = files[*position];
        item.url = urlAfter(outcome);
        item.newName.clear();
        item.status = FileItem::Status::pending;
    }
    setFiles(std::move(files));
    setResultReport(reportOf(result));
    setShowAlert(true);
}

std::uint64_t RenameViewModel::revision() const {
    return revision_;
}

void RenameViewModel::foresee(std::uint64_t revision,
                              std::shared_ptr<const std::vector<FileItem>> preview) {
    if (!preview) return;
    lastRequest_ = {revision, std::move(preview), std::exchange(rereadFolders_, false)};
    if (worker_) {
        worker_->submit(lastRequest_);
    } else {
        takeForesight(revision, std::make_shared<const RenameResult>(
                                    RenameEngine::foresee(*lastRequest_.preview)));
    }
}

std::shared_ptr<const RenameResult> RenameViewModel::foresight() const {
    return foresight_;
}

void RenameViewModel::refreshFolders() {
    rereadFolders_ = true;
    if (lastRequest_.preview && lastRequest_.revision == revision_) {
        foresee(lastRequest_.revision, lastRequest_.preview);
    }
}

std::optional<RenameViewModel::DatesReading> RenameViewModel::datesReading() const {
    if (datesBeingRead_.empty()) return std::nullopt;
    const auto progress = datesReader_ ? datesReader_->progress() : nullptr;
    return DatesReading{progress ? static_cast<std::int64_t>(progress->done()) : 0,
                        std::ssize(datesBeingRead_)};
}

void RenameViewModel::setDatesPost(DatesReader::Post post) {
    datesReader_.reset();
    datesBeingRead_.clear();
    if (post) datesReader_ = std::make_unique<DatesReader>(std::move(post));
    readDatesIfNeeded();
}

void RenameViewModel::readDatesIfNeeded() {
    const bool needed = sortWaitingForDates_ ||
                        (config_.rule == RenameRule::addDate && config_.dateSource != DateSource::now);
    if (!needed || !datesBeingRead_.empty()) return;
    std::vector<FileUrl> urls;
    for (const FileItem& file : files_) {
        if (file.dates) continue;
        datesBeingRead_.push_back(file.id);
        urls.push_back(file.url);
    }
    if (datesBeingRead_.empty()) {
        if (sortWaitingForDates_) sortFiles(*sortWaitingForDates_);
        return;
    }
    if (!datesReader_) {
        takeDates(std::exchange(datesBeingRead_, {}), readFileDates(urls));
        return;
    }
    datesReader_->start([urls = std::move(urls)](DatesProgress& progress) {
                            return readFileDates(urls, &progress);
                        },
                        [this](std::vector<FileDates> dates) {
                            takeDates(std::exchange(datesBeingRead_, {}), std::move(dates));
                        });
}

// One write of the list: each file read gets its dates, and a sort that
// waited for them is made.
void RenameViewModel::takeDates(const std::vector<Uuid>& ids, std::vector<FileDates> dates) {
    std::unordered_map<Uuid, std::size_t> read;
    read.reserve(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) read.emplace(ids[i], i);
    willChange();
    for (FileItem& file : files_) {
        const auto found = read.find(file.id);
        if (found != read.end() && found->second < dates.size()) {
            file.dates = std::move(dates[found->second]);
        }
    }
    const std::optional<FileSort> sort = std::exchange(sortWaitingForDates_, std::nullopt);
    const bool allDated =
        std::all_of(files_.begin(), files_.end(), [](const FileItem& file) { return file.dates; });
    if (sort && allDated) {
        sortNow(*sort);
    } else {
        sortWaitingForDates_ = sort;  // files came in while it read: those next
        changeRevision();
    }
    readDatesIfNeeded();
}

Subscription RenameViewModel::onForesight(std::function<void()> observer) {
    return subscribe(foresightObservers_, std::move(observer));
}

void RenameViewModel::setForesightPost(ForesightWorker::Post post) {
    worker_.reset();
    if (!post) return;
    worker_ = std::make_unique<ForesightWorker>(
        std::move(post),
        [this](std::uint64_t revision, std::shared_ptr<const RenameResult> result) {
            takeForesight(revision, std::move(result));
        });
}

void RenameViewModel::takeForesight(std::uint64_t revision,
                                    std::shared_ptr<const RenameResult> foresight) {
    if (revision != revision_) return;  // made for a list or configuration since changed
    foresight_ = std::move(foresight);
    notify(*foresightObservers_);
}

}  // namespace vellumix
