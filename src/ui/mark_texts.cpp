#include "ui/mark_texts.h"

#include <QStringList>

#include "engine/failure_text.h"
#include "viewmodel/name_warning.h"

namespace vellumix::ui {

QString MarkTexts::badge(PreviewMarks::Mark mark) {
    switch (mark) {
        case PreviewMarks::Mark::none:
            return {};
        case PreviewMarks::Mark::willFail:
            return tr("Will fail");
        case PreviewMarks::Mark::notUtf8:
        case PreviewMarks::Mark::emptyName:
            return tr("Skipped");
        case PreviewMarks::Mark::warning:
            return tr("Warning");
    }
    return {};
}

QString MarkTexts::reason(const PreviewMarks& marks, const FileItem& item, std::size_t position) {
    switch (marks.at(position)) {
        case PreviewMarks::Mark::none:
            return {};
        case PreviewMarks::Mark::willFail:
            return QString::fromStdString(failureText(marks.foresight->outcomes[position].failure));
        case PreviewMarks::Mark::notUtf8:
            return tr("\u201C%1\u201D can't be renamed: its name is not valid text.")
                .arg(QString::fromStdString(readableName(item.currentName())));
        case PreviewMarks::Mark::emptyName:
            return QString::fromStdString(
                failureText(Failure{FailureKind::emptyName, item.currentName(), {}, 0, {}}));
        case PreviewMarks::Mark::warning:
            break;
    }
    const NameWarnings warnings = nameWarnings(item.currentName(), item.newName);
    QStringList lines;
    if (warnings.onlyExtension) lines << tr("Nothing is left of the name but its extension.");
    if (warnings.hides) lines << tr("The new name begins with a dot: the file will be hidden.");
    return lines.join(QLatin1Char('\n'));
}

}  // namespace vellumix::ui
