// The words of a row's mark (see viewmodel/preview_marks.h): the short text
// of its badge in the status column ("Will fail") and the sentences that say
// why (the failure's own sentence, or why the file is skipped or warned
// about), in the installed language. UI thread only.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstddef>

#include "model/file_item.h"
#include "viewmodel/preview_marks.h"

namespace vellumix::ui {

class MarkTexts {
    Q_DECLARE_TR_FUNCTIONS(vellumix::ui::MarkTexts)

public:
    // The badge's text of `mark` ("" for none).
    static QString badge(PreviewMarks::Mark mark);
    // Why `item`, the row at `position` of the preview that `marks` are of,
    // is marked: one sentence, or one per line for several warnings; "" when
    // it is not.
    static QString reason(const PreviewMarks& marks, const FileItem& item, std::size_t position);
};

}  // namespace vellumix::ui
