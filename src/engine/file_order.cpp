#include "engine/file_order.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace vellumix {
namespace {

// The key a file is sorted by: a text to compare as bytes (a collation key),
// then a number; `known` false sorts last.
struct SortingKey {
    std::string text;
    std::int64_t number = 0;
    bool known = true;
};

// Collation keys of the default locale, numbers by value.
class NameKeys {
public:
    NameKeys() {
        UErrorCode status = U_ZERO_ERROR;
        // The "C" locale is ICU's en_US_POSIX, whose collation is byte order
        // (Zebra before apple): nobody reads names so, so it reads them as English.
        icu::Locale locale = icu::Locale::getDefault();
        if (std::string_view(locale.getName()) == "en_US_POSIX") locale = icu::Locale::getEnglish();
        collator_.reset(icu::Collator::createInstance(locale, status));
        if (U_FAILURE(status)) collator_.reset();
        if (collator_) collator_->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
    }

    // The key of `name` (UTF-8; other bytes read as U+FFFD), then the name's
    // bytes, so that names the collator finds equal still have one order.
    std::string keyOf(const std::string& name) const {
        std::string key;
        if (collator_) {
            const icu::UnicodeString text = icu::UnicodeString::fromUTF8(name);
            key.resize(64);
            int32_t length = collator_->getSortKey(text, reinterpret_cast<uint8_t*>(key.data()),
                                                   static_cast<int32_t>(key.size()));
            if (length > static_cast<int32_t>(key.size())) {
                key.resize(static_cast<std::size_t>(length));
                length = collator_->getSortKey(text, reinterpret_cast<uint8_t*>(key.data()), length);
            }
            // The key ends in a NUL byte, which keeps "a" before "a b".
            key.resize(static_cast<std::size_t>(length));
        }
        return key + name;
    }

private:
    std::unique_ptr<icu::Collator> collator_;
};

std::optional<struct stat> statOf(const FileItem& file) {
    struct stat info {};
    if (::lstat(file.url.path().c_str(), &info) != 0) return std::nullopt;
    return info;
}

std::int64_t nanosecondsOf(FileDates::Time time) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
}

// The date a date key sorts `file` by, as nanoseconds; none when unknown.
std::optional<std::int64_t> dateOf(const FileItem& file, SortKey key) {
    if (file.dates) {
        const std::optional<FileDates::Time> date =
            key == SortKey::dateTaken && file.dates->taken ? file.dates->taken : file.dates->modified;
        if (!date) return std::nullopt;
        return nanosecondsOf(*date);
    }
    const std::optional<struct stat> info = statOf(file);
    if (!info) return std::nullopt;
    return static_cast<std::int64_t>(info->st_mtim.tv_sec) * 1'000'000'000 + info->st_mtim.tv_nsec;
}

SortingKey keyOf(const FileItem& file, SortKey key, const NameKeys& names) {
    const std::string name = file.currentName();
    switch (key) {
        case SortKey::name:
            return {names.keyOf(name)};
        case SortKey::type:
            return {names.keyOf(file.url.pathExtension()) + '\0' + names.keyOf(name)};
        case SortKey::dateModified:
        case SortKey::dateTaken: {
            const std::optional<std::int64_t> date = dateOf(file, key);
            if (!date) return {{}, 0, false};
            return {names.keyOf(name), *date};
        }
        case SortKey::size: {
            const std::optional<struct stat> info = statOf(file);
            if (!info) return {{}, 0, false};
            return {names.keyOf(name), static_cast<std::int64_t>(info->st_size)};
        }
    }
    return {};
}

}  // namespace

std::vector<std::size_t> sortedPositions(const std::vector<FileItem>& files, FileSort sort) {
    const NameKeys names;
    std::vector<SortingKey> keys;
    keys.reserve(files.size());
    for (const FileItem& file : files)
        keys.push_back(keyOf(file, sort.key, names));

    std::vector<std::size_t> positions(files.size());
    std::iota(positions.begin(), positions.end(), std::size_t{0});
    const bool byNumber = sort.key == SortKey::dateModified || sort.key == SortKey::dateTaken ||
                          sort.key == SortKey::size;
    std::stable_sort(positions.begin(), positions.end(), [&](std::size_t a, std::size_t b) {
        const SortingKey& x = keys[a];
        const SortingKey& y = keys[b];
        if (x.known != y.known) return x.known;
        if (!x.known) return false;
        // The number first where there is one; equal numbers by name, ascending.
        if (byNumber && x.number != y.number) return sort.descending ? y.number < x.number
                                                                     : x.number < y.number;
        if (byNumber) return x.text < y.text;
        return sort.descending ? y.text < x.text : x.text < y.text;
    });
    return positions;
}

}  // namespace vellumix
