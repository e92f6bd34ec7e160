// The file list's icon choice: a pure function of the file's extension.
#include <QTest>
#include <set>
#include <string>

#include "model/file_url.h"
#include "ui/file_icon.h"

using vellumix::FileUrl;
using vellumix::ui::fileIcon;

class FileIconTest : public QObject {
    Q_OBJECT

private slots:
    void symbolOfFile_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("symbol");
        const QString code = QStringLiteral("chevron.left.forwardslash.chevron.right");
        // The listed extensions, matched after lower-casing.
        QTest::newRow("PHOTO.PNG: upper case matches png") << "/f/PHOTO.PNG"
                                                           << "photo";
        QTest::newRow("clip.AVI") << "/f/clip.AVI"
                                  << "film";
        QTest::newRow("song.m4a") << "/f/song.m4a"
                                  << "music.note";
        QTest::newRow("report.pdf") << "/f/report.pdf"
                                    << "doc.richtext";
        QTest::newRow("backup.tar.gz: only the last extension counts") << "/f/backup.tar.gz"
                                                                       << "archivebox";
        QTest::newRow("main.py") << "/f/main.py" << code;
        QTest::newRow("Main.C: a one-letter extension") << "/f/Main.C" << code;
        QTest::newRow("shot.HEIC") << "/f/shot.HEIC"
                                   << "photo";
        QTest::newRow("scan.tiff") << "/f/scan.tiff"
                                   << "photo";
        // Further common extensions of the same kinds.
        QTest::newRow("holiday.JPG") << "/f/holiday.JPG"
                                     << "photo";
        QTest::newRow("film.mkv") << "/f/film.mkv"
                                  << "film";
        QTest::newRow("voice.opus") << "/f/voice.opus"
                                    << "music.note";
        QTest::newRow("src.tar.zst") << "/f/src.tar.zst"
                                     << "archivebox";
        QTest::newRow("engine.cpp") << "/f/engine.cpp" << code;
        // The generic document: other extensions, unlisted variants, no extension.
        QTest::newRow("notes.txt") << "/f/notes.txt"
                                   << "doc";
        QTest::newRow("image.tif: a variant that is not listed") << "/f/image.tif"
                                                                 << "doc";
        QTest::newRow("page.htm") << "/f/page.htm"
                                  << "doc";
        QTest::newRow("README: no extension") << "/f/README"
                                              << "doc";
        QTest::newRow(".png: a hidden name has no extension") << "/f/.png"
                                                              << "doc";
        QTest::newRow("photo.: a trailing dot is no extension") << "/f/photo."
                                                                << "doc";
        QTest::newRow("non-UTF-8 name") << QString::fromLatin1("/f/caf\xE9.mp3") << "music.note";
    }

    void symbolOfFile() {
        QFETCH(QString, path);
        QFETCH(QString, symbol);
        const std::string bytes = path.startsWith(QLatin1String("/f/caf"))
                                      ? path.toLatin1().toStdString()
                                      : path.toStdString();
        QCOMPARE(QString::fromUtf8(fileIcon(FileUrl(bytes)).data()), symbol);
    }

    // Each extension stands in one row only, in lower case, so the row order
    // never decides an icon.
    void noExtensionInTwoRows() {
        std::set<std::string_view> seen;
        for (const auto& row : vellumix::ui::detail::kFileIconTable) {
            for (std::string_view extension : row.extensions) {
                QVERIFY2(seen.insert(extension).second, extension.data());
                for (char c : extension)
                    QVERIFY2(!(c >= 'A' && c <= 'Z'), extension.data());
            }
        }
    }
};

QTEST_APPLESS_MAIN(FileIconTest)
#include "file_icon_test.moc"
