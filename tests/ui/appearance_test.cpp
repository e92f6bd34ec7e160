// Light and dark, and symbols: the desktop's colour scheme is recognised and
// followed, every colour the window derives from the palette keeps its text
// readable on light and dark palettes and follows a palette change, every
// symbol has an icon drawn in the colour asked for, and icons have pictures
// drawn for 2x screens.
#include <algorithm>

#include "ui/appearance.h"
#include "ui/palette_colors.h"
#include "ui/preview_delegates.h"
#include "ui/prominent_button.h"
#include "ui/symbol_icons.h"
#include "ui_test_support.h"

using namespace vellumix;
using namespace vellumix::ui;
using namespace vellumix::ui::testing;

Q_DECLARE_METATYPE(ColorScheme)

namespace {

// A dark palette of another desktop than the one the application imitates,
// with colours of its own: what a platform theme may hand over.
QPalette foreignDarkPalette() {
    QPalette palette = QApplication::palette();
    const QColor window(0x31, 0x36, 0x3b), base(0x1b, 0x1e, 0x20), text(0xfc, 0xfc, 0xfc);
    for (auto role : {QPalette::Window, QPalette::AlternateBase, QPalette::Button})
        palette.setColor(role, window);
    palette.setColor(QPalette::Base, base);
    for (auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    return palette;
}

// Sets an application palette and puts the previous one back at the end.
class AppPalette {
public:
    explicit AppPalette(const QPalette& palette) : before_(QApplication::palette()) {
        QApplication::setPalette(palette);
        settle();
    }
    ~AppPalette() {
        QApplication::setPalette(before_);
        settle();
    }

private:
    QPalette before_;
};

// The colour of the most opaque pixel of `image`.
QColor strongestPixel(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    QColor strongest(0, 0, 0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).alpha() > strongest.alpha())
                strongest = image.pixelColor(x, y);
        }
    }
    return strongest;
}

QColor strongestPixel(const QIcon& icon, int size, QIcon::Mode mode = QIcon::Normal) {
    return strongestPixel(icon.pixmap(QSize(size, size), mode).toImage());
}

// The colours of `view` (showing a renamed and an unchanged file) whose
// contrast falls short under the application's palette: names want 4.5,
// statuses, counts, symbols and hints 3.
QString poorContrasts(const ContentView& view) {
    const QPalette& p = QApplication::palette();
    const QColor window = p.color(QPalette::Window), base = p.color(QPalette::Base);
    QStringList poor;
    // `text` may be translucent, `background` is opaque.
    const auto check = [&](const char* what, const QColor& text, const QColor& background,
                           double minimum) {
        const double ratio = contrastRatio(composite(text, background), background);
        if (ratio < minimum) {
            poor << QStringLiteral("%1: %2 on %3 has contrast %4")
                        .arg(QLatin1String(what), text.name(QColor::HexArgb), background.name())
                        .arg(ratio, 0, 'f', 2);
        }
    };
    const auto textOf = [](const QLabel* label) {
        return label->palette().color(QPalette::WindowText);
    };
    const auto newName = [&](int row) {
        return view.fileList()->model()->index(row, 1).data(Qt::ForegroundRole).value<QColor>();
    };
    check("title", textOf(view.findChild<QLabel*>("appTitle")), window, 4.5);
    check("rule label", textOf(view.findChild<QLabel*>("ruleLabel")), cardBackground(p), 4.5);
    check("changed new name", newName(0), base, 4.5);
    check("unchanged new name", newName(1), base, 4.5);
    check("red Clear", view.clearButton()->palette().color(QPalette::ButtonText),
          p.color(QPalette::Button), 4.5);
    auto* rename = qobject_cast<ProminentButton*>(view.renameButton());
    check("rename button", rename->textColor(), rename->fillColor(), 4.5);
    for (const StatBadge* badge :
         {view.totalBadge(), view.toRenameBadge(), view.unchangedBadge()}) {
        const QColor behind = composite(badge->fillColor(), window);
        check("badge value", textOf(badge->valueLabel()), behind, 3);
        check("badge label", textOf(badge->captionLabel()), behind, 4.5);
    }
    // On a selected row a badge reads at least as well as the row's own text
    // in the platform's selection colours, and at 3 where those do.
    const QColor highlight = p.color(QPalette::Highlight);
    const double selection =
        std::min(3.0, contrastRatio(p.color(QPalette::HighlightedText), highlight));
    for (auto status :
         {FileItem::Status::changed, FileItem::Status::unchanged, FileItem::Status::error}) {
        const auto plain = statusBadgeColors(p, status, false);
        check("status badge", plain.text, composite(plain.fill, base), 3);
        const auto selected = statusBadgeColors(p, status, true);
        check("selected status badge", selected.text, composite(selected.fill, highlight),
              selection);
    }
    const QColor zone = composite(withOpacity(foreground(p, Foreground::quaternary), 0.4), base);
    check("drop zone title", textOf(view.fileList()->dropZone()->titleLabel()), zone, 4.5);
    check("drop zone hint", textOf(view.fileList()->dropZone()->captionLabel()), zone, 3);
    return poor.join(QStringLiteral(" | "));
}

}  // namespace

class AppearanceTest : public QObject {
    Q_OBJECT

private slots:
    void gtkThemeNamesTheScheme_data() {
        QTest::addColumn<QString>("gtkTheme");
        QTest::addColumn<ColorScheme>("scheme");
        QTest::newRow("dark variant") << "Adwaita:dark" << ColorScheme::dark;
        QTest::newRow("dark variant, any case") << "Yaru:Dark" << ColorScheme::dark;
        QTest::newRow("light variant") << "Adwaita:light" << ColorScheme::light;
        QTest::newRow("theme without variant") << "Adwaita-dark" << ColorScheme::noPreference;
        QTest::newRow("unset") << "" << ColorScheme::noPreference;
        QTest::newRow("unknown variant") << "Adwaita:hc" << ColorScheme::noPreference;
    }

    void gtkThemeNamesTheScheme() {
        QFETCH(QString, gtkTheme);
        QFETCH(ColorScheme, scheme);
        QCOMPARE(colorSchemeFromGtkTheme(gtkTheme), scheme);
    }

    // A dark desktop darkens a light palette and gives it back when it turns
    // light; a palette that is dark already is the desktop's own and stays.
    void darkDesktopIsFollowed() {
        const QColor light = QApplication::palette().color(QPalette::Window);
        const auto window = [] { return QApplication::palette().color(QPalette::Window); };
        QVERIFY(!isDark(QApplication::palette()));
        applyColorScheme(ColorScheme::dark);
        QVERIFY(isDark(QApplication::palette()));
        QCOMPARE(window(), darkPalette().color(QPalette::Window));
        applyColorScheme(ColorScheme::light);
        QCOMPARE(window(), light);

        AppPalette platform(foreignDarkPalette());
        for (ColorScheme scheme : {ColorScheme::dark, ColorScheme::noPreference}) {
            applyColorScheme(scheme);
            QCOMPARE(window(), foreignDarkPalette().color(QPalette::Window));
        }
    }

    void coloursKeepTheirContrast_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light (the style's own)") << QApplication::palette();
        QTest::newRow("dark (the application's)") << darkPalette();
        QTest::newRow("dark (another desktop's)") << foreignDarkPalette();
    }

    // Under a palette set while the window is open, and again once the light
    // one is back.
    void coloursKeepTheirContrast() {
        QFETCH(QPalette, palette);
        TestWindow w({"a.txt", "keep"});
        w.configure([](RenameConfig& c) {
            c.rule = RenameRule::replace;
            c.findText = "a";
            c.replaceText = "b";
        });
        QVERIFY(w.view().renameButton()->isEnabled());
        {
            AppPalette applied(palette);
            QCOMPARE(poorContrasts(w.view()), QString());
        }
        QCOMPARE(poorContrasts(w.view()), QString());
    }

    void contrastIsMeasuredAsTheGuidelinesDo() {
        QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white) * 10), 210);
        QCOMPARE(contrastRatio(Qt::white, Qt::white), 1.0);
        QCOMPARE(qRound(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) * 100), 454);
        // Too light an accent under white text is darkened just enough.
        const QColor fixed = withContrast(QColor(0x30, 0x8c, 0xc6), Qt::white, 4.5);
        QVERIFY(contrastRatio(fixed, Qt::white) >= 4.5);
        QVERIFY(contrastRatio(fixed, Qt::white) < 5.0);
        QCOMPARE(withContrast(Qt::black, Qt::white, 4.5), QColor(Qt::black));
    }

    // Symbols drawn in the palette's colours follow it to dark and back.
    void symbolsFollowThePalette() {
        if (!QIcon::hasThemeIcon(QStringLiteral("list-add"))) QSKIP("no icon theme installed");
        TestWindow w;
        const QPalette light = QApplication::palette();
        {
            AppPalette dark(darkPalette());
            QCOMPARE(strongestPixel(w.view().addFilesButton()->icon(), 16).rgb(),
                     darkPalette().color(QPalette::ButtonText).rgb());
            // The drop zone's symbol, drawn in the faint text colour.
            const QLabel* symbol = w.view().fileList()->dropZone()->findChild<QLabel*>();
            QCOMPARE(strongestPixel(symbol->pixmap().toImage()).rgb(),
                     darkPalette().color(QPalette::WindowText).rgb());
        }
        QCOMPARE(strongestPixel(w.view().addFilesButton()->icon(), 16).rgb(),
                 light.color(QPalette::ButtonText).rgb());
    }

    void everySymbolHasAnIcon_data() {
        QTest::addColumn<QString>("theme");
        QTest::newRow("the desktop's theme") << QIcon::themeName();
        QTest::newRow("no usable theme") << QStringLiteral("no-such-theme");
    }

    void everySymbolHasAnIcon() {
        QFETCH(QString, theme);
        const QString before = QIcon::themeName();
        QIcon::setThemeName(theme);
        for (const char* symbol :
             {"plus.circle", "folder.badge.plus", "trash", "checkmark.circle.fill",
              "arrow.down.doc.fill", "photo", "film", "music.note", "doc.richtext", "archivebox",
              "chevron.left.forwardslash.chevron.right", "doc"}) {
            QVERIFY2(!symbolIcon(symbol).pixmap(16, 16).isNull(), symbol);
            QVERIFY2(!tintedSymbolIcon(symbol, Qt::red).pixmap(16, 16).isNull(), symbol);
        }
        QIcon::setThemeName(before);
    }

    // Toolbar and drop-zone symbols are drawn in the colour asked for, when
    // disabled in a colour of their own, so they follow the palette like text.
    void symbolicIconsTakeTheirColour() {
        if (!QIcon::hasThemeIcon(QStringLiteral("list-add"))) QSKIP("no icon theme installed");
        const QColor red(200, 30, 40), blue(20, 120, 220), grey(128, 128, 128);
        for (const char* symbol : {"plus.circle", "folder.badge.plus", "trash",
                                   "checkmark.circle.fill", "arrow.down.doc.fill"}) {
            for (const QColor& colour : {red, blue}) {
                const QColor drawn = strongestPixel(tintedSymbolIcon(symbol, colour), 24);
                QVERIFY2(drawn.alpha() > 200 && drawn.rgb() == colour.rgb(), symbol);
            }
            const QIcon icon = tintedSymbolIcon(symbol, red, grey);
            QVERIFY2(strongestPixel(icon, 24, QIcon::Disabled).rgb() == grey.rgb(), symbol);
        }
    }

    // Each size an icon is shown at has a picture of its own on 2x screens, not
    // a smaller one scaled up: the application icon at 16 to 128 points,
    // toolbar symbols at 16 and the drop zone's at 48.
    void iconsHavePicturesForDoubleDensity() {
        const QList<QSize> appSizes = applicationIcon().availableSizes();
        for (int size : {16, 24, 32, 48, 64, 96, 128, 192, 256})
            QVERIFY2(appSizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        if (!QIcon::hasThemeIcon(QStringLiteral("list-add"))) QSKIP("no icon theme installed");
        for (const auto& [symbol, size] : {std::pair{"plus.circle", 16}, std::pair{"trash", 16},
                                           std::pair{"arrow.down.doc.fill", 48}}) {
            const QIcon icon = tintedSymbolIcon(symbol, Qt::red);
            QVERIFY2(icon.availableSizes().contains(QSize(2 * size, 2 * size)), symbol);
            QCOMPARE(icon.pixmap(QSize(size, size), 2.0).size(), QSize(2 * size, 2 * size));
        }
    }
};

VELLUMIX_UI_TEST_MAIN(AppearanceTest)
#include "appearance_test.moc"
