// fileIcon: the symbol shown before a file's name in the list, chosen by the
// file's extension. A pure function without Qt, usable without a display; the
// widgets map the symbol names to theme icons (ui/symbol_icons.h).
//
// The extension (FileUrl::pathExtension) is lower-cased (ASCII letters only: no
// extension of the table holds another letter) and looked up row by row by
// exact equality; an extension in no row, or none at all, gives the generic
// document symbol. Variants that are not listed stay generic:
//   fileIcon(FileUrl("/p/PHOTO.PNG"))     == "photo"
//   fileIcon(FileUrl("/p/backup.tar.gz")) == "archivebox"   (the extension is gz)
//   fileIcon(FileUrl("/p/image.tif"))     == "doc"          (only tiff is listed)
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/file_url.h"

namespace vellumix::ui {

// The symbol of the generic document icon.
inline constexpr std::string_view kGenericDocumentSymbol = "doc";

namespace detail {

inline constexpr std::string_view kPhotoExtensions[] = {
    "png", "jpeg", "heic", "webp", "tiff", "jpg", "gif", "bmp", "svg", "raw", "dng"};
inline constexpr std::string_view kFilmExtensions[] = {"avi", "m4v", "mp4", "mov", "mkv", "webm"};
inline constexpr std::string_view kMusicExtensions[] = {"mp3", "aac", "flac", "wav",
                                                        "m4a", "ogg", "opus"};
inline constexpr std::string_view kRichTextExtensions[] = {"pdf"};
inline constexpr std::string_view kArchiveExtensions[] = {"zip", "rar", "7z",  "gz", "bz2",
                                                          "xz",  "tar", "tgz", "zst"};
inline constexpr std::string_view kCodeExtensions[] = {
    "swift", "py", "js", "ts", "java", "c", "cpp", "h", "hpp", "rs", "go", "rb", "sh", "kt", "cs"};

struct FileIconRow {
    std::span<const std::string_view> extensions;
    std::string_view symbol;
};

// Tested in this order; no extension stands in two rows.
inline constexpr FileIconRow kFileIconTable[] = {
    {kPhotoExtensions, "photo"},
    {kFilmExtensions, "film"},
    {kMusicExtensions, "music.note"},
    {kRichTextExtensions, "doc.richtext"},
    {kArchiveExtensions, "archivebox"},
    {kCodeExtensions, "chevron.left.forwardslash.chevron.right"},
};

}  // namespace detail

// The symbol name for the file at `url`.
inline std::string_view fileIcon(const FileUrl& url) {
    std::string extension = url.pathExtension();
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    for (const detail::FileIconRow& row : detail::kFileIconTable) {
        for (std::string_view listed : row.extensions) {
            if (listed == extension) return row.symbol;
        }
    }
    return kGenericDocumentSymbol;
}

}  // namespace vellumix::ui
