// The file list's icon choice: a pure function of the file's extension.
#include <QTest>
#include <string>

#include "model/file_url.h"
#include "ui/file_icon.h"

using vellumix::FileUrl;
using vellumix::ui::fileIcon;

class FileIconTest : public QObject {
    Q_OBJECT

private slots:
    // Each row is named by the file.
    void symbolOfFile_data() {
        QTest::addColumn<QString>("symbol");
        const QString code = QStringLiteral("chevron.left.forwardslash.chevron.right");
        // Listed extensions, matched after lower-casing; only the last one counts.
        QTest::addRow("PHOTO.PNG") << "photo";
        QTest::addRow("clip.AVI") << "film";
        QTest::addRow("caf\xE9.m4a") << "music.note";  // a name that is not UTF-8
        QTest::addRow("report.pdf") << "doc.richtext";
        QTest::addRow("backup.tar.gz") << "archivebox";
        QTest::addRow("Main.C") << code;
        // The generic document: other extensions, unlisted variants, no extension.
        QTest::addRow("image.tif") << "doc";
        QTest::addRow(".png") << "doc";  // a hidden name has no extension
        QTest::addRow("photo.") << "doc";
    }

    void symbolOfFile() {
        QFETCH(QString, symbol);
        const std::string path = std::string("/f/") + QTest::currentDataTag();
        QCOMPARE(QString::fromUtf8(fileIcon(FileUrl(path)).data()), symbol);
    }
};

QTEST_APPLESS_MAIN(FileIconTest)
#include "file_icon_test.moc"
