// vellumix_bench_peak_rss [COUNT]
// Peak resident memory of the view model holding COUNT files (default
// 100,000): the folder is added as the open panel would add it, then the
// preview is read twice, as the window does after a change (one snapshot kept
// for the table, one read for the counts). Prints the process's peak (VmHWM)
// before and after, in MiB.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_support.h"
#include "viewmodel/rename_view_model.h"

int main(int argc, char** argv) {
    using namespace vellumix;
    const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : bench::scaled(100000);
    const std::string folder = bench::benchFolder("folder-" + std::to_string(count), false);
    if (bench::entryCount(folder) != count) bench::remakeFiles(folder, count);

    const bench::Rss before = bench::residentSetSize();
    RenameViewModel model;
    model.addFolder(FileUrl(folder + "/"));
    RenameConfig config;
    config.rule = RenameRule::addPrefix;
    config.text = "IMG_";
    model.setConfig(config);
    const std::vector<FileItem> snapshot = model.previewFiles();
    const std::int64_t changed = model.changedCount();
    const bench::Rss after = bench::residentSetSize();

    std::printf("files listed:           %zu (%lld changed)\n", model.files().size(),
                static_cast<long long>(changed));
    std::printf("peak RSS before:        %.1f MiB\n", before.peakKiB / 1024.0);
    std::printf("peak RSS with the list: %.1f MiB\n", after.peakKiB / 1024.0);
    std::printf("RSS now:                %.1f MiB\n", after.currentKiB / 1024.0);
    return model.files().size() == count && snapshot.size() == count ? 0 : 1;
}
