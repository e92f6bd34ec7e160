// BatchProgressDialog: how far a long batch (a rename, its undo or redo) has
// come, with a way to stop it.
//
// Made as the batch starts, it shows itself only once the batch has run half
// a second, so that a quick batch flashes nothing: "Renaming 1,234 of
// 10,000…", the name of the file being moved, a bar, and Cancel. Escape,
// Cancel and the dialog's close button all ask the view model to stop before
// the next move; the dialog then says it is stopping and waits for the batch
// to end. A drive that lets 5 seconds pass without a move is said not to be
// answering. From the start the window takes no input but that Escape: the
// list and the rules can't change under a running batch. It reads the view
// model ten times a second and is destroyed by its owner when the batch ends.
// UI thread only.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vellumix {
class RenameViewModel;
}

namespace vellumix::ui {

class BatchProgressDialog : public QDialog {
    Q_OBJECT

public:
    // Watches the batch `vm` runs; `title` names it ("Rename", "Undo Rename").
    // `window` is the one whose input waits for the batch; it is the parent.
    BatchProgressDialog(RenameViewModel& vm, const QString& title, QWidget* window);
    ~BatchProgressDialog() override;

    QLabel* countLabel() const { return count_; }
    QLabel* nameLabel() const { return name_; }
    QLabel* stallLabel() const { return stall_; }
    QProgressBar* bar() const { return bar_; }
    QPushButton* cancelButton() const { return cancel_; }

    // Reads the view model and shows what it says; shows the dialog once the
    // batch has run long enough.
    void refresh();

    // Every way of closing the dialog (Escape, its close button) cancels.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RenameViewModel& vm_;
    QWidget* window_;
    QLabel* count_;
    QLabel* name_;
    QLabel* stall_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    QTimer ticks_;
    QElapsedTimer sinceStart_;
    QElapsedTimer sinceMove_;
    std::int64_t lastStarted_ = -1;
};

}  // namespace vellumix::ui
