// The application id: the program, its menu entry, its AppStream metadata and
// its icon all go by org.vellumix.Vellumix, so that desktops match the running
// window to its entry and icon.
#include "ui_test_support.h"

namespace {

const QString kDataDir = QStringLiteral(VELLUMIX_DATA_DIR);

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll())
                                                            : QString();
}

// The first value of `pattern`'s capture in `text` (a line of a menu entry, an
// element of the metadata).
QString first(const QString& text, const QString& pattern) {
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).captured(1);
}

}  // namespace

class AppIdentityTest : public QObject {
    Q_OBJECT

private slots:
    void everyPieceNamesTheSameId() {
        const QString id = QGuiApplication::desktopFileName();
        QCOMPARE(id, QStringLiteral("org.vellumix.Vellumix"));

        const QString entry = readAll(kDataDir + "/" + id + ".desktop");
        const QString program = QStringLiteral(VELLUMIX_PROGRAM_NAME);
        const auto key = [&](const char* name) {
            return first(entry, QString("^%1=(.*)$").arg(name));
        };
        QCOMPARE(key("Icon"), id);
        QCOMPARE(key("Exec"), program + " %F");
        QCOMPARE(key("TryExec"), program);
        // X11 window managers match the window's class, which Qt takes from
        // the application name.
        QCOMPARE(key("StartupWMClass"), QCoreApplication::applicationName());

        const QString meta = readAll(kDataDir + "/" + id + ".metainfo.xml");
        const auto element = [&](const char* name) {
            return first(meta, QString("<%1>([^<]*)<").arg(name));
        };
        QCOMPARE(element("id"), id);
        QCOMPARE(element("launchable type=\"desktop-id\""), id + ".desktop");
        QCOMPARE(element("binary"), program);
        QCOMPARE(element("name"), QGuiApplication::applicationDisplayName());
        // The newest release is listed first.
        QCOMPARE(first(meta, "<release version=\"([^\"]*)\""),
                 QCoreApplication::applicationVersion());

        QVERIFY(QFile::exists(kDataDir + "/icons/" + id + ".svg"));
        QVERIFY(!QGuiApplication::windowIcon().pixmap(64, 64).isNull());
    }
};

VELLUMIX_UI_TEST_MAIN(AppIdentityTest)
#include "app_identity_test.moc"
