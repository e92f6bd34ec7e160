// vellumix_bench_rename [--uppercase] FOLDER [PREFIX]
// What a user does in the window, without the window: add the folder, choose
// Add Prefix with PREFIX (default "x_"), or with --uppercase Change Case ›
// UPPERCASE (on a drive that ignores letter case, a change of case alone),
// press Rename. Exits 1 unless every file was renamed.
#include <cstdio>
#include <string>
#include <string_view>

#include "viewmodel/rename_view_model.h"

int main(int argc, char** argv) {
    const bool uppercase = argc > 1 && std::string_view(argv[1]) == "--uppercase";
    argc -= uppercase;
    argv += uppercase;
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s [--uppercase] FOLDER [PREFIX]\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    if (folder.empty() || folder.back() != '/') folder += '/';

    vellumix::RenameViewModel model;
    model.addFolder(vellumix::FileUrl(folder));
    vellumix::RenameConfig config;
    config.rule = uppercase ? vellumix::RenameRule::caseChange : vellumix::RenameRule::addPrefix;
    config.caseOption = vellumix::CaseOption::uppercase;
    config.text = argc == 3 ? argv[2] : "x_";
    model.setConfig(std::move(config));
    const std::size_t count = model.files().size();
    model.applyRename();

    const std::string expected = "✅ " + std::to_string(count) + " file(s) renamed successfully.";
    if (model.alertMessage() != expected) {
        std::fprintf(stderr, "%s\n", model.alertMessage().c_str());
        return 1;
    }
    return 0;
}
