// Engine benchmarks: the name of one file under each rule, and the preview of
// whole lists of 1,000, 10,000 and 100,000 files under each rule.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <tuple>
#include <string>
#include <vector>

#include "bench_support.h"
#include "engine/rename_engine.h"

namespace vellumix::bench {
namespace {

// One file's new name through the public single-file call, which prepares the
// rule (compiles the pattern, builds the date formatter) on every call.
void computeOne(benchmark::State& state, const RenameConfig& config, Names names) {
    const std::vector<FileItem> items = fileItems(names, 1024);
    const auto now = fixedNow();
    std::size_t i = 0;
    for (auto _ : state) {
        std::string name =
            RenameEngine::compute(config, items[i], static_cast<std::int64_t>(i), now);
        benchmark::DoNotOptimize(name);
        i = (i + 1) % items.size();
    }
    state.SetItemsProcessed(state.iterations());
}

// The preview of a whole list. Each call replaces the previous result, as the
// window's snapshot does, so freeing the old list is part of the cost. Timed
// by the wall clock (a long list is computed on all cores); "per_file" is
// wall time per file.
void previewList(benchmark::State& state, const RenameConfig& config, Names names,
                 std::size_t count) {
    const std::vector<FileItem> files = fileItems(names, count);
    std::vector<FileItem> preview;
    for (auto _ : state) {
        preview = RenameEngine::preview(files, config);
        benchmark::DoNotOptimize(preview.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
    state.counters["per_file"] = benchmark::Counter(
        static_cast<double>(count),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Add Date from the clock and from each file's own date: the keystroke's
// preview with 100,000 photos, their dates read, under a pattern of days and
// one of seconds (every photo its own text).
void previewDated(benchmark::State& state, DateSource source, const char* pattern) {
    const std::vector<FileItem> files = photoLibrary(scaled(100000));
    RenameConfig config;
    config.rule = RenameRule::addDate;
    config.dateSource = source;
    config.dateFormat = pattern;
    std::vector<FileItem> preview;
    for (auto _ : state) {
        preview = RenameEngine::preview(files, config);
        benchmark::DoNotOptimize(preview.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files.size()));
}

void registerAll() {
    for (const auto& [label, source, pattern] :
         {std::tuple{"now", DateSource::now, "yyyy-MM-dd"},
          std::tuple{"taken", DateSource::taken, "yyyy-MM-dd"},
          std::tuple{"now seconds", DateSource::now, "yyyyMMdd_HHmmss"},
          std::tuple{"taken seconds", DateSource::taken, "yyyyMMdd_HHmmss"}}) {
        const std::string name = std::string("previewDated/") + label;
        benchmark::RegisterBenchmark(name.c_str(),
                                     [source = source, pattern = pattern](auto& state) {
                                         previewDated(state, source, pattern);
                                     })
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime()
            ->UseRealTime();
    }
    std::vector<RuleCase> computeCases = ruleCases();
    for (auto& c : caseStyleCases()) {
        if (c.config.caseOption != CaseOption::lowercase) computeCases.push_back(std::move(c));
    }
    for (const Names names : {Names::ascii, Names::unicode}) {
        for (const RuleCase& c : computeCases) {
            const std::string name = "compute/" + c.label + "/" + std::string(label(names));
            benchmark::RegisterBenchmark(name.c_str(), [config = c.config, names](auto& state) {
                computeOne(state, config, names);
            });
        }
    }
    std::vector<RuleCase> previewCases = ruleCases();
    for (auto& c : caseStyleCases()) {
        if (c.config.caseOption == CaseOption::titleCase) previewCases.push_back(std::move(c));
    }
    for (const Names names : {Names::ascii, Names::unicode}) {
        for (const RuleCase& c : previewCases) {
            for (const std::size_t count : {1000, 10000, 100000}) {
                const std::size_t n = scaled(count);
                const std::string name = "preview/" + c.label + "/" + std::string(label(names)) +
                                         "/" + std::to_string(n);
                benchmark::RegisterBenchmark(name.c_str(),
                                             [config = c.config, names, n](auto& state) {
                                                 previewList(state, config, names, n);
                                             })
                    ->Unit(benchmark::kMillisecond)
                    ->MeasureProcessCPUTime()  // CPU: all threads of the process
                    ->UseRealTime();           // the time a user waits
            }
        }
    }
}

const bool registered = (registerAll(), true);

}  // namespace
}  // namespace vellumix::bench
