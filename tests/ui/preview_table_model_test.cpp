// The preview table's model: what each cell shows, and that rows keep their
// identity (and the view its selection) while names change.
#include <QAbstractItemModelTester>
#include <QIcon>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <memory>
#include <vector>

#include "model/file_item.h"
#include "ui/preview_table_model.h"
#include "ui_test_support.h"

using vellumix::FileItem;
using vellumix::FileUrl;
using vellumix::ui::PreviewTableModel;
using Status = FileItem::Status;

namespace {

FileItem item(const std::string& path, const std::string& newName, Status status) {
    FileItem file{FileUrl(path)};
    file.newName = newName;
    file.status = status;
    return file;
}

auto share(std::vector<FileItem> items) {
    return std::make_shared<const std::vector<FileItem>>(std::move(items));
}

// The same items (same ids) with other new names: what a configuration edit gives.
std::vector<FileItem> renamed(std::vector<FileItem> items, const std::string& prefix) {
    for (FileItem& file : items) {
        file.newName = prefix + file.currentName();
        file.status = Status::changed;
    }
    return items;
}

const QColor kPrimary(10, 10, 10);
const QColor kSecondary(120, 120, 120);

}  // namespace

class PreviewTableModelTest : public QObject {
    Q_OBJECT

private slots:
    void cellsShowThePreview_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("shownNewName");
        QTest::addColumn<QString>("statusText");
        QTest::addColumn<QColor>("newNameColour");
        QTest::newRow("changed: new name in the primary colour, Renamed")
            << int(Status::changed) << "x_a.txt"
            << "x_a.txt"
            << "Renamed" << kPrimary;
        QTest::newRow("unchanged: secondary colour, Same") << int(Status::unchanged) << "a.txt"
                                                           << "a.txt"
                                                           << "Same" << kSecondary;
        QTest::newRow("pending: no new name yet, an em dash and no badge")
            << int(Status::pending) << "" << QStringLiteral("\u2014") << "" << kSecondary;
        QTest::newRow("changed to an empty name: an em dash")
            << int(Status::changed) << "" << QStringLiteral("\u2014") << "Renamed" << kPrimary;
        QTest::newRow("error: secondary colour, Error") << int(Status::error) << "b.txt"
                                                        << "b.txt"
                                                        << "Error" << kSecondary;
    }

    void cellsShowThePreview() {
        QFETCH(int, status);
        QFETCH(QString, newName);
        QFETCH(QString, shownNewName);
        QFETCH(QString, statusText);
        QFETCH(QColor, newNameColour);

        PreviewTableModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setTextColors(kPrimary, kSecondary);
        model.setItems(share({item("/files/photo.PNG", newName.toStdString(), Status(status))}));

        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.columnCount(), 3);
        const QModelIndex original = model.index(0, PreviewTableModel::originalNameColumn);
        const QModelIndex renamedCell = model.index(0, PreviewTableModel::newNameColumn);
        const QModelIndex badge = model.index(0, PreviewTableModel::statusColumn);
        QCOMPARE(original.data().toString(), QStringLiteral("photo.PNG"));
        QVERIFY(!original.data(Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(renamedCell.data().toString(), shownNewName);
        QCOMPARE(renamedCell.data(Qt::ForegroundRole).value<QColor>(), newNameColour);
        QCOMPARE(badge.data().toString(), statusText);
        QCOMPARE(badge.data(PreviewTableModel::StatusRole).toInt(), status);
    }

    void headersNameTheColumns() {
        PreviewTableModel model;
        QStringList titles;
        for (int column = 0; column < model.columnCount(); ++column) {
            titles << model.headerData(column, Qt::Horizontal).toString();
        }
        QCOMPARE(titles, (QStringList{"Original Name", "New Name", "Status"}));
    }

    void namesThatAreNotUtf8AreShown() {
        PreviewTableModel model;
        model.setItems(share({item("/files/caf\xE9.txt", "new_caf\xE9.txt", Status::changed)}));
        const QString shown = model.index(0, 0).data().toString();
        QVERIFY(shown.startsWith(QLatin1String("caf")));
        QVERIFY(shown.endsWith(QLatin1String(".txt")));
    }

    // A configuration edit keeps the ids: cells change, rows and selection stay.
    void sameIdsChangeDataAndKeepTheSelection() {
        PreviewTableModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const std::vector<FileItem> items = {item("/f/a.txt", "a.txt", Status::unchanged),
                                             item("/f/b.txt", "b.txt", Status::unchanged),
                                             item("/f/c.txt", "c.txt", Status::unchanged)};
        model.setItems(share(items));
        QTableView view;
        view.setModel(&model);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.selectRow(1);

        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        model.setItems(share(renamed(items, "x_")));

        QCOMPARE(resets.count(), 0);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(model.index(1, 1).data().toString(), QStringLiteral("x_b.txt"));
        QCOMPARE(view.selectionModel()->selectedRows().size(), 1);
        QCOMPARE(view.selectionModel()->selectedRows().first().row(), 1);
    }

    void appendedItemsAreInserted() {
        PreviewTableModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        std::vector<FileItem> items = {item("/f/a.txt", "a.txt", Status::unchanged)};
        model.setItems(share(items));
        QTableView view;
        view.setModel(&model);
        view.selectRow(0);

        items.push_back(item("/f/b.txt", "b.txt", Status::unchanged));
        items.push_back(item("/f/c.txt", "c.txt", Status::unchanged));
        QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        model.setItems(share(items));

        QCOMPARE(resets.count(), 0);
        QCOMPARE(inserts.count(), 1);
        QCOMPARE(inserts.first().at(1).toInt(), 1);
        QCOMPARE(inserts.first().at(2).toInt(), 2);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(view.selectionModel()->selectedRows().first().row(), 0);
    }

    // Removed or replaced items (new ids) rebuild the rows.
    void otherChangesReset_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("an item removed") << 0;
        QTest::newRow("the same files as new items") << 1;
        QTest::newRow("emptied") << 2;
    }

    void otherChangesReset() {
        QFETCH(int, kind);
        PreviewTableModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        std::vector<FileItem> items = {item("/f/a.txt", "a.txt", Status::unchanged),
                                       item("/f/b.txt", "b.txt", Status::unchanged)};
        model.setItems(share(items));
        std::vector<FileItem> next;
        if (kind == 0) next = {items[1]};
        if (kind == 1)
            next = {item("/f/a.txt", "", Status::pending), item("/f/b.txt", "", Status::pending)};
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        model.setItems(share(next));
        QCOMPARE(resets.count(), 1);
        QCOMPARE(model.rowCount(), int(next.size()));
        for (int row = 0; row < model.rowCount(); ++row) {
            QVERIFY(model.items()[std::size_t(row)].id == next[std::size_t(row)].id);
        }
    }
};

VELLUMIX_UI_TEST_MAIN(PreviewTableModelTest)
#include "preview_table_model_test.moc"
