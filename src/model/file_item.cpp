#include "model/file_item.h"

#include <utility>

namespace vellumix {

FileItem::FileItem(FileUrl url) : url(std::move(url)) {}

std::string FileItem::currentName() const { return url.lastPathComponent(); }

}  // namespace vellumix
