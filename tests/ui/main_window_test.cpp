// The application shell: its menus, its minimum size and the About window.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "ui/about_dialog.h"
#include "ui/content_view.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

using vellumix::ui::AboutDialog;
using vellumix::ui::MainWindow;
using vellumix::ui::testing::settle;

namespace {

QStringList menuTexts(const MainWindow& window) {
    QStringList texts;
    for (QAction* menu : window.menuBar()->actions()) {
        for (QAction* action : menu->menu()->actions()) {
            if (!action->isSeparator()) texts << menu->text() + " > " + action->text();
        }
    }
    return texts;
}

int aboutWindowCount() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<AboutDialog*>(widget) && widget->isVisible()) ++count;
    }
    return count;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void menusOfferQuitAndAboutOnly() {
        MainWindow window;
        QCOMPARE(menuTexts(window), (QStringList{"&File > &Quit", "&Help > About Vellumix"}));
        QCOMPARE(window.quitAction()->shortcut(), QKeySequence(QKeySequence::Quit));
        QCOMPARE(window.windowTitle(), QStringLiteral("Vellumix"));
    }

    void contentIsNeverSmallerThan960By640() {
        MainWindow window;
        window.show();
        window.resize(400, 300);
        settle();
        QVERIFY(window.content()->width() >= 960);
        QVERIFY(window.content()->height() >= 640);
        window.resize(1400, 900);
        settle();
        QVERIFY(window.content()->width() > 960);
    }

    void aboutShowsNameVersionAndCredits() {
        MainWindow window;
        window.show();
        window.aboutAction()->trigger();
        AboutDialog* about = window.aboutDialog();
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QCOMPARE(about->nameLabel()->text(), QStringLiteral("Vellumix"));
        QVERIFY(about->versionLabel()->text().contains(QStringLiteral(VELLUMIX_EXPECTED_VERSION)));
        QCOMPARE(about->creditLabel()->text(), QStringLiteral("© 2026 The Vellumix developers"));
        QLabel* link = about->linkLabel();
        QVERIFY(link->text().contains(QStringLiteral("href=\"https://vellumix.org\"")));
        QVERIFY(link->text().contains(QStringLiteral(">vellumix.org</a>")));
        QVERIFY(link->openExternalLinks());
        for (QLabel* line : {about->creditLabel(), link})
            QCOMPARE(line->font().pixelSize(), 12);
        // The credit line is drawn fainter than the name.
        QVERIFY(about->creditLabel()->palette().color(QPalette::WindowText).alpha() <
                about->nameLabel()->palette().color(QPalette::WindowText).alpha());
    }

    void aboutOpensOnce() {
        MainWindow window;
        window.show();
        window.showAbout();
        AboutDialog* first = window.aboutDialog();
        window.aboutAction()->trigger();
        QCOMPARE(window.aboutDialog(), first);
        QCOMPARE(aboutWindowCount(), 1);
        first->close();
        settle();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.aboutDialog());
        window.showAbout();
        QVERIFY(window.aboutDialog());
        QCOMPARE(aboutWindowCount(), 1);
    }
};

VELLUMIX_UI_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
