// The file list: the header over the drop zone, and drops of files and folders
// sent as a file manager sends them.
#include <fcntl.h>
#include <sys/stat.h>

#include <QLabel>

#include "ui/view_model_snapshot.h"
#include "ui_test_support.h"

using namespace vellumix;
using namespace vellumix::ui;
using namespace vellumix::ui::testing;

namespace {

// Drags `urls` over the table and drops them, as a file manager does. Returns
// whether the drop was taken as a copy.
bool drop(TestWindow& w, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QWidget* target = w.view().fileList()->table()->viewport();
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

QUrl fileUrl(const std::string& path) {
    return QUrl::fromLocalFile(QFile::decodeName(path.c_str()));
}

// The listed paths, relative to the sandbox, in list order.
QString listed(const TestWindow& w) {
    QStringList paths;
    for (const FileItem& item : w.vm().files())
        paths << QFile::decodeName(item.url.path().substr(w.files.root().size() + 1).c_str());
    return paths.join(u' ');
}

}  // namespace

class FileListViewTest : public QObject {
    Q_OBJECT

private slots:
    void emptyListShowsTheHeaderOverTheDropZone() {
        TestWindow w;
        auto* dropZone = w.view().fileList()->dropZone();
        QHeaderView* header = w.view().fileList()->table()->horizontalHeader();
        QVERIFY(dropZone->isVisible());
        QVERIFY(header->isVisible());
        QVERIFY(dropZone->geometry().top() >= header->geometry().bottom());
        w.add({"a.txt"});
        QVERIFY(!dropZone->isVisible());
        QVERIFY(header->isVisible());
        QCOMPARE(w.view().fileList()->table()->model()->rowCount(), 1);
    }

    // Each file on its own, a folder as one sorted batch of its visible files
    // (not its hidden file, not its subfolder), a link to a folder as itself,
    // URLs that name no local file ignored; the drop is accepted, and the
    // table takes in the whole burst of additions at once.
    void dropAddsFilesAndFolders() {
        TestWindow w;
        for (const char* name : {"b.txt", "a.txt", "photos/z.jpg", "photos/y.jpg",
                                 "photos/.hidden.jpg", "photos/inner/deep.jpg"})
            w.files.write(name);
        std::filesystem::create_directory_symlink("photos", w.files.path("album"));
        QSignalSpy refreshes(&w.view().snapshot(), &ViewModelSnapshot::refreshed);
        QVERIFY(drop(w, {fileUrl(w.files.path("b.txt")), fileUrl(w.files.path("a.txt")),
                         fileUrl(w.files.path("photos")), fileUrl(w.files.path("album")),
                         QUrl(QStringLiteral("https://example.org/remote.txt")),
                         QUrl(QStringLiteral("file://otherhost/share/x.txt"))}));
        QCOMPARE(w.notifications, 4);  // one addFiles call per usable item
        QCOMPARE(refreshes.count(), 1);
        QCOMPARE(listed(w), QStringLiteral("b.txt a.txt photos/y.jpg photos/z.jpg album"));
        QCOMPARE(w.view().fileList()->table()->model()->rowCount(), 5);
        QVERIFY(!w.view().fileList()->dropZone()->isVisible());
    }

    // Delete selects the row that took the removed one's place (at the end, the
    // new last row), so that Delete can be pressed again and again.
    void deleteKeepsTheKeyboardsPlace() {
        TestWindow w({"a", "b", "c", "d"});
        QTableView* table = w.view().fileList()->table();
        table->selectRow(1);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(table->currentIndex().row(), 1);
        QTest::keyClick(table, Qt::Key_Delete);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(listed(w), QStringLiteral("a"));
        QVERIFY(table->selectionModel()->isRowSelected(0, QModelIndex()));
    }

    // A click on the Original Name title sorts by name (numbers by value), a
    // second the other way, with the title's arrow; Alt+Down and Alt+Up move
    // the selected row and keep it selected, and so does a drag; View › Sort
    // By sorts by size.
    void headerMenusAndKeysSetTheOrder() {
        TestWindow w({"IMG_10", "IMG_9", "b"});
        w.files.write("b", "bigger");
        QTableView* table = w.view().fileList()->table();
        QHeaderView* header = table->horizontalHeader();
        const QPoint title(header->sectionViewportPosition(0) + 20, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, title);
        settle();
        QCOMPARE(listed(w), QStringLiteral("b IMG_9 IMG_10"));
        QVERIFY(header->isSortIndicatorShown() && header->sortIndicatorOrder() == Qt::AscendingOrder);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, title);
        settle();
        QCOMPARE(listed(w), QStringLiteral("IMG_10 IMG_9 b"));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);

        table->setFocus();
        table->selectRow(0);
        QTest::keyClick(table, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(listed(w), QStringLiteral("IMG_9 IMG_10 b"));
        QVERIFY(table->selectionModel()->isRowSelected(1, QModelIndex()));
        QVERIFY(!header->isSortIndicatorShown());
        QTest::keyClick(table, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(listed(w), QStringLiteral("IMG_10 IMG_9 b"));

        // Row 0 dragged onto the lower half of the last row goes after it.
        std::unique_ptr<QMimeData> rows(table->model()->mimeData({table->model()->index(0, 0)}));
        QWidget* viewport = table->viewport();
        const QRect last = table->visualRect(table->model()->index(2, 0));
        const QPoint at(last.center().x(), last.center().y() + last.height() / 4);
        QDragEnterEvent enter(at, Qt::MoveAction, rows.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QDropEvent dropped(QPointF(at), Qt::MoveAction, rows.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &dropped);
        QVERIFY(dropped.isAccepted() && dropped.dropAction() == Qt::MoveAction);
        QCOMPARE(listed(w), QStringLiteral("IMG_9 b IMG_10"));
        QVERIFY(table->selectionModel()->isRowSelected(2, QModelIndex()));

        w.window.sortActions()[3]->trigger();  // Size, in the direction checked: descending
        settle();
        QCOMPARE(listed(w), QStringLiteral("b IMG_9 IMG_10"));  // equal sizes by name
        QVERIFY(w.window.sortActions()[3]->isChecked() && w.window.sortActions()[6]->isChecked());

        // Date Taken waits for the files' dates, read off the UI thread, and
        // says so under the preview meanwhile; these hold none: date modified.
        for (const auto& [name, modified] : {std::pair{"IMG_10", 100}, {"IMG_9", 300}, {"b", 200}}) {
            const timespec times[2] = {{modified, 0}, {modified, 0}};
            QCOMPARE(::utimensat(AT_FDCWD, w.files.path(name).c_str(), times, 0), 0);
        }
        w.window.sortActions()[2]->trigger();
        auto* reading = w.find<QLabel>("datesReadingLabel");
        QVERIFY(reading->isVisible());
        QVERIFY(reading->text().startsWith(QStringLiteral("Reading the files\u2019 dates\u2026 ")));
        QVERIFY(reading->text().endsWith(QStringLiteral(" of 3")));
        QTRY_VERIFY(!reading->isVisible());
        QCOMPARE(listed(w), QStringLiteral("IMG_9 b IMG_10"));
        QVERIFY(w.window.sortActions()[2]->isChecked());
    }

    void unusableDropsChangeNothingButAreAccepted() {
        TestWindow w;
        QVERIFY(drop(w, {QUrl(QStringLiteral("https://example.org/a.txt")),
                         QUrl(QStringLiteral("mailto:someone@example.org")),
                         fileUrl(w.files.path("no-such-folder") + "/")}));
        QCOMPARE(w.notifications, 0);
        QVERIFY(w.view().fileList()->dropZone()->isVisible());
    }

    // A name that is not UTF-8 reaches the view model byte for byte.
    void dropKeepsPathsByteForByte() {
        TestWindow w;
        const std::string latin1 = w.files.write("caf\xE9 #1?.txt");
        const QByteArray encoded = "file://" + QByteArray(latin1.c_str()).toPercentEncoding("/");
        QVERIFY(drop(w, {QUrl::fromEncoded(encoded)}));
        QCOMPARE(w.vm().files().size(), std::size_t(1));
        QCOMPARE(w.vm().files()[0].url.path(), latin1);
    }
};

VELLUMIX_UI_TEST_MAIN(FileListViewTest)
#include "file_list_view_test.moc"
