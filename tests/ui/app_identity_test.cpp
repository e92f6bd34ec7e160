// The application id: the program, its menu entry, its AppStream metadata and
// its icon all go by org.vellumix.Vellumix, so that desktops match the running
// window to its entry and icon.
#include "ui_test_support.h"

namespace {

const QString kDataDir = QStringLiteral(VELLUMIX_DATA_DIR);

// The keys of a desktop file's [Desktop Entry] group (untranslated ones).
QHash<QString, QString> desktopEntry(const QString& path) {
    QHash<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return keys;
    QTextStream in(&file);
    bool inEntry = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'[')) {
            inEntry = line == QLatin1String("[Desktop Entry]");
        } else if (inEntry && line.contains(u'=') && !line.startsWith(u'#')) {
            keys.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
        }
    }
    return keys;
}

// The text of the first element of each of the given names in an AppStream
// file; of a release, its version (the newest is listed first).
QHash<QString, QString> metainfo(const QString& path, const QStringList& names) {
    QHash<QString, QString> texts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return texts;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QString name = xml.name().toString();
        if (!names.contains(name) || texts.contains(name)) continue;
        texts.insert(name, name == QLatin1String("release")
                               ? xml.attributes().value(QLatin1String("version")).toString()
                               : xml.readElementText());
    }
    return texts;
}

}  // namespace

class AppIdentityTest : public QObject {
    Q_OBJECT

private slots:
    void everyPieceNamesTheSameId() {
        const QString id = QGuiApplication::desktopFileName();
        QCOMPARE(id, QStringLiteral("org.vellumix.Vellumix"));

        const QHash<QString, QString> entry = desktopEntry(kDataDir + "/" + id + ".desktop");
        QVERIFY2(!entry.isEmpty(), "no menu entry named after the id");
        QCOMPARE(entry.value("Icon"), id);
        QCOMPARE(entry.value("Exec"), QStringLiteral(VELLUMIX_PROGRAM_NAME " %F"));
        QCOMPARE(entry.value("TryExec"), QStringLiteral(VELLUMIX_PROGRAM_NAME));
        // X11 window managers match the window's class, which Qt takes from
        // the application name.
        QCOMPARE(entry.value("StartupWMClass"), QCoreApplication::applicationName());

        const QHash<QString, QString> meta =
            metainfo(kDataDir + "/" + id + ".metainfo.xml",
                     {"id", "launchable", "binary", "name", "release"});
        QCOMPARE(meta.value("id"), id);
        QCOMPARE(meta.value("launchable"), id + ".desktop");
        QCOMPARE(meta.value("binary"), QStringLiteral(VELLUMIX_PROGRAM_NAME));
        QCOMPARE(meta.value("name"), QGuiApplication::applicationDisplayName());
        QCOMPARE(meta.value("release"), QCoreApplication::applicationVersion());

        QVERIFY(QFile::exists(kDataDir + "/icons/" + id + ".svg"));
        QVERIFY(!QGuiApplication::windowIcon().pixmap(64, 64).isNull());
    }
};

VELLUMIX_UI_TEST_MAIN(AppIdentityTest)
#include "app_identity_test.moc"
