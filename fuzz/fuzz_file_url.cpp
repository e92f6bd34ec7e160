// Fuzzes FileUrl's path operations on arbitrary byte strings (empty, relative,
// runs of slashes, dots, bytes that are not UTF-8) and checks how they relate:
//   - the last component holds no "/" (the root "/" is its own last component);
//   - the extension is a suffix of the last component, after a dot, and the
//     extension rule agrees with extensionDot;
//   - deleting the extension takes exactly "." + extension off the last component;
//   - for a normal absolute path, the parent with the last component appended
//     names the same file; the folder of a relative path is a relative folder;
//   - appending a plain component makes it the last component, under this parent;
//   - hasDirectoryPath is a trailing "/"; equal texts are equal URLs with equal hashes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <functional>
#include <string>

#include "fuzz_check.h"
#include "model/file_url.h"

namespace {

using vellumix::FileUrl;
using vellumix::fuzz::escaped;
using vellumix::fuzz::fail;

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// An absolute path other than the root, without empty components, whose last
// component is not "." or "..": the kind of path the lists hold.
bool isNormalPath(std::string_view path) {
    if (path.size() < 2 || path.front() != '/') return false;
    if (path.find("//") != std::string_view::npos) return false;
    std::string_view trimmed = path;
    if (trimmed.back() == '/') trimmed.remove_suffix(1);
    const std::string_view last = trimmed.substr(trimmed.rfind('/') + 1);
    return !last.empty() && last != "." && last != "..";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string component = data.ConsumeRandomLengthString(32);
    const std::string path = data.ConsumeRemainingBytesAsString();
    const FileUrl url(path);
    const auto context = [&] { return "path='" + escaped(path) + "'"; };

    if (url.path() != path) fail("the path was not kept byte for byte", context());
    if (url != FileUrl(path) || std::hash<FileUrl>{}(url) != std::hash<FileUrl>{}(FileUrl(path))) {
        fail("equal texts made unequal URLs", context());
    }
    if (url.hasDirectoryPath() != (!path.empty() && path.back() == '/')) {
        fail("hasDirectoryPath is not a trailing slash", context());
    }

    const std::string last = url.lastPathComponent();
    if (last.find('/') != std::string::npos && last != "/") {
        fail("the last component holds a slash", context() + " last='" + escaped(last) + "'");
    }
    if (path.find_first_not_of('/') != std::string::npos && path.find(last) == std::string::npos) {
        fail("the last component is not part of the path",
             context() + " last='" + escaped(last) + "'");
    }

    const std::string extension = url.pathExtension();
    const std::size_t dot = vellumix::extensionDot(last);
    const std::string expectedExtension = dot == std::string::npos ? "" : last.substr(dot + 1);
    if (extension != expectedExtension) {
        fail("pathExtension disagrees with extensionDot",
             context() + " extension='" + escaped(extension) + "'");
    }
    const FileUrl stripped = url.deletingPathExtension();
    if (extension.empty()) {
        if (stripped != url) fail("deleting no extension changed the path", context());
    } else {
        if (!endsWith(last, "." + extension)) {
            fail("the extension is not a suffix of the last component", context());
        }
        if (extension.find('.') != std::string::npos) fail("the extension holds a dot", context());
        if (stripped.lastPathComponent() + "." + extension != last) {
            fail("deleting the extension did more than remove it",
                 context() + " stripped='" + escaped(stripped.path()) + "'");
        }
        if (stripped.hasDirectoryPath() != url.hasDirectoryPath()) {
            fail("deleting the extension changed the trailing slash", context());
        }
    }

    const FileUrl parent = url.deletingLastPathComponent();
    // A relative path's folder is relative too: a rename computed from it can
    // never land below "/".
    if (!path.empty() && path.front() != '/' &&
        (parent.path().empty() || parent.path().front() == '/' || !parent.hasDirectoryPath())) {
        fail("the folder of a relative path is not a relative folder",
             context() + " parent='" + escaped(parent.path()) + "'");
    }
    if (isNormalPath(path)) {
        std::string withoutSlash = path;
        if (withoutSlash.back() == '/') withoutSlash.pop_back();
        if (!parent.hasDirectoryPath()) fail("the parent of a normal path is no folder", context());
        if (parent.appendingPathComponent(last).path() != withoutSlash) {
            fail("parent + last component names another file",
                 context() + " parent='" + escaped(parent.path()) + "'");
        }
    }

    if (!component.empty() && component.find('/') == std::string::npos && component != "." &&
        component != "..") {
        const FileUrl child = url.appendingPathComponent(component);
        if (child.lastPathComponent() != component) {
            fail("an appended component is not the last component",
                 context() + " component='" + escaped(component) + "'");
        }
        const std::string folder = path.empty() || path.back() != '/' ? path + "/" : path;
        if (child.deletingLastPathComponent().path() != folder) {
            fail("an appended component does not sit under the path",
                 context() + " component='" + escaped(component) + "'");
        }
    }
    return 0;
}
