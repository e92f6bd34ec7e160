// The preview table's model: what each cell shows, and that rows keep their
// identity (and the view its selection) while names change.
#include <memory>

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
        QTest::addColumn<QString>("expected");  // the new name, its colour, the status
        QTest::addRow("changed: primary colour, Renamed") << Status::changed << "x_a.txt"
                                                          << "x_a.txt | primary | Renamed";
        QTest::addRow("unchanged: secondary colour, Same") << Status::unchanged << "a.txt"
                                                           << "a.txt | secondary | Same";
        QTest::addRow("pending: no new name yet, an em dash and no badge")
            << Status::pending << ""
            << "\u2014 | secondary | ";
        QTest::addRow("changed to an empty name: an em dash") << Status::changed << ""
                                                              << "\u2014 | primary | Renamed";
        QTest::addRow("error: secondary colour, Error") << Status::error << "b.txt"
                                                        << "b.txt | secondary | Error";
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
        QCOMPARE(renamed.data().toString() + " | " + colourName + " | " + badge.data().toString(),
                 expected);
        QCOMPARE(badge.data(PreviewTableModel::StatusRole).toInt(), int(status));
        // A name that is not UTF-8 is shown all the same, with its icon.
        QVERIFY(original.data().toString().startsWith(QLatin1String("caf")));
        QVERIFY(original.data().toString().endsWith(QLatin1String(".PNG")));
        QVERIFY(!original.data(Qt::DecorationRole).value<QIcon>().isNull());
    }

    // New names for the same items (same ids, what a configuration edit gives)
    // change cells, and appended items are inserted: rows and the selection
    // stay. Anything else rebuilds the rows.
    void updatesKeepTheRowsWhenTheyCan_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expected");
        QTest::addRow("same ids, new names") << 0 << "0 resets, 0 inserts, 3 rows, row 1 selected";
        QTest::addRow("items appended") << 1 << "0 resets, 1 inserts, 5 rows, row 1 selected";
        QTest::addRow("an item removed") << 2 << "1 resets, 0 inserts, 2 rows";
        QTest::addRow("the same files as new items") << 3 << "1 resets, 0 inserts, 3 rows";
        QTest::addRow("emptied") << 4 << "1 resets, 0 inserts, 0 rows";
    }

    void updatesKeepTheRowsWhenTheyCan() {
        QFETCH(int, kind);
        QFETCH(QString, expected);
        PreviewTableModel model;
        Tester tester(&model, Tester::FailureReportingMode::QtTest);
        const std::vector<FileItem> items = {item("/f/a.txt"), item("/f/b.txt"), item("/f/c.txt")};
        model.setItems(share(items));
        QTableView view;
        view.setModel(&model);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.selectRow(1);

        std::vector<FileItem> next = items;
        if (kind == 0) next[1].newName = "x_b.txt";
        if (kind == 1) next.insert(next.end(), {item("/f/d.txt"), item("/f/e.txt")});
        if (kind == 2) next.erase(next.begin());
        if (kind == 3) next = {item("/f/a.txt"), item("/f/b.txt"), item("/f/c.txt")};
        if (kind == 4) next.clear();
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        model.setItems(share(next));

        QString shown = QStringLiteral("%1 resets, %2 inserts, %3 rows")
                            .arg(resets.count())
                            .arg(inserts.count())
                            .arg(model.rowCount());
        const QModelIndexList selected = view.selectionModel()->selectedRows();
        if (resets.isEmpty())
            shown += QStringLiteral(", row %1 selected").arg(selected.value(0).row());
        QCOMPARE(shown, expected);
        for (std::size_t row = 0; row < next.size(); ++row)
            QVERIFY(model.items()[row].id == next[row].id);
        if (kind == 0) {
            QCOMPARE(changes.count(), 1);
            QCOMPARE(model.index(1, 1).data().toString(), QStringLiteral("x_b.txt"));
        }
    }
};

VELLUMIX_UI_TEST_MAIN(PreviewTableModelTest)
#include "preview_table_model_test.moc"
