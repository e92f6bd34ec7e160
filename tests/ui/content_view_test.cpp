// The main window's content: which controls show in each state of the view
// model, the statistics, the rename button, Clear, the open dialogs, a full
// rename with its result alert, and the side column's width.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "model/rename_rule.h"
#include "ui/content_view.h"
#include "ui/drop_zone.h"
#include "ui/file_list_view.h"
#include "ui/palette_colors.h"
#include "ui/preview_table_model.h"
#include "ui/rule_panel.h"
#include "ui/stat_badge.h"
#include "ui_test_support.h"
#include "viewmodel/rename_view_model.h"

using vellumix::FileUrl;
using vellumix::RenameConfig;
using vellumix::RenameRule;
using vellumix::RenameViewModel;
using vellumix::Subscription;
using vellumix::ui::ContentView;
using vellumix::ui::StatBadge;
using vellumix::ui::testing::Sandbox;
using vellumix::ui::testing::settle;

namespace {

struct Window {
    Window() {
        counter = view.viewModel().onWillChange([this] { ++notifications; });
        view.resize(1000, 700);
        view.show();
        (void)QTest::qWaitForWindowExposed(&view);
    }

    RenameViewModel& vm() { return view.viewModel(); }

    void add(const std::vector<std::string>& paths) {
        std::vector<FileUrl> urls;
        for (const std::string& path : paths)
            urls.emplace_back(path);
        vm().addFiles(urls);
        settle();
    }

    void configure(const std::function<void(RenameConfig&)>& change) {
        RenameConfig config = vm().config();
        change(config);
        vm().setConfig(config);
        settle();
    }

    // Which of the four toolbar buttons are visible, and which of those are enabled.
    QString toolbar() const {
        QStringList shown;
        for (QPushButton* button : {view.addFilesButton(), view.addFolderButton(),
                                    view.clearButton(), view.renameButton()}) {
            if (!button->isVisible()) continue;
            shown << (button->isEnabled() ? button->text() : "(" + button->text() + ")");
        }
        return shown.join(QStringLiteral(", "));
    }

    QString badges() const {
        return QStringLiteral("%1 %2, %3 %4, %5 %6")
            .arg(view.totalBadge()->valueText(), view.totalBadge()->labelText(),
                 view.toRenameBadge()->valueText(), view.toRenameBadge()->labelText(),
                 view.unchangedBadge()->valueText(), view.unchangedBadge()->labelText());
    }

    ContentView view;
    int notifications = 0;
    Subscription counter;
};

// Runs `inspect` on the file dialog that `open` shows, then cancels it.
void whileDialogOpen(const std::function<void()>& open,
                     const std::function<void(QFileDialog*)>& inspect) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        seen = true;
        inspect(dialog);
        dialog->reject();
    });
    open();
    QVERIFY2(seen, "no file dialog was shown");
}

}  // namespace

class ContentViewTest : public QObject {
    Q_OBJECT

private slots:
    // What shows in each state of the view model.
    void controlsFollowTheState() {
        Sandbox files;
        Window w;
        auto* dropZone = w.view.fileList()->dropZone();
        QCOMPARE(w.toolbar(), QStringLiteral("Add Files, Add Folder"));
        QVERIFY(!w.view.statistics()->isVisible());
        QVERIFY(w.view.rulePanel()->isVisible());
        QVERIFY(dropZone->isVisible());

        w.add({files.write("a.txt"), files.write("b.txt")});
        QCOMPARE(w.toolbar(), QStringLiteral("Add Files, Add Folder, Clear, (Rename 0 File(s))"));
        QVERIFY(w.view.statistics()->isVisible());
        QVERIFY(!dropZone->isVisible());

        w.configure([](RenameConfig& c) { c.text = "new_"; });
        QCOMPARE(w.toolbar(), QStringLiteral("Add Files, Add Folder, Clear, Rename 2 File(s)"));

        w.vm().setIsProcessing(true);
        settle();
        QCOMPARE(w.toolbar(), QStringLiteral("Add Files, Add Folder, Clear, (Rename 2 File(s))"));
        w.vm().setIsProcessing(false);
        settle();
        QCOMPARE(w.toolbar(), QStringLiteral("Add Files, Add Folder, Clear, Rename 2 File(s)"));
    }

    void statisticsCountTheChanges_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("badges");
        QTest::addColumn<QString>("renameTitle");
        QTest::addColumn<bool>("renameEnabled");
        QTest::newRow("two of three change") << QStringList{"a1.txt", "a2.txt", "b.txt"} << "a"
                                             << "3 total, 2 to rename, 1 unchanged"
                                             << "Rename 2 File(s)" << true;
        QTest::newRow("one file, unchanged: count 0, shown but disabled")
            << QStringList{"b.txt"} << "a"
            << "1 total, 0 to rename, 1 unchanged"
            << "Rename 0 File(s)" << false;
        QTest::newRow("one file changes: still File(s)") << QStringList{"a.txt"} << "a"
                                                         << "1 total, 1 to rename, 0 unchanged"
                                                         << "Rename 1 File(s)" << true;
    }

    void statisticsCountTheChanges() {
        QFETCH(QStringList, names);
        QFETCH(QString, find);
        QFETCH(QString, badges);
        QFETCH(QString, renameTitle);
        QFETCH(bool, renameEnabled);
        Sandbox files;
        Window w;
        std::vector<std::string> paths;
        for (const QString& name : names)
            paths.push_back(files.write(name.toStdString()));
        w.add(paths);
        w.configure([&](RenameConfig& c) {
            c.rule = RenameRule::replace;
            c.findText = find.toStdString();
            c.replaceText = "z";
        });
        QCOMPARE(w.badges(), badges);
        QCOMPARE(w.view.renameButton()->text(), renameTitle);
        QVERIFY(w.view.renameButton()->isVisible());
        QCOMPARE(w.view.renameButton()->isEnabled(), renameEnabled);
    }

    void clearEmptiesTheListAndKeepsTheRule() {
        Sandbox files;
        Window w;
        w.add({files.write("a.txt"), files.write("b.txt")});
        w.configure([](RenameConfig& c) { c.text = "keep_"; });
        const int before = w.notifications;
        QTest::mouseClick(w.view.clearButton(), Qt::LeftButton);
        QCOMPARE(w.notifications, before + 1);
        settle();
        QVERIFY(w.vm().files().empty());
        QCOMPARE(w.toolbar(), QStringLiteral("Add Files, Add Folder"));
        QVERIFY(!w.view.statistics()->isVisible());
        QVERIFY(w.view.fileList()->dropZone()->isVisible());
        QCOMPARE(w.vm().config().text, std::string("keep_"));
        QCOMPARE(w.view.findChild<QLineEdit*>("prefixField")->text(), QStringLiteral("keep_"));
        QVERIFY(files.exists("a.txt"));
    }

    void renameShowsTheResultUntilOk() {
        Sandbox files;
        Window w;
        w.add({files.write("a.txt"), files.write("b.txt")});
        QTest::keyClicks(w.view.findChild<QLineEdit*>("prefixField"), "new_");
        settle();
        QVERIFY(w.view.renameButton()->isEnabled());

        QTest::mouseClick(w.view.renameButton(), Qt::LeftButton);
        settle();
        QVERIFY(files.exists("new_a.txt"));
        QVERIFY(files.exists("new_b.txt"));
        QVERIFY(!files.exists("a.txt"));

        QMessageBox* alert = w.view.resultAlert();
        QVERIFY(alert);
        QVERIFY(alert->isVisible());
        QCOMPARE(alert->windowTitle(), QStringLiteral("Result"));
        QCOMPARE(alert->text(), QStringLiteral("\u2705 2 file(s) renamed successfully."));
        QCOMPARE(alert->windowModality(), Qt::WindowModal);
        QCOMPARE(alert->buttons().size(), 1);
        QAbstractButton* ok = alert->buttons().first();
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(w.vm().showAlert());

        QTest::mouseClick(ok, Qt::LeftButton);
        settle();
        QVERIFY(!w.vm().showAlert());
        QVERIFY(!w.view.resultAlert());
        // The rule still applies to the new names.
        QCOMPARE(w.badges(), QStringLiteral("2 total, 2 to rename, 0 unchanged"));
    }

    void alertShowsFailuresVerbatim() {
        Sandbox files;
        Window w;
        w.add({files.write("a.txt"), files.write("<b>.txt")});
        files.write("new_<b>.txt");
        w.configure([](RenameConfig& c) { c.text = "new_"; });
        w.view.renameButton()->click();
        settle();
        QMessageBox* alert = w.view.resultAlert();
        QVERIFY(alert);
        QCOMPARE(alert->textFormat(), Qt::PlainText);
        QCOMPARE(alert->text(), QString::fromStdString(w.vm().alertMessage()));
        QVERIFY(alert->text().contains(QStringLiteral("\u2022 <b>.txt: ")));
        alert->buttons().first()->click();
        settle();
        QVERIFY(!w.vm().showAlert());
    }

    void cancelledDialogsChangeNothing() {
        Window w;
        whileDialogOpen(
            [&] { w.view.openFilePicker(); },
            [](QFileDialog* dialog) { QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFiles); });
        whileDialogOpen([&] { w.view.openFolderPicker(); },
                        [](QFileDialog* dialog) {
                            QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
                            QVERIFY(dialog->testOption(QFileDialog::ShowDirsOnly));
                        });
        settle();
        QCOMPARE(w.notifications, 0);
        QVERIFY(w.vm().files().empty());
    }

    // A palette change (the desktop switching to dark) recolours what the
    // window colours itself: texts, the red Clear button, the new names.
    void coloursFollowThePalette() {
        Sandbox files;
        Window w;
        w.add({files.write("a.txt")});
        w.configure([](RenameConfig& c) { c.text = "x_"; });
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
            dark.setColor(role, QColor(0x2a, 0x2a, 0x2a));
        }
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            dark.setColor(role, QColor(0xee, 0xee, 0xee));
        }
        QApplication::setPalette(dark);
        settle();

        const QColor red = vellumix::ui::systemColor(dark, vellumix::ui::SystemColor::red);
        QCOMPARE(w.view.clearButton()->palette().color(QPalette::ButtonText), red);
        QVERIFY(red != vellumix::ui::systemColor(light, vellumix::ui::SystemColor::red));
        auto* title = w.view.findChild<QLabel*>("appTitle");
        QCOMPARE(title->palette().color(QPalette::WindowText).rgb(),
                 QColor(0xee, 0xee, 0xee).rgb());
        const QModelIndex newName = w.view.fileList()->model()->index(0, 1);
        QCOMPARE(newName.data(Qt::ForegroundRole).value<QColor>().rgb(),
                 QColor(0xee, 0xee, 0xee).rgb());
        QApplication::setPalette(light);
        settle();
        QCOMPARE(title->palette().color(QPalette::WindowText).rgb(),
                 light.color(QPalette::WindowText).rgb());
    }

    void sideColumnStaysBetween280And340() {
        Window w;
        w.view.resize(1200, 700);
        QSplitter* splitter = w.view.splitter();
        QScrollArea* side = w.view.sideColumn();
        for (int wanted : {0, 100, 279, 300, 341, 800}) {
            splitter->setSizes({wanted, 1200 - wanted});
            settle();
            QVERIFY2(side->width() >= 280 && side->width() <= 340,
                     qPrintable(QStringLiteral("asked %1, got %2").arg(wanted).arg(side->width())));
        }
        QVERIFY(!splitter->childrenCollapsible());
    }
};

VELLUMIX_UI_TEST_MAIN(ContentViewTest)
#include "content_view_test.moc"
