// The preview table's model: what each cell shows, and that rows keep their
// identity (and the view its selection) while names change.
#include <memory>

#include "ui/visible_controls.h"
#include "ui_test_support.h"

using namespace vellumix;
using namespace vellumix::ui;
using namespace vellumix::ui::testing;

using Status = FileItem::Status;
using Tester = QAbstractItemModelTester;

Q_DECLARE_METATYPE(Status)

namespace {

FileItem item(const std::string& path, const std::string& newName = "", Status status = {}) {
    FileItem file{FileUrl(path)};
    file.newName = newName;
    file.status = status;
    return file;
}

auto share(std::vector<FileItem> items) {
    return std::make_shared<const std::vector<FileItem>>(std::move(items));
}

const QColor kPrimary(10, 10, 10);
const QColor kSecondary(120, 120, 120);

}  // namespace

class PreviewTableModelTest : public QObject {
    Q_OBJECT

private slots:
    void cellsShowThePreview_data() {
        QTest::addColumn<Status>("status");
        QTest::addColumn<QString>("newName");
        // The new name, its colour, the status; what a screen reader says for
        // the new name and the status (in words although a badge draws it).
        QTest::addColumn<QString>("expected");
        QTest::addRow("changed") << Status::changed << "x_été.txt"
                                 << "x_été.txt | primary | Renamed | x_été.txt | Renamed";
        QTest::addRow("unchanged") << Status::unchanged << "a.txt"
                                   << "a.txt | secondary | Same | a.txt | Same";
        QTest::addRow("pending: no new name yet, no badge")
            << Status::pending << ""
            << "\u2014 | secondary |  | no new name | not previewed";
        QTest::addRow("changed to an empty name")
            << Status::changed << ""
            << "\u2014 | primary | Renamed | no new name | Renamed";
        QTest::addRow("error") << Status::error << "b.txt"
                               << "b.txt | secondary | Error | b.txt | Error";
    }

    void cellsShowThePreview() {
        QFETCH(Status, status);
        QFETCH(QString, newName);
        QFETCH(QString, expected);
        PreviewTableModel model;
        Tester tester(&model, Tester::FailureReportingMode::QtTest);
        model.setTextColors(kPrimary, kSecondary);
        model.setItems(share({item("/files/caf\xE9.PNG", newName.toStdString(), status)}));

        const QModelIndex original = model.index(0, PreviewTableModel::originalNameColumn);
        const QModelIndex renamed = model.index(0, PreviewTableModel::newNameColumn);
        const QModelIndex badge = model.index(0, PreviewTableModel::statusColumn);
        const QColor colour = renamed.data(Qt::ForegroundRole).value<QColor>();
        const QString colourName = colour == kPrimary     ? "primary"
                                   : colour == kSecondary ? "secondary"
                                                          : colour.name();
        const QStringList shown{renamed.data().toString(), colourName, badge.data().toString(),
                                renamed.data(Qt::AccessibleTextRole).toString(),
                                badge.data(Qt::AccessibleTextRole).toString()};
        QCOMPARE(shown.join(" | "), expected);
        QCOMPARE(badge.data(PreviewTableModel::StatusRole).toInt(), int(status));
        // A name that is not UTF-8 is shown all the same, with its icon.
        QVERIFY(original.data().toString().startsWith(QLatin1String("caf")));
        QVERIFY(original.data().toString().endsWith(QLatin1String(".PNG")));
        QVERIFY(!original.data(Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(
            original.data(Qt::ToolTipRole).toString().contains("/files/caf"));  // the folder too
    }

    // Control characters are drawn as visible symbols; nothing else changes.
    void controlCharactersAreShownVisibly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pictures");
        QTest::addColumn<QString>("escapes");
        const QString plain = QStringLiteral("IMG_0001 été 🙂.jpg");
        QTest::addRow("plain name") << plain << plain << plain;
        QTest::addRow("line feed")
            << QStringLiteral("line1\nline2.txt") << QStringLiteral("line1\u240Aline2.txt")
            << QStringLiteral("line1\\u000aline2.txt");
        QTest::addRow("tab, CR, NUL, unit separator, DEL")
            << QStringLiteral("\t\r\x00\x1F\x7F")
            << QStringLiteral("\u2409\u240D\u2400\u241F\u2421")
            << QStringLiteral("\\u0009\\u000d\\u0000\\u001f\\u007f");
        QTest::addRow("C1: always its escape")
            << QStringLiteral("\u0080a\u0085\u009F") << QStringLiteral("\\u0080a\\u0085\\u009f")
            << QStringLiteral("\\u0080a\\u0085\\u009f");
        const QString past = QStringLiteral("\u00A0\u2028\u200B\uFFFD");
        QTest::addRow("past C1, separators, an undecodable byte") << past << past << past;
    }

    void controlCharactersAreShownVisibly() {
        QFETCH(QString, text);
        QFETCH(QString, pictures);
        QFETCH(QString, escapes);
        QCOMPARE(withVisibleControls(text, ControlSymbols::pictures), pictures);
        QCOMPARE(withVisibleControls(text, ControlSymbols::escapes), escapes);
    }

    // Both name cells draw them so (pictures or escapes, as the fonts allow);
    // a tooltip keeps the name as it is.
    void nameCellsShowControlCharacters() {
        PreviewTableModel model;
        model.setItems(share({item("/f/line1\nline2.txt", "a\tb.txt", Status::changed)}));
        const auto isShownAs = [](const QModelIndex& cell, const QString& name) {
            const QString shown = cell.data().toString();
            return (shown == withVisibleControls(name, ControlSymbols::pictures) ||
                    shown == withVisibleControls(name, ControlSymbols::escapes)) &&
                   cell.data(Qt::AccessibleTextRole).toString() == shown &&
                   cell.data(Qt::ToolTipRole).toString().contains(name);
        };
        QVERIFY(isShownAs(model.index(0, PreviewTableModel::originalNameColumn),
                          QStringLiteral("line1\nline2.txt")));
        QVERIFY(isShownAs(model.index(0, PreviewTableModel::newNameColumn),
                          QStringLiteral("a\tb.txt")));
    }

    // New names for the same items (same ids, what a configuration edit gives)
    // change cells, and appended items are inserted: rows and the selection
    // stay. Anything else, the same files as new items too, rebuilds the rows.
    void updatesKeepTheRowsWhenTheyCan() {
        const std::vector<FileItem> items = {item("/f/a.txt"), item("/f/b.txt"), item("/f/c.txt")};
        std::vector<FileItem> renamed = items, appended = items, shortened = items;
        renamed[1].newName = "x_b.txt";
        appended.push_back(item("/f/d.txt"));
        shortened.erase(shortened.begin());
        const std::pair<std::vector<FileItem>, QString> cases[] = {
            {renamed, "0 resets, 0 inserts, 3 rows, row 1 selected, x_b.txt"},
            {appended, "0 resets, 1 inserts, 4 rows, row 1 selected, \u2014"},
            {shortened, "1 resets, 0 inserts, 2 rows"},
            {{item("/f/a.txt"), item("/f/b.txt"), item("/f/c.txt")}, "1 resets, 0 inserts, 3 rows"},
            {{}, "1 resets, 0 inserts, 0 rows"},
        };
        for (const auto& [next, expected] : cases) {
            PreviewTableModel model;
            Tester tester(&model, Tester::FailureReportingMode::QtTest);
            model.setItems(share(items));
            QTableView view;
            view.setModel(&model);
            view.setSelectionBehavior(QAbstractItemView::SelectRows);
            view.selectRow(1);
            QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
            QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
            model.setItems(share(next));
            QString shown = QStringLiteral("%1 resets, %2 inserts, %3 rows")
                                .arg(resets.count())
                                .arg(inserts.count())
                                .arg(model.rowCount());
            if (resets.isEmpty()) {
                shown += QStringLiteral(", row %1 selected, %2")
                             .arg(view.selectionModel()->selectedRows().value(0).row())
                             .arg(model.index(1, 1).data().toString());
            }
            QCOMPARE(shown, expected);
        }
    }
};

VELLUMIX_UI_TEST_MAIN(PreviewTableModelTest)
#include "preview_table_model_test.moc"
