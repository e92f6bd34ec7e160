// ListedUrls: whether a list of files holds a URL, answered in constant time.
//
// An index over a list it does not own: it keeps the positions of the list's
// items, hashed by the texts of their URLs, and reads the list itself for every
// comparison, so no path is copied. It must be told of every change of the
// list: add() after items were appended, rebuild() after any other change.
//
// Not copyable or movable (it refers to the list). Not thread-safe.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "model/file_item.h"

namespace vellumix {

class ListedUrls {
public:
    explicit ListedUrls(const std::vector<FileItem>& files)
        : files_(files), positions_(0, Hash{&files}, Equal{&files}) {
        rebuild();
    }
    ListedUrls(const ListedUrls&) = delete;
    ListedUrls& operator=(const ListedUrls&) = delete;

    // URLs are the same when their texts are equal.
    bool contains(std::string_view path) const { return positions_.contains(path); }
    // The position of the item with the URL `path`, if the list holds one.
    std::optional<std::size_t> positionOf(std::string_view path) const {
        const auto found = positions_.find(path);
        return found != positions_.end() ? std::optional(*found) : std::nullopt;
    }

    // Takes in the items from position `first` to the end of the list.
    void add(std::size_t first) {
        for (std::size_t i = first; i < files_.size(); ++i)
            positions_.insert(i);
    }

    void rebuild() {
        positions_.clear();
        positions_.reserve(files_.size());
        add(0);
    }

private:
    // A position stands for the path of the item there; a path, for itself.
    struct Key {
        const std::vector<FileItem>* files;
        std::string_view operator()(std::size_t position) const {
            return (*files)[position].url.path();
        }
        std::string_view operator()(std::string_view path) const { return path; }
    };
    struct Hash : Key {
        using is_transparent = void;
        std::size_t operator()(auto key) const {
            return std::hash<std::string_view>{}(Key::operator()(key));
        }
    };
    struct Equal : Key {
        using is_transparent = void;
        bool operator()(auto a, auto b) const { return Key::operator()(a) == Key::operator()(b); }
    };

    const std::vector<FileItem>& files_;
    std::unordered_set<std::size_t, Hash, Equal> positions_;
};

}  // namespace vellumix
