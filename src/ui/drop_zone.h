// DropZone: what the file list shows while it holds no file. A centred column
// (the "arrow.down.doc.fill" symbol, "Drop files or folders here", "or use the
// Add Files / Add Folder buttons") on a faint tint, framed by a dashed rounded
// border set in from its edges. It only shows where to drop: the drops
// themselves are taken and handled by the file list view around it
// (FileListView::dropEvent and handleDrop, in ui/file_list_view.h).
#pragma once

#include <QWidget>

class QLabel;

namespace vellumix::ui {

class StyledLabel;

class DropZone : public QWidget {
    Q_OBJECT

public:
    explicit DropZone(QWidget* parent = nullptr);

    StyledLabel* titleLabel() const { return title_; }
    StyledLabel* captionLabel() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applySymbol();

    QLabel* symbol_;
    StyledLabel* title_;
    StyledLabel* caption_;
};

}  // namespace vellumix::ui
