// A long batch in the window, on a drive where every move takes 5 ms: the
// progress, the cancel, and closing the window while it runs.

#include <fstream>

#include "support/mounted_drive.h"
#include "ui_test_support.h"

using namespace vellumix;
using namespace vellumix::ui;
using namespace vellumix::ui::testing;

namespace {

constexpr int kFiles = 400;

// kFiles files f000 … f399 on `drive`, listed in `w` to become g000 … g399.
void listFilesToRename(TestWindow& w, const vellumix::testing::MountedDrive& drive) {
    std::vector<FileUrl> urls;
    for (int i = 0; i < kFiles; ++i) {
        const std::string name = QStringLiteral("f%1").arg(i, 3, 10, QLatin1Char('0')).toStdString();
        std::ofstream(drive.backing() + "/" + name) << i;
        urls.emplace_back(drive.path() + "/" + name);
    }
    w.vm().addFiles(urls);
    w.configure([](RenameConfig& c) {
        c.rule = RenameRule::replace;
        c.findText = "f";
        c.replaceText = "g";
    });
}

// How many of the files are at their new names; the others must be at their old ones.
int renamedOnDisk(const vellumix::testing::MountedDrive& drive) {
    const QDir folder(QString::fromStdString(drive.backing()));
    const int renamed = static_cast<int>(folder.entryList({QStringLiteral("g*")}).size());
    return folder.entryList({QStringLiteral("f*")}).size() + renamed == kFiles ? renamed : -1;
}

// Counts the paint events a widget gets.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override { return (paints += event->type() == QEvent::Paint) < 0; }
};

}  // namespace

class BatchProgressTest : public QObject {
    Q_OBJECT

private slots:
    // The progress shows after half a second; until the batch ends the window
    // repaints and takes no other input, also while the drive does not answer;
    // Escape stops it before the next move,
    // and the alert counts the files not attempted. Closing the window stops
    // the next batch the same way and closes once it has ended, without an alert.
    void longBatchShowsProgressStopsAtEscapeAndAtClose() {
        const vellumix::testing::MountedDrive drive(vellumix::testing::FileSystem::slow);
        if (drive.path().empty()) QSKIP(drive.skipReason().c_str());
        TestWindow w;
        listFilesToRename(w, drive);
        QTest::mouseClick(w.view().renameButton(), Qt::LeftButton);
        BatchProgressDialog* progress = w.view().batchProgress();
        QVERIFY(progress && !progress->isVisible());
        QTest::mouseClick(w.view().clearButton(), Qt::LeftButton);
        QCOMPARE(w.vm().files().size(), std::size_t{kFiles});

        QVERIFY(QTest::qWaitFor([&] { return progress->isVisible(); }, 5000));
        QCOMPARE(progress->windowTitle(), QStringLiteral("Rename"));
        QVERIFY2(progress->countLabel()->text().contains(QRegularExpression(
                     QStringLiteral("^Renaming [1-9][0-9]* of 400\u2026$"))),
                 qPrintable(progress->countLabel()->text()));
        QVERIFY(progress->nameLabel()->text().startsWith(QLatin1Char('f')));
        PaintCounter counter;
        QWidget* viewport = w.view().fileList()->table()->viewport();
        viewport->installEventFilter(&counter);
        viewport->update();
        QTest::qWait(200);
        QVERIFY(counter.paints > 0);
        // A drive that stops answering is said to, and the window still repaints.
        QVERIFY(!progress->stallLabel()->isVisible());
        QVERIFY(drive.freeze());
        QVERIFY(QTest::qWaitFor([&] { return progress->stallLabel()->isVisible(); }, 10000));
        QCOMPARE(progress->stallLabel()->text(), QStringLiteral("The drive is not answering."));
        QVERIFY(drive.thaw());
        QVERIFY(QTest::qWaitFor([&] { return !progress->stallLabel()->isVisible(); }, 5000));

        QTest::keyClick(progress, Qt::Key_Escape);
        QCOMPARE(progress->countLabel()->text(), QStringLiteral("Stopping before the next file\u2026"));
        QVERIFY(!progress->cancelButton()->isEnabled());
        settle();
        QVERIFY(!w.view().batchProgress());
        const int renamed = renamedOnDisk(drive);
        QVERIFY(renamed > 0 && renamed < kFiles);
        QCOMPARE(w.view().resultAlert()->text(),
                 QStringLiteral("\u2705 %1 file(s) renamed successfully.\n"
                                "\u23F9 %2 file(s) not attempted: the batch was cancelled.")
                     .arg(renamed)
                     .arg(kFiles - renamed));

        QTest::keyClick(w.view().resultAlert(), Qt::Key_Return);
        settle();
        w.window.activateWindow();  // as a window manager does once the alert is gone
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QTest::keyClick(&w.window, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(w.vm().batchStatus());
        QVERIFY(QTest::qWaitFor([&] { return w.vm().batchStatus()->started > 5; }, 5000));
        QVERIFY(!w.window.close());
        QVERIFY(w.window.isVisible() && w.vm().batchStatus()->cancelled);
        QVERIFY(QTest::qWaitFor([&] { return !w.window.isVisible(); }, 10000));
        QVERIFY(!w.view().resultAlert());
        QVERIFY(renamedOnDisk(drive) > renamed + 5 && renamedOnDisk(drive) < kFiles);
    }
};

VELLUMIX_UI_TEST_MAIN(BatchProgressTest)
#include "batch_progress_test.moc"
