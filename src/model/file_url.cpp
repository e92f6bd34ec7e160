#include "model/file_url.h"

#include <string.h>

#include <utility>

namespace vellumix {
namespace {

// The last component's bounds within `path`: [begin, end), trailing slashes excluded.
struct ComponentSpan {
    std::size_t begin;
    std::size_t end;
};

ComponentSpan lastComponentSpan(std::string_view path) {
    std::size_t end = path.size();
    while (end > 1 && path[end - 1] == '/')
        --end;
    // The last "/" before `end` (memrchr scans backwards a word at a time).
    const void* slash = ::memrchr(path.data(), '/', end);
    std::size_t begin =
        slash == nullptr
            ? 0
            : static_cast<std::size_t>(static_cast<const char*>(slash) - path.data()) + 1;
    if (begin >= end) begin = 0;  // the root "/" is its own last component
    return {begin, end};
}

}  // namespace

std::size_t extensionDot(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size()) {
        return std::string_view::npos;
    }
    return dot;
}

FileUrl::FileUrl(std::string absolutePath) : path_(std::move(absolutePath)) {}

std::string_view lastPathComponent(std::string_view path) {
    const auto [begin, end] = lastComponentSpan(path);
    return path.substr(begin, end - begin);
}

std::string FileUrl::lastPathComponent() const {
    return std::string(vellumix::lastPathComponent(path_));
}

std::string FileUrl::pathExtension() const {
    const std::string name = lastPathComponent();
    const std::size_t dot = extensionDot(name);
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

FileUrl FileUrl::deletingPathExtension() const {
    const auto [begin, end] = lastComponentSpan(path_);
    const std::size_t dot = extensionDot(std::string_view(path_).substr(begin, end - begin));
    if (dot == std::string::npos) return *this;
    return FileUrl(path_.substr(0, begin + dot) + path_.substr(end));
}

FileUrl FileUrl::deletingLastPathComponent() const {
    const auto [begin, end] = lastComponentSpan(path_);
    if (begin == 0) {
        // A lone relative name lies in the working folder: "./", so that
        // appending a name to it never makes an absolute path below "/".
        if (path_.empty()) return FileUrl(std::string());
        return FileUrl(path_[0] == '/' ? "/" : "./");
    }
    return FileUrl(path_.substr(0, begin));
}

FileUrl FileUrl::appendingPathComponent(std::string_view component) const {
    std::string joined = path_;
    if (joined.empty() || joined.back() != '/') joined += '/';
    joined += component;
    return FileUrl(std::move(joined));
}

bool FileUrl::hasDirectoryPath() const {
    return !path_.empty() && path_.back() == '/';
}

}  // namespace vellumix
