// The window for keyboard and screen-reader users: every control is named and
// described, the Tab key walks the rule panel, the toolbar row and the table in
// that order, the list can be edited from the keyboard alone, focus is visible,
// and the table tells assistive technology what its badges show.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/rename_rule.h"
#include "ui/content_view.h"
#include "ui/drop_zone.h"
#include "ui/file_list_view.h"
#include "ui/main_window.h"
#include "ui/preview_table_model.h"
#include "ui/rule_panel.h"
#include "ui/stat_badge.h"
#include "ui_test_support.h"
#include "viewmodel/rename_view_model.h"

using vellumix::FileUrl;
using vellumix::RenameConfig;
using vellumix::RenameRule;
using vellumix::ui::ContentView;
using vellumix::ui::MainWindow;
using vellumix::ui::testing::Sandbox;
using vellumix::ui::testing::settle;

using Configure = std::function<void(RenameConfig&)>;
Q_DECLARE_METATYPE(Configure)

namespace {

struct Window {
    Window() {
        window.resize(1000, 700);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
    }

    ContentView& content() { return *window.content(); }
    vellumix::RenameViewModel& vm() { return content().viewModel(); }

    void add(const std::vector<std::string>& paths) {
        std::vector<FileUrl> urls;
        for (const std::string& path : paths)
            urls.emplace_back(path);
        vm().addFiles(urls);
        settle();
    }

    void configure(const Configure& change) {
        RenameConfig config = vm().config();
        change(config);
        vm().setConfig(config);
        settle();
    }

    MainWindow window;
};

// The name of the control that has the keyboard focus (a spin box rather than
// the text field inside it).
QString focusedName() {
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) return name;
    }
    return QStringLiteral("(none)");
}

// The controls that Tab (or Shift+Tab) visits from the focused one, until it
// comes back or after `limit` steps.
QStringList walk(Qt::Key key, int limit = 20) {
    const QString start = focusedName();
    QStringList visited{start};
    for (int step = 0; step < limit; ++step) {
        QTest::keyClick(QApplication::focusWidget(), key);
        visited << focusedName();
        if (visited.back() == start) break;
    }
    return visited;
}

// Every control of the kinds a user operates, hidden ones included; the text
// fields inside spin boxes and pickers belong to those.
QList<QWidget*> controlsOf(QWidget* root) {
    QList<QWidget*> controls;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        const bool operated =
            qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
            qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QTableView*>(widget) ||
            (qobject_cast<QLineEdit*>(widget) &&
             !qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) &&
             !qobject_cast<QComboBox*>(widget->parentWidget()));
        if (operated) controls << widget;
    }
    return controls;
}

QString accessibleText(QObject* object, QAccessible::Text kind) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(kind) : QString();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void tabWalksRulePanelToolbarAndTable_data() {
        QTest::addColumn<bool>("withFiles");
        QTest::addColumn<Configure>("configure");
        QTest::addColumn<QStringList>("expected");
        const QStringList toolbar{"addFilesButton", "addFolderButton", "clearButton",
                                  "renameButton",   "previewTable",    "rulePicker"};
        const auto rule = [](RenameRule rule) {
            return Configure([rule](RenameConfig& c) {
                c.rule = rule;
                c.text = "x_";
                c.findText = "a";
            });
        };
        QTest::newRow("empty list: no Clear, no rename button, no table")
            << false << rule(RenameRule::addPrefix)
            << QStringList{"rulePicker", "prefixField", "addFilesButton", "addFolderButton",
                           "rulePicker"};
        QTest::newRow("Add Prefix") << true << rule(RenameRule::addPrefix)
                                    << QStringList{"rulePicker", "prefixField"} + toolbar;
        QTest::newRow("Add Suffix") << true << rule(RenameRule::addSuffix)
                                    << QStringList{"rulePicker", "suffixField"} + toolbar;
        QTest::newRow("Find & Replace")
            << true << rule(RenameRule::replace)
            << QStringList{"rulePicker", "findField", "replaceField", "caseSensitiveCheck"} +
                   toolbar;
        QTest::newRow("Change Case") << true << rule(RenameRule::caseChange)
                                     << QStringList{"rulePicker", "casePicker"} + toolbar;
        QTest::newRow("Add Numbering")
            << true << rule(RenameRule::addNumber)
            << QStringList{"rulePicker",         "numberPositionPicker", "numberSeparatorField",
                           "numberStartStepper", "numberStepStepper",    "numberPaddingStepper"} +
                   toolbar;
        QTest::newRow("Add Date") << true << rule(RenameRule::addDate)
                                  << QStringList{"rulePicker", "datePositionPicker",
                                                 "dateSeparatorField", "dateFormatField"} +
                                         toolbar;
        QTest::newRow("Remove Characters")
            << true << rule(RenameRule::removeChars)
            << QStringList{"rulePicker", "removeFromStepper", "removeCountStepper"} + toolbar;
        QTest::newRow("Smart Clean Up")
            << true << rule(RenameRule::cleanUp) << QStringList{"rulePicker"} + toolbar;
        QTest::newRow("nothing to rename: the disabled button is passed over")
            << true << Configure([](RenameConfig& c) { c.text.clear(); })
            << QStringList{"rulePicker",  "prefixField",  "addFilesButton", "addFolderButton",
                           "clearButton", "previewTable", "rulePicker"};
    }

    void tabWalksRulePanelToolbarAndTable() {
        QFETCH(bool, withFiles);
        QFETCH(Configure, configure);
        QFETCH(QStringList, expected);
        Sandbox files;
        Window w;
        if (withFiles) w.add({files.write("A_One.txt"), files.write("B_Two.txt")});
        w.configure(configure);
        w.content().rulePanel()->findChild<QComboBox*>("rulePicker")->setFocus();
        QCOMPARE(walk(Qt::Key_Tab), expected);

        // Shift+Tab goes the same way back.
        QStringList backwards = expected;
        std::reverse(backwards.begin(), backwards.end());
        QCOMPARE(walk(Qt::Key_Backtab), backwards);
    }

    void everyControlIsNamedAndDescribed() {
        Sandbox files;
        Window w;
        w.add({files.write("a.txt")});
        w.configure([](RenameConfig& c) { c.text = "x_"; });
        const QList<QWidget*> controls = controlsOf(&w.content());
        QVERIFY(controls.size() >= 21);
        for (QWidget* control : controls) {
            const QByteArray what = QByteArray(control->metaObject()->className()) + " " +
                                    control->objectName().toUtf8();
            QVERIFY2(!control->accessibleName().isEmpty(), what.constData());
            QVERIFY2(!control->accessibleDescription().isEmpty(), what.constData());
        }

        // What a screen reader reads for the parts that are not controls.
        QCOMPARE(accessibleText(w.content().totalBadge(), QAccessible::Name),
                 QStringLiteral("1 total"));
        QCOMPARE(accessibleText(w.content().toRenameBadge(), QAccessible::Name),
                 QStringLiteral("1 to rename"));
        QVERIFY(!accessibleText(w.content().unchangedBadge(), QAccessible::Description).isEmpty());
        auto* dropZone = w.content().fileList()->dropZone();
        QCOMPARE(accessibleText(dropZone, QAccessible::Name),
                 QStringLiteral("Drop files or folders here"));
        QCOMPARE(accessibleText(dropZone, QAccessible::Description),
                 QStringLiteral("or use the Add Files / Add Folder buttons"));
        // The rename button's name follows its title.
        QCOMPARE(accessibleText(w.content().renameButton(), QAccessible::Name),
                 QStringLiteral("Rename 1 File(s)"));
        // A field is named by the label beside it.
        QCOMPARE(accessibleText(w.content().rulePanel()->findChild<QLineEdit*>("prefixField"),
                                QAccessible::Name),
                 QStringLiteral("Prefix"));

        w.window.showAbout();
        QVERIFY(w.window.aboutDialog());
        QLabel* link = w.window.aboutDialog()->linkLabel();
        QVERIFY(link->accessibleName().contains(QStringLiteral("vellumix.org")));
        QVERIFY(!link->accessibleDescription().isEmpty());
    }

    // The table's cells read as they look: names, "no new name" for the dash,
    // and the status in words although a badge draws it.
    void tableCellsSpeakTheirContent() {
        Sandbox files;
        Window w;
        w.add({files.write("abc"), files.write("keep.txt")});
        w.configure([](RenameConfig& c) {
            c.rule = RenameRule::replace;
            c.findText = "abc";
            c.replaceText = "";
        });
        QTableView* table = w.content().fileList()->table();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(table);
        QVERIFY(face && face->tableInterface());
        const auto cell = [&](int row, int column) {
            QAccessibleInterface* c = face->tableInterface()->cellAt(row, column);
            return c ? c->text(QAccessible::Name) : QStringLiteral("(no cell)");
        };
        const QStringList rows{cell(0, 0) + " | " + cell(0, 1) + " | " + cell(0, 2),
                               cell(1, 0) + " | " + cell(1, 1) + " | " + cell(1, 2)};
        QCOMPARE(rows, (QStringList{"abc | no new name | Renamed", "keep.txt | keep.txt | Same"}));
        QCOMPARE(accessibleText(table, QAccessible::Name), QStringLiteral("Files"));
    }

    void listIsEditedFromTheKeyboard() {
        Sandbox files;
        Window w;
        w.add({files.write("a.txt"), files.write("b.txt"), files.write("c.txt")});
        QPushButton* rename = w.content().renameButton();
        QTableView* table = w.content().fileList()->table();

        // Tab into the table: the first row is selected, Down moves on, Delete removes.
        w.content().clearButton()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // rename button is disabled
        QCOMPARE(QApplication::focusWidget(), table);
        QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
        QTest::keyClick(table, Qt::Key_Down);
        QTest::keyClick(table, Qt::Key_Delete);
        settle();
        QCOMPARE(w.vm().files().size(), std::size_t(2));
        QCOMPARE(w.vm().files()[1].currentName(), std::string("c.txt"));
        Q_UNUSED(rename);

        // Clear by keyboard: the focus does not vanish with the button, it
        // goes to "Add Files".
        w.content().clearButton()->setFocus();
        QTest::keyClick(w.content().clearButton(), Qt::Key_Space);
        settle();
        QVERIFY(w.vm().files().empty());
        QCOMPARE(QApplication::focusWidget(), w.content().addFilesButton());
        // The empty table under the drop zone takes no focus.
        QCOMPARE(table->focusPolicy(), Qt::NoFocus);
    }

    // Controls that draw themselves show where the keyboard is.
    void focusIsVisible() {
        Sandbox files;
        Window w;
        w.add({files.write("a.txt"), files.write("b.txt")});
        w.configure([](RenameConfig& c) { c.text = "x_"; });

        QPushButton* rename = w.content().renameButton();
        w.content().addFilesButton()->setFocus();
        settle();
        const QImage unfocused = rename->grab().toImage();
        rename->setFocus();
        settle();
        QVERIFY(rename->hasFocus());
        QVERIFY(rename->grab().toImage() != unfocused);

        // The table's current row, selected or not, is framed while the table has the focus.
        QTableView* table = w.content().fileList()->table();
        table->setCurrentIndex(table->model()->index(1, 0));
        table->clearSelection();
        w.content().addFilesButton()->setFocus();
        settle();
        const QImage before = table->viewport()->grab().toImage();
        table->setFocus(Qt::OtherFocusReason);
        settle();
        QVERIFY(table->selectionModel()->selectedRows().isEmpty());
        QVERIFY(table->viewport()->grab().toImage() != before);
    }
};

VELLUMIX_UI_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
