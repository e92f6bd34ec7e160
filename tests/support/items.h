// Small builders of list items and rule settings shared by the tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/file_item.h"
#include "model/rename_config.h"

namespace vellumix::testing {

inline RenameConfig prefixConfig(std::string text) {
    RenameConfig config;
    config.rule = RenameRule::addPrefix;
    config.text = std::move(text);
    return config;
}

// An item as the preview gives it, for renames that need no rule.
inline FileItem previewed(const FileUrl& url, std::string newName,
                          FileItem::Status status = FileItem::Status::changed) {
    FileItem item(url);
    item.newName = std::move(newName);
    item.status = status;
    return item;
}

inline std::vector<std::string> pathsOf(const std::vector<FileUrl>& urls) {
    std::vector<std::string> paths;
    for (const FileUrl& url : urls)
        paths.push_back(url.path());
    return paths;
}

inline std::vector<std::string> pathsOf(const std::vector<FileItem>& items) {
    std::vector<std::string> paths;
    for (const FileItem& item : items)
        paths.push_back(item.url.path());
    return paths;
}

}  // namespace vellumix::testing
