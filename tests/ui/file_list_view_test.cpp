// The file list: the header and the drop zone, drops of files and folders sent
// as a file manager sends them, and removing rows.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QTableView>
#include <QTest>
#include <QUrl>
#include <memory>
#include <vector>

#include "model/file_item.h"
#include "ui/drop_zone.h"
#include "ui/file_list_view.h"
#include "ui/preview_table_model.h"
#include "ui/view_model_snapshot.h"
#include "ui_test_support.h"
#include "viewmodel/rename_view_model.h"

using vellumix::FileItem;
using vellumix::FileUrl;
using vellumix::RenameViewModel;
using vellumix::Subscription;
using vellumix::Uuid;
using vellumix::ui::FileListView;
using vellumix::ui::PreviewTableModel;
using vellumix::ui::ViewModelSnapshot;
using vellumix::ui::testing::Sandbox;
using vellumix::ui::testing::settle;

namespace {

struct List {
    List() : snapshot(vm), view(snapshot) {
        counter = vm.onWillChange([this] { ++notifications; });
        view.resize(800, 500);
        view.show();
        (void)QTest::qWaitForWindowExposed(&view);
    }

    QTableView* table() { return view.table(); }

    // Drags `urls` over the table and drops them, as a file manager does.
    // Returns whether the drop was accepted.
    bool drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QWidget* target = table()->viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        settle();
        return dropped.isAccepted() && dropped.dropAction() == Qt::CopyAction;
    }

    std::vector<std::string> names() const {
        std::vector<std::string> list;
        for (const FileItem& item : vm.files())
            list.push_back(item.currentName());
        return list;
    }

    void add(const std::vector<std::string>& paths) {
        std::vector<FileUrl> urls;
        for (const std::string& path : paths)
            urls.emplace_back(path);
        vm.addFiles(urls);
        settle();
    }

    RenameViewModel vm;
    ViewModelSnapshot snapshot;
    FileListView view;
    int notifications = 0;
    Subscription counter;
};

QUrl fileUrl(const std::string& path) {
    return QUrl::fromLocalFile(QFile::decodeName(path.c_str()));
}

using Names = std::vector<std::string>;

}  // namespace

class FileListViewTest : public QObject {
    Q_OBJECT

private slots:
    void emptyListShowsHeaderAndDropZone() {
        List list;
        QVERIFY(list.view.dropZone()->isVisible());
        QVERIFY(list.table()->horizontalHeader()->isVisible());
        const QRect header = list.table()->horizontalHeader()->geometry();
        QVERIFY(list.view.dropZone()->geometry().top() >= header.bottom());
        QStringList texts;
        for (QLabel* label : list.view.dropZone()->findChildren<QLabel*>())
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("Drop files or folders here")));
        QVERIFY(texts.contains(QStringLiteral("or use the Add Files / Add Folder buttons")));

        Sandbox files;
        list.add({files.write("a.txt")});
        QVERIFY(!list.view.dropZone()->isVisible());
        QCOMPARE(list.table()->model()->rowCount(), 1);
    }

    void columnsShareTheWidthBesideTheStatus() {
        List list;
        QHeaderView* header = list.table()->horizontalHeader();
        QCOMPARE(header->sectionSize(PreviewTableModel::statusColumn), 90);
        QCOMPARE(header->sectionResizeMode(PreviewTableModel::statusColumn), QHeaderView::Fixed);
        QVERIFY(qAbs(header->sectionSize(0) - header->sectionSize(1)) <= 1);
        QCOMPARE(list.table()->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    }

    // Files one by one, a folder as one sorted batch of its visible files, and a
    // URL that names no local file ignored; the drop is accepted.
    void dropAddsFilesAndFolders() {
        Sandbox files;
        const std::string b = files.write("b.txt");
        const std::string a = files.write("a.txt");
        const std::string folder = files.makeDir("photos");
        files.write("photos/z.jpg");
        files.write("photos/y.jpg");
        files.write("photos/.hidden.jpg");
        files.makeDir("photos/inner");
        files.write("photos/inner/deep.jpg");

        List list;
        const bool accepted = list.drop({fileUrl(b), fileUrl(a), fileUrl(folder),
                                         QUrl(QStringLiteral("https://example.org/remote.txt")),
                                         QUrl(QStringLiteral("file://otherhost/share/x.txt"))});
        QVERIFY(accepted);
        QCOMPARE(list.notifications, 3);  // one addFiles call per usable item
        QCOMPARE(list.names(), (Names{"b.txt", "a.txt", "y.jpg", "z.jpg"}));
        QCOMPARE(list.vm.files()[2].url.path(), folder + "/y.jpg");
        QCOMPARE(list.table()->model()->rowCount(), 4);
        QVERIFY(!list.view.dropZone()->isVisible());
    }

    void folderUrlWithTrailingSlashIsAFolderToo() {
        Sandbox files;
        const std::string folder = files.makeDir("docs");
        files.write("docs/one.txt");
        List list;
        QVERIFY(list.drop({QUrl::fromLocalFile(QFile::decodeName(folder.c_str()) + "/")}));
        QCOMPARE(list.names(), (Names{"one.txt"}));
        QCOMPARE(list.vm.files()[0].url.path(), folder + "/one.txt");
    }

    void unusableDropsChangeNothingButAreAccepted() {
        Sandbox files;
        List list;
        QVERIFY(list.drop({QUrl(QStringLiteral("https://example.org/a.txt")),
                           QUrl(QStringLiteral("mailto:someone@example.org"))}));
        QCOMPARE(list.notifications, 0);
        QVERIFY(list.vm.files().empty());
        QVERIFY(list.drop({fileUrl(files.path("no-such-folder") + "/")}));
        QVERIFY(list.view.dropZone()->isVisible());
    }

    void droppingAListedFileAddsNothing() {
        Sandbox files;
        const std::string a = files.write("a.txt");
        List list;
        list.add({a});
        const Uuid id = list.vm.files()[0].id;
        QVERIFY(list.drop({fileUrl(a)}));
        QCOMPARE(list.vm.files().size(), std::size_t(1));
        QVERIFY(list.vm.files()[0].id == id);
    }

    // A name that is not UTF-8 reaches the view model byte for byte.
    void pathsAreKeptByteForByte() {
        Sandbox files;
        const std::string latin1 = files.write("caf\xE9 #1?.txt");
        List list;
        const QByteArray encoded = "file://" + QByteArray(latin1.c_str()).toPercentEncoding("/");
        QVERIFY(list.drop({QUrl::fromEncoded(encoded)}));
        QCOMPARE(list.vm.files().size(), std::size_t(1));
        QCOMPARE(list.vm.files()[0].url.path(), latin1);
    }

    void deletingTheSecondOfThreeRows() {
        Sandbox files;
        List list;
        list.add({files.write("a.txt"), files.write("b.txt"), files.write("c.txt")});
        const std::vector<FileItem> before = list.vm.files();
        list.table()->setFocus();
        list.table()->selectRow(1);
        const int notificationsBefore = list.notifications;
        QTest::keyClick(list.table(), Qt::Key_Delete);
        QCOMPARE(list.notifications, notificationsBefore + 1);
        settle();

        const std::vector<FileItem>& after = list.vm.files();
        QCOMPARE(after.size(), std::size_t(2));
        QVERIFY(after[0].id == before[0].id);
        QVERIFY(after[1].id == before[2].id);
        QCOMPARE(list.table()->model()->rowCount(), 2);
        const auto* model = list.view.model();
        QVERIFY(model->items()[1].id == before[2].id);
    }

    void backspaceRemovesSeveralRowsAtOnce() {
        Sandbox files;
        List list;
        list.add({files.write("a.txt"), files.write("b.txt"), files.write("c.txt"),
                  files.write("d.txt")});
        list.table()->selectRow(0);
        list.table()->selectionModel()->select(
            list.table()->model()->index(3, 0),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        const int notificationsBefore = list.notifications;
        QTest::keyClick(list.table(), Qt::Key_Backspace);
        QCOMPARE(list.notifications, notificationsBefore + 1);
        QCOMPARE(list.names(), (Names{"b.txt", "c.txt"}));
    }

    void deletingWithoutSelectionDoesNothing() {
        Sandbox files;
        List list;
        list.add({files.write("a.txt")});
        list.table()->clearSelection();
        const int notificationsBefore = list.notifications;
        QTest::keyClick(list.table(), Qt::Key_Delete);
        QCOMPARE(list.notifications, notificationsBefore);
        QCOMPARE(list.vm.files().size(), std::size_t(1));
    }

    void deletingTheLastRowBringsTheDropZoneBack() {
        Sandbox files;
        List list;
        list.add({files.write("a.txt")});
        list.table()->selectRow(0);
        list.view.removeSelectedRows();
        settle();
        QVERIFY(list.vm.files().empty());
        QVERIFY(list.view.dropZone()->isVisible());
    }
};

VELLUMIX_UI_TEST_MAIN(FileListViewTest)
#include "file_list_view_test.moc"
