#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QStyle>
#include <QStyleFactory>

#include "ui/about_dialog.h"
#include "ui/app_identity.h"
#include "ui/content_view.h"
#include "ui/symbol_icons.h"

namespace vellumix::ui {

namespace {

constexpr int kMinimumWidth = 960;
constexpr int kMinimumHeight = 640;

}  // namespace

void setUpApplication(QApplication& app) {
    applyApplicationIdentity();
    // The platform's own style, unless it offers none better than the bare one.
    if (app.style()->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0 &&
        QStyleFactory::keys().contains(QLatin1String("Fusion"), Qt::CaseInsensitive)) {
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
    setUpIconTheme();
    QApplication::setWindowIcon(applicationIcon());
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(tr("Vellumix"));
    content_ = new ContentView(this);
    content_->setMinimumSize(kMinimumWidth, kMinimumHeight);
    setCentralWidget(content_);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    quit_ = file->addAction(QIcon::fromTheme(QStringLiteral("application-exit")), tr("&Quit"));
    // Ctrl+Q everywhere, beside whatever the platform's key scheme binds to
    // quitting (some platform themes bind nothing).
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    const QKeySequence ctrlQ(Qt::CTRL | Qt::Key_Q);
    if (!quitKeys.contains(ctrlQ)) quitKeys.prepend(ctrlQ);
    quit_->setShortcuts(quitKeys);
    quit_->setMenuRole(QAction::QuitRole);
    connect(quit_, &QAction::triggered, qApp, &QApplication::closeAllWindows);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    about_ = help->addAction(QIcon::fromTheme(QStringLiteral("help-about")), tr("About Vellumix"));
    about_->setMenuRole(QAction::AboutRole);
    connect(about_, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::showAbout() {
    if (!aboutDialog_) {
        aboutDialog_ = new AboutDialog(this);
        aboutDialog_->setAttribute(Qt::WA_DeleteOnClose);
    }
    aboutDialog_->show();
    aboutDialog_->raise();
    aboutDialog_->activateWindow();
}

}  // namespace vellumix::ui
