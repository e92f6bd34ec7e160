// Light and dark: the desktop's colour scheme is recognised and followed, every
// colour the window derives from the palette keeps its text readable on light
// and dark palettes, symbols are recoloured when the palette changes, and
// icons have pictures drawn for 2x screens.
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "model/file_item.h"
#include "ui/appearance.h"
#include "ui/content_view.h"
#include "ui/drop_zone.h"
#include "ui/file_list_view.h"
#include "ui/palette_colors.h"
#include "ui/preview_delegates.h"
#include "ui/preview_table_model.h"
#include "ui/prominent_button.h"
#include "ui/rule_panel.h"
#include "ui/stat_badge.h"
#include "ui/symbol_icons.h"
#include "ui/text_styles.h"
#include "ui_test_support.h"
#include "viewmodel/rename_view_model.h"

using vellumix::FileItem;
using vellumix::FileUrl;
using vellumix::RenameConfig;
using vellumix::RenameRule;
using vellumix::ui::ColorScheme;
using vellumix::ui::composite;
using vellumix::ui::ContentView;
using vellumix::ui::contrastRatio;
using vellumix::ui::testing::Sandbox;
using vellumix::ui::testing::settle;

Q_DECLARE_METATYPE(ColorScheme)

namespace {

// A dark palette of another desktop than the one the application imitates,
// with colours of its own: what a platform theme may hand over.
QPalette foreignDarkPalette() {
    QPalette palette = QApplication::palette();
    const QColor window(0x31, 0x36, 0x3b), base(0x1b, 0x1e, 0x20), text(0xfc, 0xfc, 0xfc);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Button, window);
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText}) {
        palette.setColor(role, text);
    }
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

QColor strongestPixel(const QIcon& icon, int size) {
    return strongestPixel(icon.pixmap(QSize(size, size)).toImage());
}

QColor textOf(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

struct Pair {
    const char* what;
    QColor text;        // may be translucent
    QColor background;  // opaque
    double minimum;
};

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
        QCOMPARE(vellumix::ui::colorSchemeFromGtkTheme(gtkTheme), scheme);
    }

    // A dark desktop darkens a light palette and gives it back when it turns
    // light; a palette that is dark already is the desktop's own and stays.
    void darkDesktopIsFollowed() {
        const QPalette light = QApplication::palette();
        QVERIFY(!vellumix::ui::isDark(light));
        vellumix::ui::applyColorScheme(ColorScheme::dark);
        QVERIFY(vellumix::ui::isDark(QApplication::palette()));
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 vellumix::ui::darkPalette().color(QPalette::Window));
        vellumix::ui::applyColorScheme(ColorScheme::light);
        QCOMPARE(QApplication::palette().color(QPalette::Window), light.color(QPalette::Window));

        AppPalette platform(foreignDarkPalette());
        vellumix::ui::applyColorScheme(ColorScheme::dark);
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 foreignDarkPalette().color(QPalette::Window));
        vellumix::ui::applyColorScheme(ColorScheme::noPreference);
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 foreignDarkPalette().color(QPalette::Window));
    }

    void coloursKeepTheirContrast_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light (the style's own)") << QApplication::palette();
        QTest::newRow("dark (the application's)") << vellumix::ui::darkPalette();
        QTest::newRow("dark (another desktop's)") << foreignDarkPalette();
    }

    // Names want a contrast of 4.5, statuses, counts, symbols and hints 3.
    void coloursKeepTheirContrast() {
        QFETCH(QPalette, palette);
        AppPalette applied(palette);
        Sandbox files;
        ContentView view;
        view.resize(1000, 700);
        view.show();
        std::vector<FileUrl> urls{FileUrl(files.write("a.txt")), FileUrl(files.write("keep"))};
        view.viewModel().addFiles(urls);
        RenameConfig config = view.viewModel().config();
        config.rule = RenameRule::replace;
        config.findText = "a";
        config.replaceText = "b";
        view.viewModel().setConfig(config);
        settle();

        const QPalette& p = QApplication::palette();
        const QColor window = p.color(QPalette::Window);
        const QColor base = p.color(QPalette::Base);
        const QColor card = vellumix::ui::cardBackground(p);
        auto* rule = view.rulePanel()->findChild<QLabel*>("ruleLabel");
        const QModelIndex changed = view.fileList()->model()->index(0, 1);
        const QModelIndex same = view.fileList()->model()->index(1, 1);
        QCOMPARE(changed.data(vellumix::ui::PreviewTableModel::StatusRole).toInt(),
                 int(FileItem::Status::changed));

        std::vector<Pair> pairs{
            {"title", textOf(view.findChild<QLabel*>("appTitle")), window, 4.5},
            {"rule label on the card", textOf(rule), card, 4.5},
            {"changed new name", changed.data(Qt::ForegroundRole).value<QColor>(), base, 4.5},
            {"unchanged new name", same.data(Qt::ForegroundRole).value<QColor>(), base, 4.5},
            {"red Clear", view.clearButton()->palette().color(QPalette::ButtonText),
             p.color(QPalette::Button), 4.5},
        };
        auto* rename = qobject_cast<vellumix::ui::ProminentButton*>(view.renameButton());
        QVERIFY(rename && rename->isEnabled());
        pairs.push_back({"rename button", rename->textColor(), rename->fillColor(), 4.5});
        for (const vellumix::ui::StatBadge* badge :
             {view.totalBadge(), view.toRenameBadge(), view.unchangedBadge()}) {
            const QColor behind = composite(badge->fillColor(), window);
            pairs.push_back({"badge value", textOf(badge->valueLabel()), behind, 3});
            pairs.push_back({"badge label", textOf(badge->captionLabel()), behind, 4.5});
        }
        // On a selected row a badge reads at least as well as the row's own
        // text in the platform's selection colours, and at 3 where those do.
        const QColor highlight = p.color(QPalette::Highlight);
        const double selection =
            std::min(3.0, contrastRatio(p.color(QPalette::HighlightedText), highlight));
        for (auto status :
             {FileItem::Status::changed, FileItem::Status::unchanged, FileItem::Status::error}) {
            const auto plain = vellumix::ui::statusBadgeColors(p, status, false);
            pairs.push_back({"status badge", plain.text, composite(plain.fill, base), 3});
            const auto selected = vellumix::ui::statusBadgeColors(p, status, true);
            pairs.push_back({"selected status badge", selected.text,
                             composite(selected.fill, highlight), selection});
        }
        const QColor zone =
            composite(vellumix::ui::withOpacity(
                          vellumix::ui::foreground(p, vellumix::ui::Foreground::quaternary), 0.4),
                      base);
        auto* dropZone = view.fileList()->dropZone();
        pairs.push_back({"drop zone title", textOf(dropZone->titleLabel()), zone, 4.5});
        pairs.push_back({"drop zone hint", textOf(dropZone->captionLabel()), zone, 3});

        for (const Pair& pair : pairs) {
            const double ratio =
                contrastRatio(composite(pair.text, pair.background), pair.background);
            QVERIFY2(ratio >= pair.minimum,
                     qPrintable(QStringLiteral("%1: %2 on %3 has contrast %4")
                                    .arg(QLatin1String(pair.what), pair.text.name(QColor::HexArgb),
                                         pair.background.name())
                                    .arg(ratio, 0, 'f', 2)));
        }
    }

    void contrastIsMeasuredAsTheGuidelinesDo() {
        QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white) * 10), 210);
        QCOMPARE(contrastRatio(Qt::white, Qt::white), 1.0);
        QCOMPARE(qRound(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) * 100), 454);
        // Too light an accent under white text is darkened just enough.
        const QColor accent(0x30, 0x8c, 0xc6);
        const QColor fixed = vellumix::ui::withContrast(accent, Qt::white, 4.5);
        QVERIFY(contrastRatio(fixed, Qt::white) >= 4.5);
        QVERIFY(contrastRatio(fixed, Qt::white) < 5.0);
        QCOMPARE(vellumix::ui::withContrast(Qt::black, Qt::white, 4.5), QColor(Qt::black));
    }

    // Symbols drawn in the palette's colours follow it to dark and back.
    void symbolsFollowThePalette() {
        if (!QIcon::hasThemeIcon(QStringLiteral("list-add"))) QSKIP("no icon theme installed");
        ContentView view;
        view.show();
        settle();
        const QPalette light = QApplication::palette();
        {
            AppPalette dark(vellumix::ui::darkPalette());
            QCOMPARE(strongestPixel(view.addFilesButton()->icon(), 16).rgb(),
                     vellumix::ui::darkPalette().color(QPalette::ButtonText).rgb());
            // The drop zone's symbol, drawn in the faint text colour.
            const QLabel* symbol = view.fileList()->dropZone()->findChild<QLabel*>();
            QCOMPARE(strongestPixel(symbol->pixmap().toImage()).rgb(),
                     vellumix::ui::darkPalette().color(QPalette::WindowText).rgb());
        }
        QCOMPARE(strongestPixel(view.addFilesButton()->icon(), 16).rgb(),
                 light.color(QPalette::ButtonText).rgb());
    }

    // Every size an icon is shown at has a picture of its own on 2x screens,
    // not a smaller one scaled up.
    void iconsHavePicturesForDoubleDensity() {
        const QList<QSize> appSizes = vellumix::ui::applicationIcon().availableSizes();
        for (int size : {16, 24, 32, 48, 64, 96, 128}) {
            QVERIFY2(appSizes.contains(QSize(2 * size, 2 * size)) || 2 * size > 256,
                     qPrintable(QStringLiteral("application icon at %1@2x").arg(size)));
            QVERIFY2(appSizes.contains(QSize(size, size)),
                     qPrintable(QStringLiteral("application icon at %1").arg(size)));
        }
        if (!QIcon::hasThemeIcon(QStringLiteral("list-add"))) QSKIP("no icon theme installed");
        // Toolbar symbols at 16 points, the drop zone's at 48.
        for (const auto& [symbol, size] : {std::pair{"plus.circle", 16}, std::pair{"trash", 16},
                                           std::pair{"arrow.down.doc.fill", 48}}) {
            const QIcon icon = vellumix::ui::tintedSymbolIcon(symbol, Qt::red);
            QVERIFY2(icon.availableSizes().contains(QSize(2 * size, 2 * size)), symbol);
            const QPixmap sharp = icon.pixmap(QSize(size, size), 2.0);
            QCOMPARE(sharp.deviceIndependentSize().toSize(), QSize(size, size));
            QCOMPARE(sharp.size(), QSize(2 * size, 2 * size));
        }
    }
};

VELLUMIX_UI_TEST_MAIN(AppearanceTest)
#include "appearance_test.moc"
