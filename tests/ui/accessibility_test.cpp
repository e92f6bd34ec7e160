// The window for keyboard and screen-reader users: every control is named and
// described, the Tab key walks the rule panel, the toolbar row and the table in
// that order, the list can be edited from the keyboard alone, focus is visible,
// and the table tells assistive technology what its badges show.
#include <algorithm>

#include "ui/about_dialog.h"
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
QStringList walk(Qt::Key key) {
    const QString start = focusedName();
    QStringList visited{start};
    for (int step = 0; step < 20; ++step) {
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
        const bool inner = qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) ||
                           qobject_cast<QComboBox*>(widget->parentWidget());
        if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
            qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QTableView*>(widget) ||
            (qobject_cast<QLineEdit*>(widget) && !inner))
            controls << widget;
    }
    return controls;
}

QString accessibleText(QObject* object, QAccessible::Text kind) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(kind) : QString();
}

// The listed items: name and identity.
QStringList itemsOf(const TestWindow& w) {
    QStringList items;
    for (const FileItem& item : w.vm().files())
        items << QString::fromStdString(item.currentName() + " " + item.id.toString());
    return items;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    // Files A_One.txt and B_Two.txt under `rule` with the prefix `prefix` and
    // the find text "a"; no rule: an empty list, as at start.
    void tabWalksRulePanelToolbarAndTable_data() {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("expected");
        const QString bar = " addFilesButton addFolderButton clearButton renameButton previewTable";
        const auto row = [&](RenameRule rule, const QString& editors) {
            QTest::addRow("%s", rawValue(rule).data()) << int(rule) << "x_" << editors + bar;
        };
        QTest::addRow("empty list: no Clear, no rename button, no table")
            << -1 << ""
            << "rulePicker prefixField addFilesButton addFolderButton";
        row(RenameRule::addPrefix, "rulePicker prefixField");
        row(RenameRule::addSuffix, "rulePicker suffixField");
        row(RenameRule::replace, "rulePicker findField replaceField caseSensitiveCheck");
        row(RenameRule::regexReplace, "rulePicker findField replaceField caseSensitiveCheck");
        row(RenameRule::caseChange, "rulePicker casePicker");
        row(RenameRule::addNumber,
            "rulePicker numberPositionPicker numberSeparatorField numberStartStepper "
            "numberStepStepper numberPaddingStepper");
        row(RenameRule::addDate,
            "rulePicker datePositionPicker dateSeparatorField dateFormatField");
        row(RenameRule::removeChars, "rulePicker removeFromStepper removeCountStepper");
        row(RenameRule::cleanUp, "rulePicker");  // no control at all
        QTest::addRow("nothing to rename: the disabled button is passed over")
            << int(RenameRule::addPrefix) << ""
            << "rulePicker prefixField addFilesButton addFolderButton clearButton previewTable";
    }

    void tabWalksRulePanelToolbarAndTable() {
        QFETCH(int, rule);
        QFETCH(QString, prefix);
        QFETCH(QString, expected);
        TestWindow w;
        if (rule >= 0) {
            w.add({"A_One.txt", "B_Two.txt"});
            w.configure([&](RenameConfig& c) {
                c.rule = RenameRule(rule);
                c.text = prefix.toStdString();
                c.findText = "a";
            });
        }
        w.find<QComboBox>("rulePicker")->setFocus();
        QStringList forwards = (expected + " rulePicker").split(u' ');
        QCOMPARE(walk(Qt::Key_Tab).join(u' '), forwards.join(u' '));
        // Shift+Tab goes the same way back.
        std::reverse(forwards.begin(), forwards.end());
        QCOMPARE(walk(Qt::Key_Backtab).join(u' '), forwards.join(u' '));
    }

    void everyControlIsNamedAndDescribed() {
        TestWindow w({"a.txt"});
        w.configure([](RenameConfig& c) { c.text = "x_"; });
        const QList<QWidget*> controls = controlsOf(&w.view());
        QVERIFY(controls.size() >= 21);
        for (QWidget* control : controls) {
            const QByteArray what = QByteArray(control->metaObject()->className()) + " " +
                                    control->objectName().toUtf8();
            QVERIFY2(!control->accessibleName().isEmpty(), what.constData());
            QVERIFY2(!control->accessibleDescription().isEmpty(), what.constData());
        }

        // What a screen reader reads for the badges (as one piece), the drop
        // zone, the rename button (its title) and a field (its label).
        QStringList read;
        const QList<QObject*> parts{w.view().totalBadge(), w.view().toRenameBadge(),
                                    w.view().fileList()->dropZone(), w.view().renameButton(),
                                    w.find("prefixField")};
        for (QObject* part : parts)
            read << accessibleText(part, QAccessible::Name);
        QCOMPARE(read, (QStringList{"1 total", "1 to rename", "Drop files or folders here",
                                    "Rename 1 File(s)", "Prefix"}));
        QCOMPARE(accessibleText(w.view().fileList()->dropZone(), QAccessible::Description),
                 QStringLiteral("or use the Add Files / Add Folder buttons"));
        w.window.showAbout();
        QLabel* link = w.window.aboutDialog()->linkLabel();
        QVERIFY(link->accessibleName().contains(QStringLiteral("vellumix.org")));
        QVERIFY(!link->accessibleDescription().isEmpty());
    }

    // The table's cells read as they look: names, "no new name" for the dash,
    // and the status in words although a badge draws it.
    void tableCellsSpeakTheirContent() {
        TestWindow w({"abc", "keep.txt"});
        w.configure([](RenameConfig& c) {
            c.rule = RenameRule::replace;
            c.findText = "abc";
        });
        QTableView* table = w.view().fileList()->table();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(table);
        QVERIFY(face && face->tableInterface());
        QStringList cells;
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 3; ++column) {
                QAccessibleInterface* cell = face->tableInterface()->cellAt(row, column);
                cells << (cell ? cell->text(QAccessible::Name) : QStringLiteral("(no cell)"));
            }
        }
        QCOMPARE(cells,
                 (QStringList{"abc", "no new name", "Renamed", "keep.txt", "keep.txt", "Same"}));
        QCOMPARE(accessibleText(table, QAccessible::Name), QStringLiteral("Files"));
    }

    // Tab into the table selects its first row; Down moves on; Delete or
    // Backspace removes the selected rows in one edit, the others keep their
    // identity; Clear hands the focus on to "Add Files".
    void listIsEditedFromTheKeyboard() {
        TestWindow w({"a.txt", "b.txt", "c.txt"});
        QTableView* table = w.view().fileList()->table();
        const QStringList before = itemsOf(w);
        w.view().clearButton()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // rename button is disabled
        QCOMPARE(QApplication::focusWidget(), table);
        QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
        QTest::keyClick(table, Qt::Key_Down);
        int notifications = w.notifications;
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(w.notifications, notifications + 1);
        settle();
        QCOMPARE(itemsOf(w), (QStringList{before[0], before[2]}));
        QCOMPARE(table->model()->rowCount(), 2);

        table->clearSelection();
        notifications = w.notifications;
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(w.notifications, notifications);

        w.add({"d.txt"});
        table->selectRow(0);
        table->selectionModel()->select(table->model()->index(2, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(table, Qt::Key_Backspace);
        QCOMPARE(w.notifications, notifications + 2);  // the add, then one removal
        QCOMPARE(itemsOf(w), QStringList{before[2]});

        w.view().clearButton()->setFocus();
        QTest::keyClick(w.view().clearButton(), Qt::Key_Space);
        settle();
        QVERIFY(w.vm().files().empty());
        QCOMPARE(QApplication::focusWidget(), w.view().addFilesButton());
        // The empty table under the drop zone takes no focus.
        QCOMPARE(table->focusPolicy(), Qt::NoFocus);
    }

    // Controls that draw themselves show where the keyboard is.
    void focusIsVisible() {
        TestWindow w({"a.txt", "b.txt"});
        w.configure([](RenameConfig& c) { c.text = "x_"; });
        QPushButton* rename = w.view().renameButton();
        w.view().addFilesButton()->setFocus();
        settle();
        const QImage unfocused = rename->grab().toImage();
        rename->setFocus();
        settle();
        QVERIFY(rename->grab().toImage() != unfocused);

        // The table's current row, selected or not, is framed while the table has the focus.
        QTableView* table = w.view().fileList()->table();
        table->setCurrentIndex(table->model()->index(1, 0));
        table->clearSelection();
        w.view().addFilesButton()->setFocus();
        settle();
        const QImage before = table->viewport()->grab().toImage();
        table->setFocus(Qt::OtherFocusReason);
        settle();
        QVERIFY(table->viewport()->grab().toImage() != before);
    }
};

VELLUMIX_UI_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
