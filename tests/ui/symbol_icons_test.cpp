// Symbol names to theme icons: every symbol the interface uses has an icon,
// with the desktop's icon theme and without any.
#include <QIcon>
#include <QImage>
#include <QTest>

#include "ui/symbol_icons.h"
#include "ui_test_support.h"

using vellumix::ui::symbolIcon;
using vellumix::ui::tintedSymbolIcon;

namespace {

const char* const kSymbols[] = {"plus.circle",
                                "folder.badge.plus",
                                "trash",
                                "checkmark.circle.fill",
                                "arrow.down.doc.fill",
                                "photo",
                                "film",
                                "music.note",
                                "doc.richtext",
                                "archivebox",
                                "chevron.left.forwardslash.chevron.right",
                                "doc"};

// The colour of the most opaque pixel of `icon` drawn at `size` in `mode`.
QColor strongestPixel(const QIcon& icon, int size, QIcon::Mode mode = QIcon::Normal) {
    const QImage image =
        icon.pixmap(QSize(size, size), mode).toImage().convertToFormat(QImage::Format_ARGB32);
    QColor strongest(0, 0, 0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() > strongest.alpha()) strongest = pixel;
        }
    }
    return strongest;
}

}  // namespace

class SymbolIconsTest : public QObject {
    Q_OBJECT

private slots:
    void everySymbolHasAnIcon_data() {
        QTest::addColumn<QString>("theme");
        QTest::newRow("the desktop's theme") << QIcon::themeName();
        QTest::newRow("no usable theme") << QStringLiteral("no-such-theme");
    }

    void everySymbolHasAnIcon() {
        QFETCH(QString, theme);
        const QString before = QIcon::themeName();
        QIcon::setThemeName(theme);
        for (const char* symbol : kSymbols) {
            QVERIFY2(!symbolIcon(symbol).pixmap(16, 16).isNull(), symbol);
            QVERIFY2(!tintedSymbolIcon(symbol, Qt::red).pixmap(16, 16).isNull(), symbol);
        }
        QIcon::setThemeName(before);
    }

    // Toolbar and drop-zone symbols are drawn in the colour asked for, so they
    // follow the palette like text (Adwaita ships them as symbolic pictures).
    void symbolicIconsTakeTheirColour() {
        if (!QIcon::hasThemeIcon(QStringLiteral("list-add"))) QSKIP("no icon theme installed");
        for (const char* symbol : {"plus.circle", "folder.badge.plus", "trash",
                                   "checkmark.circle.fill", "arrow.down.doc.fill"}) {
            for (const QColor& colour : {QColor(200, 30, 40), QColor(20, 120, 220)}) {
                const QColor drawn = strongestPixel(tintedSymbolIcon(symbol, colour), 24);
                QVERIFY2(drawn.alpha() > 200, symbol);
                QCOMPARE(drawn.rgb(), colour.rgb());
            }
        }
    }

    void disabledIconsTakeTheirOwnColour() {
        if (!QIcon::hasThemeIcon(QStringLiteral("list-add"))) QSKIP("no icon theme installed");
        const QIcon icon = tintedSymbolIcon("trash", QColor(200, 30, 40), QColor(128, 128, 128));
        QCOMPARE(strongestPixel(icon, 24, QIcon::Disabled).rgb(), QColor(128, 128, 128).rgb());
        QCOMPARE(strongestPixel(icon, 24, QIcon::Normal).rgb(), QColor(200, 30, 40).rgb());
    }

    void applicationIconIsBundled() {
        QVERIFY(!vellumix::ui::applicationIcon().pixmap(64, 64).isNull());
    }
};

VELLUMIX_UI_TEST_MAIN(SymbolIconsTest)
#include "symbol_icons_test.moc"
