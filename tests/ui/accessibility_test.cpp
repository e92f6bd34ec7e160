// The window for keyboard and screen-reader users: Tab order, names and
// descriptions, editing the list from the keyboard, visible focus.
#include <algorithm>

#include "ui_test_support.h"

using namespace vellumix;
using namespace vellumix::ui;
using namespace vellumix::ui::testing;

namespace {

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
// comes back or after 20 steps.
QString walk(Qt::Key key) {
    QStringList visited{focusedName()};
    for (int step = 0; step < 20 && (step == 0 || visited.back() != visited.front()); ++step) {
        QTest::keyClick(QApplication::focusWidget(), key);
        visited << focusedName();
    }
    return visited.join(u' ');
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    // Forwards, and back the same way with Shift+Tab: at start (an empty
    // list), then with two files under some rules.
    void tabWalksRulePanelToolbarAndTable() {
        TestWindow w;
        const QString bar = " addFilesButton addFolderButton clearButton renameButton previewTable";
        const std::tuple<RenameRule, const char*, QString> cases[] = {
            {RenameRule::addPrefix, "", "rulePicker prefixField addFilesButton addFolderButton"},
            {RenameRule::addSuffix, "x_", "rulePicker suffixField" + bar},
            {RenameRule::replace, "x_",
             "rulePicker findField replaceField caseSensitiveCheck" + bar},
            {RenameRule::addDate, "x_",
             "rulePicker dateSourcePicker datePositionPicker dateSeparatorField dateFormatField" + bar},
            {RenameRule::cleanUp, "x_", "rulePicker" + bar},  // no control of its own
            // Nothing to rename: the disabled button is passed over.
            {RenameRule::addPrefix, "",
             "rulePicker prefixField addFilesButton addFolderButton clearButton previewTable"},
        };
        for (const auto& [rule, prefix, expected] : cases) {
            if (w.vm().files().empty() && !QString(prefix).isEmpty())
                w.add({"A_One.txt", "B_Two.txt"});
            RenameConfig config = w.vm().config();
            config.rule = rule;
            config.text = prefix;
            config.findText = "a";
            w.configure([&config](RenameConfig& c) { c = config; });
            w.find<QComboBox>("rulePicker")->setFocus();
            QStringList forwards = (expected + " rulePicker").split(u' ');
            QCOMPARE(walk(Qt::Key_Tab), forwards.join(u' '));
            std::reverse(forwards.begin(), forwards.end());
            QCOMPARE(walk(Qt::Key_Backtab), forwards.join(u' '));
        }
    }

    // Every control the keyboard reaches (a spin box or picker with the text
    // field inside it) is named and described; the badges read as one piece,
    // the rename button by its title, and it shows where the keyboard is.
    void everyControlIsNamedAndDescribed() {
        TestWindow w({"a.txt"});
        w.configure([](RenameConfig& c) { c.text = "x_"; });
        QSet<QWidget*> checked;
        for (QWidget* widget : w.view().findChildren<QWidget*>()) {
            QWidget* parent = widget->parentWidget();
            if (widget->focusPolicy() == Qt::NoFocus || qobject_cast<QAbstractSpinBox*>(parent) ||
                qobject_cast<QComboBox*>(parent))
                continue;
            checked << widget;
            const QByteArray what = widget->objectName().toUtf8();
            QVERIFY2(!widget->accessibleName().isEmpty(), what.constData());
            QVERIFY2(!widget->accessibleDescription().isEmpty(), what.constData());
        }
        // Among them every control of the rule panel, the toolbar's buttons and the table.
        QList<QWidget*> expected = w.view().rulePanel()->controls();
        expected << w.view().addFilesButton() << w.view().addFolderButton()
                 << w.view().clearButton() << w.view().renameButton()
                 << w.view().fileList()->table();
        for (QWidget* control : expected)
            QVERIFY2(checked.contains(control), control->objectName().toUtf8().constData());
        QStringList read;
        for (QObject* part : QList<QObject*>{w.view().totalBadge(), w.view().toRenameBadge(),
                                             w.view().renameButton()})
            read << QAccessible::queryAccessibleInterface(part)->text(QAccessible::Name);
        QCOMPARE(read, (QStringList{"1 total", "1 to rename", "Rename 1 File(s)"}));
        QPushButton* rename = w.view().renameButton();
        const QImage unfocused = rename->grab().toImage();
        rename->setFocus();
        settle();
        QVERIFY(rename->grab().toImage() != unfocused);
    }

    // Tab into the table selects its first row; Backspace (like Delete)
    // removes the selected rows in one edit; Clear empties the list in one edit,
    // keeps the rule and the files on disk, and hands the focus on to "Add Files".
    void listIsEditedFromTheKeyboard() {
        TestWindow w({"a.txt", "b.txt", "c.txt"});
        w.configure([](RenameConfig& c) {  // renames nothing
            c.rule = RenameRule::replace;
            c.findText = "keep";
        });
        QTableView* table = w.view().fileList()->table();
        w.view().clearButton()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // rename button is disabled
        QCOMPARE(QApplication::focusWidget(), table);
        QCOMPARE(table->selectionModel()->selectedRows(),
                 QModelIndexList{table->model()->index(0, 0)});
        table->selectionModel()->select(table->model()->index(2, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        const int notifications = w.notifications;
        QTest::keyClick(table, Qt::Key_Backspace);
        QCOMPARE(w.notifications, notifications + 1);
        QCOMPARE(w.vm().files().size(), 1u);
        QCOMPARE(w.vm().files()[0].currentName(), "b.txt");

        QTest::keyClick(w.view().clearButton(), Qt::Key_Space);
        QCOMPARE(w.notifications, notifications + 2);
        settle();
        QVERIFY(w.vm().files().empty() && w.files.exists("b.txt"));
        QVERIFY(w.view().fileList()->dropZone()->isVisible());
        QCOMPARE(w.find<QLineEdit>("findField")->text(), QStringLiteral("keep"));
        QCOMPARE(QApplication::focusWidget(), w.view().addFilesButton());
        QCOMPARE(table->focusPolicy(), Qt::NoFocus);  // the empty table under the drop zone
    }
};

VELLUMIX_UI_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
