// MarksLine: the line under the preview's statistics that tells how many rows
// are marked (see viewmodel/preview_marks.h): "3 renames will fail" and "1
// file can't be renamed" in the error colour, "2 warnings" in the warning
// colour, each on its own line and left out at 0, hidden while nothing is
// marked; beside them two small buttons that step to the previous and the
// next marked row. Counts are plain decimal digits, as the badges above write
// them. It only shows and forwards: the stepping is the file list's. UI
// thread only.
#pragma once

#include <QWidget>

class QToolButton;

namespace vellumix {
struct PreviewMarks;
}

namespace vellumix::ui {

class StyledLabel;

class MarksLine : public QWidget {
    Q_OBJECT

public:
    explicit MarksLine(QWidget* parent = nullptr);

    // Shows the counts of `marks`; hides the line when nothing is marked.
    void setMarks(const PreviewMarks& marks);

    // The lines shown, one per kind of mark, joined by line feeds.
    QString text() const;
    QToolButton* previousButton() const { return previous_; }
    QToolButton* nextButton() const { return next_; }

signals:
    void previousRequested();
    void nextRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyColors();

    StyledLabel* failures_;
    StyledLabel* skipped_;
    StyledLabel* warnings_;
    QToolButton* previous_;
    QToolButton* next_;
};

}  // namespace vellumix::ui
