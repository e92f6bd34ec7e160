// vellumix_bench_gui [COUNT] [EDITS]
// The window on the offscreen platform with COUNT files listed (default
// 100,000, added from a folder as "Add Folder" adds them) and Add Prefix
// selected. Types EDITS single characters (default 20) into the Prefix field,
// one at a time, and times each from the key press to the table model showing
// the new names (the first row's new name is the new prefix plus its name),
// and to the end of the event processing that follows (painting included),
// and from the key press to the foresight of the new names on screen (the
// table's marks made from it, and the events that follow processed).
// Then prints the process's peak resident memory. Then drops the same COUNT
// files on a fresh window in one drop, as a file manager sends a selection
// (text/uri-list; each file its own addFiles call), and times it until the
// table shows them all, counting the table refreshes it took (one is right).
// Last, runs the Google Benchmarks defined after main() (with
// --benchmark_filter=..., only those).
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench_support.h"
#include "ui/content_view.h"
#include "ui/file_list_view.h"
#include "ui/main_window.h"
#include "ui/preview_table_model.h"
#include "ui/result_alert.h"
#include "ui/rule_panel.h"
#include "ui/view_model_snapshot.h"
#include "viewmodel/rename_view_model.h"

namespace {

struct Summary {
    double median = 0;
    double min = 0;
    double max = 0;
};

Summary summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const std::size_t n = ms.size();
    const double median = n % 2 == 1 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    return {median, ms.front(), ms.back()};
}

struct DropTiming {
    double toTable = 0;  // ms from the drop until the table holds every row
    double toIdle = 0;   // ms until the events that follow are processed (paint)
    double cpu = 0;      // ms of processor time the process spent until then
    int refreshes = 0;   // times the table took in a new list
};

// Drops the files of `folder`, in name order, on a fresh window as one drop.
std::optional<DropTiming> dropOneByOne(const std::string& folder, std::size_t count) {
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        paths.push_back(entry.path().native());
    std::sort(paths.begin(), paths.end());
    QByteArray uriList;
    for (const std::string& path : paths)
        uriList += QUrl::fromLocalFile(QFile::decodeName(path.c_str())).toEncoded() + "\r\n";

    vellumix::ui::MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    QAbstractItemModel& model = *window.content()->fileList()->model();
    DropTiming timing;
    const auto countRefresh = [&timing] { ++timing.refreshes; };
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, countRefresh);
    QObject::connect(&model, &QAbstractItemModel::modelReset, countRefresh);
    QWidget* target = window.content()->fileList()->table()->viewport();
    const QPoint at = target->rect().center();

    // From the arrival of the dropped data, which Qt reads as URLs.
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    QMimeData data;
    data.setData(QStringLiteral("text/uri-list"), uriList);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    while (model.rowCount() != static_cast<int>(count)) {
        QCoreApplication::processEvents();
        if (timer.elapsed() > 600000) return std::nullopt;
    }
    timing.toTable = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    QCoreApplication::processEvents();
    timing.toIdle = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    timing.cpu = static_cast<double>(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC;
    return timing;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vellumix;
    const bool onlyFiltered = std::any_of(argv + 1, argv + argc, [](const char* arg) {
        return std::string_view(arg).starts_with("--benchmark_filter");
    });
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;  // a private runtime folder (0700), as Qt wants one
    if (runtime.isValid()) qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QApplication app(argc, argv);
    ui::setUpApplication(app);
    if (onlyFiltered) {
        benchmark::RunSpecifiedBenchmarks();
        return 0;
    }

    const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : bench::scaled(100000);
    const int edits = argc > 2 ? std::atoi(argv[2]) : 20;
    const std::string folder = bench::benchFolder("folder-" + std::to_string(count), false);
    if (bench::entryCount(folder) != count) bench::remakeFiles(folder, count);

    ui::MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    const bench::Rss empty = bench::residentSetSize();

    ui::ContentView& content = *window.content();
    content.viewModel().addFolder(FileUrl(folder + "/"));
    QCoreApplication::processEvents();
    ui::PreviewTableModel& model = *content.fileList()->model();
    auto* prefix = content.rulePanel()->findChild<QLineEdit*>(QStringLiteral("prefixField"));
    if (prefix == nullptr || !prefix->isVisible() || model.rowCount() != static_cast<int>(count)) {
        std::fprintf(stderr, "the window is not showing %zu files under Add Prefix\n", count);
        return 1;
    }
    prefix->setFocus();
    const QModelIndex firstNewName = model.index(0, ui::PreviewTableModel::newNameColumn);
    const QString firstName =
        model.data(model.index(0, ui::PreviewTableModel::originalNameColumn)).toString();

    std::vector<double> toModel;
    std::vector<double> toIdle;
    std::vector<double> toForesight;
    const ui::ViewModelSnapshot& snapshot = content.snapshot();
    for (int edit = 0; edit < edits; ++edit) {
        const char key = static_cast<char>('a' + edit % 26);
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(prefix, key);
        const QString expected = prefix->text() + firstName;
        while (model.data(firstNewName).toString() != expected) {
            QCoreApplication::processEvents();
            if (timer.elapsed() > 10000) {
                std::fprintf(stderr, "the table did not show the new prefix\n");
                return 1;
            }
        }
        toModel.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        QCoreApplication::processEvents();
        toIdle.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        // The marks are made anew with each preview; they hold a foresight
        // once the one of this preview has come in.
        // Asleep until an event comes (the timed processEvents would spin and
        // take a core from the foresight); the timer makes one now and then.
        QTimer wake;
        wake.start(100);
        while (!snapshot.marks()->foresight) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (timer.elapsed() > 10000) {
                std::fprintf(stderr, "the foresight did not come in\n");
                return 1;
            }
        }
        QCoreApplication::processEvents();
        toForesight.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    const bench::Rss full = bench::residentSetSize();

    const Summary model_ = summarise(toModel);
    const Summary idle = summarise(toIdle);
    const Summary foreseen = summarise(toForesight);
    std::printf("files listed:                      %zu\n", count);
    std::printf(
        "edit -> table model refreshed:     median %.1f ms (min %.1f, max %.1f, %d edits)\n",
        model_.median, model_.min, model_.max, edits);
    std::printf("edit -> events processed (paint):  median %.1f ms (min %.1f, max %.1f)\n",
                idle.median, idle.min, idle.max);
    std::printf("edit -> foresight on screen:       median %.1f ms (min %.1f, max %.1f)\n",
                foreseen.median, foreseen.min, foreseen.max);
    std::printf("peak RSS, window with no files:    %.1f MiB\n", empty.peakKiB / 1024.0);
    std::printf("peak RSS, window with the files:   %.1f MiB\n", full.peakKiB / 1024.0);

    const std::optional<DropTiming> dropped = dropOneByOne(folder, count);
    if (!dropped) {
        std::fprintf(stderr, "the table did not show the dropped files\n");
        return 1;
    }
    std::printf("drop of the files one by one -> table shows them: %.1f ms (%d refresh)\n",
                dropped->toTable, dropped->refreshes);
    std::printf("drop of the files one by one -> events processed: %.1f ms (processor %.1f ms)\n",
                dropped->toIdle, dropped->cpu);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

namespace {

// The result alert after a batch in which 100,000 renames failed: from the view
// model raising it until the dialog is shown and drawn.
void resultAlertOf100000Failures(benchmark::State& state) {
    using namespace vellumix;
    const std::size_t failures = bench::scaled(100000);
    ResultReport report{
        "\u2705 0 renamed.", "\u274C " + std::to_string(failures) + " error(s):", {}, {}, {}};
    for (std::size_t i = 0; i < failures; ++i) {
        const std::string name = bench::fileName(bench::Names::ascii, i);
        report.failureLines.push_back("\u2022 " + name + ": \u201Cnew_" + name +
                                      "\u201D already exists.");
    }
    ui::MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    RenameViewModel& vm = window.content()->viewModel();

    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        vm.setResultReport(report);
        vm.setShowAlert(true);
        while (window.content()->resultAlert() == nullptr)
            QCoreApplication::processEvents();
        ui::ResultAlert* alert = window.content()->resultAlert();
        if (!QTest::qWaitForWindowExposed(alert)) state.SkipWithError("the alert was not shown");
        QCoreApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);

        alert->okButton()->click();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.counters["lines"] = static_cast<double>(failures);
}
BENCHMARK(resultAlertOf100000Failures)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// A key press in Add Date's Separator field with 100,000 photos listed,
// their dates read, until the table shows the new names: the date from the
// clock ("Now") and from each photo ("Date Taken"), taken in sessions of 100,
// one a minute, a session every other day.
void keystrokeUnderAddDate(benchmark::State& state) {
    using namespace vellumix;
    const auto source = static_cast<DateSource>(state.range(0));
    const std::size_t count = bench::scaled(100000);
    std::vector<FileItem> files = bench::photoLibrary(count);
    ui::MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    RenameViewModel& vm = window.content()->viewModel();
    vm.setFiles(std::move(files));
    RenameConfig config = vm.config();
    config.rule = RenameRule::addDate;
    config.dateSource = source;
    config.dateSeparator.clear();
    vm.setConfig(config);
    QCoreApplication::processEvents();
    auto* separator = window.content()->rulePanel()->findChild<QLineEdit*>(
        QStringLiteral("dateSeparatorField"));
    ui::PreviewTableModel& model = *window.content()->fileList()->model();
    const QModelIndex firstNewName = model.index(0, ui::PreviewTableModel::newNameColumn);
    separator->setFocus();
    for (auto _ : state) {
        if (separator->text().size() > 20) separator->clear();
        QCoreApplication::processEvents();
        const QString before = model.data(firstNewName).toString();
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(separator, 'x');
        while (model.data(firstNewName).toString() == before) {
            QCoreApplication::processEvents();
            if (timer.elapsed() > 10000) {
                state.SkipWithError("the table did not show the new names");
                return;
            }
        }
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(keystrokeUnderAddDate)
    ->ArgName("source")
    ->Arg(static_cast<int>(vellumix::DateSource::now))
    ->Arg(static_cast<int>(vellumix::DateSource::taken))
    ->Iterations(30)
    ->Repetitions(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
