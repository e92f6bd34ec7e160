// vellumix_bench_rename FOLDER [PREFIX]
// What a user does in the window, without the window: add the folder, choose
// Add Prefix with PREFIX (default "x_"), press Rename. Exits 1 unless every
// file was renamed.
#include <cstdio>
#include <string>

#include "viewmodel/rename_view_model.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s FOLDER [PREFIX]\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    if (folder.empty() || folder.back() != '/') folder += '/';

    vellumix::RenameViewModel model;
    model.addFolder(vellumix::FileUrl(folder));
    vellumix::RenameConfig config;
    config.rule = vellumix::RenameRule::addPrefix;
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
