// FileUrl: an absolute file path, kept byte for byte.
//
// A path on Linux is a sequence of bytes that need not be UTF-8; nothing here
// decodes, normalises or resolves it. Two URLs are equal exactly when their
// texts are equal, so symbolic links, "." and ".." segments, a trailing "/" and
// letter case all make URLs differ. A path that ends with "/" names a directory.
//
// Extension rule: a name's extension is the text after its last dot when that
// dot is neither the first nor the last character of the name; otherwise the
// name has no extension (".profile", "name." and "..." are all base name).
//
// Intentionally copyable; a plain value, safe to use from any thread.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vellumix {

class FileUrl {
public:
    explicit FileUrl(std::string absolutePath);

    const std::string& path() const { return path_; }

    // The file name: "/a/b.txt" -> "b.txt", "/a/dir/" -> "dir", "/" -> "/".
    std::string lastPathComponent() const;
    // "/a/b.tar.gz" -> "gz"; "" when the name has no extension.
    std::string pathExtension() const;
    // "/a/b.tar.gz" -> "/a/b.tar"; unchanged when the name has no extension.
    FileUrl deletingPathExtension() const;
    // "/a/b.txt" -> "/a/", "/a/dir/" -> "/a/", "/" -> "/", "b.txt" -> "./".
    FileUrl deletingLastPathComponent() const;
    // "/a/" + "b.txt" -> "/a/b.txt"; "/a" + "b.txt" -> "/a/b.txt". The component is
    // appended as it stands, even when it holds a "/".
    FileUrl appendingPathComponent(std::string_view component) const;
    // The path ends with '/'.
    bool hasDirectoryPath() const;

    friend bool operator==(const FileUrl&, const FileUrl&) = default;

private:
    std::string path_;
};

// The last path component of `path` as a view into it: what
// FileUrl::lastPathComponent() returns for that path, without a copy.
std::string_view lastPathComponent(std::string_view path);

// Where the extension of `name` begins (the index of its dot), or npos when the
// name has no extension. Works on bytes; a dot is always the byte 0x2E in UTF-8.
std::size_t extensionDot(std::string_view name);

}  // namespace vellumix

template <>
struct std::hash<vellumix::FileUrl> {
    std::size_t operator()(const vellumix::FileUrl& url) const noexcept {
        return std::hash<std::string>{}(url.path());
    }
};
