// ListHeader: the header row of the file list, the table's own horizontal
// header drawn as one band: a faint (quaternary) fill across the whole row,
// semibold column titles padded at the sides and above and below, the status
// title centred, and a divider line under the row.
#pragma once

#include <QHeaderView>

namespace vellumix::ui {

class ListHeader : public QHeaderView {
public:
    explicit ListHeader(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void changeEvent(QEvent* event) override;

private:
    void updateHeight();
};

}  // namespace vellumix::ui
