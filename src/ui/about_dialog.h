// AboutDialog: the About window: the application's icon and name, its version,
// and two credit lines in small secondary text, the second a link to the web
// site. Not modal; the main window keeps at most one open.
#pragma once

#include <QDialog>

class QLabel;

namespace vellumix::ui {

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    QLabel* nameLabel() const { return name_; }
    QLabel* versionLabel() const { return version_; }
    QLabel* creditLabel() const { return credit_; }
    QLabel* linkLabel() const { return link_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyLinkText();

    QLabel* name_;
    QLabel* version_;
    QLabel* credit_;
    QLabel* link_;
};

}  // namespace vellumix::ui
