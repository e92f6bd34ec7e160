// Light and dark, and symbols: the desktop's colour scheme is followed, derived
// colours stay readable, and symbols are drawn in the colour asked for.
#include "ui/appearance.h"
#include "ui/palette_colors.h"
#include "ui/preview_delegates.h"
#include "ui/prominent_button.h"
#include "ui/symbol_icons.h"
#include "ui/toolbar_button.h"
#include "ui_test_support.h"

using namespace vellumix;
using namespace vellumix::ui;
using namespace vellumix::ui::testing;

namespace {

// A dark palette of another desktop, with colours of its own: what a platform
// theme may hand over.
QPalette foreignDarkPalette() {
    QPalette palette = QApplication::palette();
    const QColor window(0x31, 0x36, 0x3b), text(0xfc, 0xfc, 0xfc);
    for (auto role : {QPalette::Window, QPalette::AlternateBase, QPalette::Button})
        palette.setColor(role, window);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, QColor(0x1b, 0x1e, 0x20));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    return palette;
}

// Sets an application palette and puts the previous one back at the end.
struct AppPalette {
    explicit AppPalette(const QPalette& palette) {
        QApplication::setPalette(palette);
        settle();
    }
    ~AppPalette() {
        QApplication::setPalette(before);
        settle();
    }
    QPalette before = QApplication::palette();
};

// The colour of the most opaque pixel of the icon drawn at `size`.
QColor strongestPixel(const QIcon& icon, int size, QIcon::Mode mode = QIcon::Normal) {
    const QImage image =
        icon.pixmap(QSize(size, size), mode).toImage().convertToFormat(QImage::Format_ARGB32);
    QColor strongest(0, 0, 0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).alpha() > strongest.alpha())
                strongest = image.pixelColor(x, y);
        }
    }
    return strongest;
}

// The colours of `view` (a renamed and an unchanged file, and the marks of
// rows) whose contrast falls short under the application's palette: names
// want 4.5, badges 3.
QString poorContrasts(const ContentView& view) {
    const QPalette& p = QApplication::palette();
    const QColor window = p.color(QPalette::Window), base = p.color(QPalette::Base);
    QStringList poor;
    const auto check = [&](const char* what, const QColor& text, const QColor& background,
                           double minimum) {  // `text` may be translucent
        if (contrastRatio(composite(text, background), background) < minimum)
            poor << QStringLiteral("%1: %2 on %3").arg(what, text.name(), background.name());
    };
    for (int row : {0, 1}) {
        const QModelIndex name = view.fileList()->model()->index(row, 1);
        check("new name", name.data(Qt::ForegroundRole).value<QColor>(), base, 4.5);
    }
    auto* rename = qobject_cast<ProminentButton*>(view.renameButton());
    check("rename button", rename->textColor(), rename->fillColor(), 4.5);
    for (const StatBadge* badge : {view.totalBadge(), view.toRenameBadge()}) {
        const QColor behind = composite(badge->fillColor(), window);
        check("badge", badge->valueLabel()->palette().color(QPalette::WindowText), behind, 3);
    }
    for (auto status : {FileItem::Status::changed, FileItem::Status::error}) {
        const auto colors = statusBadgeColors(p, status, false);
        check("status badge", colors.text, composite(colors.fill, base), 3);
    }
    // Marked rows: their capsule, and their new name in its tone.
    for (SystemColor tone : {SystemColor::red, SystemColor::amber}) {
        const auto colors = capsuleColors(p, tone, false);
        check("mark badge", colors.text, composite(colors.fill, base), 3);
        check("marked new name", systemColor(p, tone), base, 4.5);
    }
    return poor.join(QStringLiteral(" | "));
}

}  // namespace

class AppearanceTest : public QObject {
    Q_OBJECT

private slots:
    void gtkThemeNamesTheScheme() {
        const std::pair<const char*, ColorScheme> cases[] = {
            {"Adwaita:dark", ColorScheme::dark},   {"Yaru:Dark", ColorScheme::dark},
            {"Adwaita:light", ColorScheme::light}, {"Adwaita-dark", ColorScheme::noPreference},
            {"", ColorScheme::noPreference},       {"Adwaita:hc", ColorScheme::noPreference},
        };
        for (const auto& [theme, scheme] : cases)
            QVERIFY2(colorSchemeFromGtkTheme(QString::fromLatin1(theme)) == scheme, theme);
    }

    // A dark desktop darkens a light palette and gives it back when it turns
    // light; a palette that is dark already is the desktop's own and stays.
    void darkDesktopIsFollowed() {
        const auto window = [] { return QApplication::palette().color(QPalette::Window); };
        const QColor light = window();
        applyColorScheme(ColorScheme::dark);
        QCOMPARE(window(), darkPalette().color(QPalette::Window));
        applyColorScheme(ColorScheme::light);
        QCOMPARE(window(), light);
        AppPalette platform(foreignDarkPalette());
        applyColorScheme(ColorScheme::dark);
        QCOMPARE(window(), foreignDarkPalette().color(QPalette::Window));
    }

    // Under a palette set while the window is open, and again once the light
    // one is back.
    void coloursKeepTheirContrast() {
        TestWindow w({"a.txt", "keep"});
        w.configure([](RenameConfig& c) {
            c.rule = RenameRule::replace;
            c.findText = "a";
            c.replaceText = "b";
        });
        for (const QPalette& palette : {darkPalette(), foreignDarkPalette()}) {
            AppPalette applied(palette);
            QCOMPARE(poorContrasts(w.view()), QString());
        }
        QCOMPARE(poorContrasts(w.view()), QString());
        QCOMPARE(qRound(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) * 100), 454);
    }

    // Also without a usable icon theme a symbol has an icon (an unknown one
    // the generic file's).
    void everySymbolHasAnIcon() {
        const QString before = QIcon::themeName();
        for (const QString& theme : {before, QStringLiteral("no-such-theme")}) {
            QIcon::setThemeName(theme);
            for (const char* symbol : {"plus.circle", "photo", "no.such.symbol"})
                QVERIFY2(!tintedSymbolIcon(symbol, Qt::red).pixmap(16, 16).isNull(), symbol);
        }
        QIcon::setThemeName(before);
    }

    // Toolbar symbols are drawn in the colour asked for, when disabled in a
    // colour of their own, and at twice the size on 2x screens; the window's
    // follow a change of palette.
    void symbolsTakeTheirColour() {
        if (!QIcon::hasThemeIcon(QStringLiteral("list-add"))) QSKIP("no icon theme installed");
        const QColor red(200, 30, 40), grey(128, 128, 128);
        for (const char* symbol : {"plus.circle", "trash", "arrow.down.doc.fill"}) {
            const QIcon icon = tintedSymbolIcon(symbol, red, grey);
            const QColor drawn = strongestPixel(icon, 24);
            QVERIFY2(drawn.alpha() > 200 && drawn.rgb() == red.rgb(), symbol);
            QVERIFY2(strongestPixel(icon, 24, QIcon::Disabled).rgb() == grey.rgb(), symbol);
            QCOMPARE(icon.pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32));
        }
        TestWindow w;
        AppPalette dark(darkPalette());
        QCOMPARE(strongestPixel(w.view().addFilesButton()->icon(), 16).rgb(),
                 darkPalette().color(QPalette::ButtonText).rgb());
    }

    // A button's label with a mnemonic shows whole in the room its drawn
    // width takes ("(&C)" draws as "(C)"), and elided only in less.
    void labelsWithAMnemonicShowWholeWhereTheyFit() {
        const QFontMetricsF metrics(QApplication::font());
        for (const QString& text : {QStringLiteral("&Add Files"), QStringLiteral("\u30AF\u30EA\u30A2(&C)"),
                                    QStringLiteral("&Rename 100000 File(s)")}) {
            const qreal drawn = metrics.size(Qt::TextShowMnemonic, text).width();
            QCOMPARE(fittedLabel(metrics, text, drawn), text);
            QVERIFY2(fittedLabel(metrics, text, drawn / 2).endsWith(QChar(0x2026)), qPrintable(text));
        }
    }
};

VELLUMIX_UI_TEST_MAIN(AppearanceTest)
#include "appearance_test.moc"
