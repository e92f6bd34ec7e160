// ResultAlert: the result of a batch rename, a modal dialog titled "Result"
// with one button, "OK", beside the platform's information icon, or its
// warning icon when any file failed.
//
// The report is shown whole and verbatim at any length. Its counts stand at
// the top; its failure lines fill a
// read-only text area that wraps long lines, can be selected and copied, and
// scrolls within a bounded height. So the dialog fits on the screen of its
// parent, whether the list holds one line or a hundred thousand; only the
// lines in view are ever laid out. "Show Details…" opens a second such area
// below with every move the batch made, old name → new name, to look at and
// copy; it is not part of the message. OK, Enter and Escape close it.
// UI thread only.
#pragma once

#include <QDialog>

#include "viewmodel/result_report.h"

class QIcon;
class QLabel;
class QStyle;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace vellumix::ui {

// The icon the result alert shows: the platform's information icon, or its
// warning icon when any file failed or a cancel left any untouched.
[[nodiscard]] QIcon outcomeIcon(const QStyle& style, bool anyFailed);

class ResultAlert : public QDialog {
    Q_OBJECT

public:
    ResultAlert(const ResultReport& report, QWidget* parent);

    // The message as shown: the counts, then the list (when there is one).
    QString text() const;

    QLabel* summary() const { return summary_; }
    QLabel* icon() const { return icon_; }
    // The list of failures; null when the report has no failure heading.
    QPlainTextEdit* details() const { return details_; }
    QPushButton* okButton() const { return ok_; }
    // The button that shows and hides the moves; null when nothing was moved.
    QPushButton* detailsButton() const { return detailsButton_; }
    // The moves, one "old → new" per line; null until first shown.
    QPlainTextEdit* moves() const { return moves_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitToScreen();
    // Moves the dialog, where it stands partly off its screen, back onto it.
    void keepOnScreen();
    void toggleMoves();

    QLabel* summary_ = nullptr;
    QLabel* icon_ = nullptr;
    QPlainTextEdit* details_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* detailsButton_ = nullptr;
    QPlainTextEdit* moves_ = nullptr;
    QVBoxLayout* column_ = nullptr;
    std::vector<std::string> moveLines_;  // until the moves are first shown
};

}  // namespace vellumix::ui
