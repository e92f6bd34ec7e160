#include "ui/appearance.h"

#include <QApplication>
#include <QObject>
#include <QtGlobal>
#include <optional>

#include "ui/palette_colors.h"

#if VELLUMIX_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#endif

namespace vellumix::ui {

namespace {

// True while the application shows its own dark palette.
bool ownDarkPalette = false;

#if VELLUMIX_HAVE_DBUS
constexpr auto kPortalService = "org.freedesktop.portal.Desktop";
constexpr auto kPortalPath = "/org/freedesktop/portal/desktop";
constexpr auto kPortalSettings = "org.freedesktop.portal.Settings";
constexpr auto kAppearance = "org.freedesktop.appearance";
constexpr auto kColorSchemeKey = "color-scheme";
// A portal answers at once or not at all; the window must not wait for it.
constexpr int kPortalTimeoutMs = 300;

// The portal's color-scheme value: 1 prefers dark, 2 prefers light, 0 says nothing.
ColorScheme fromPortalValue(QVariant value) {
    // Read() wraps the value in one variant more than SettingChanged does.
    while (value.canConvert<QDBusVariant>())
        value = qvariant_cast<QDBusVariant>(value).variant();
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    if (!ok) return ColorScheme::noPreference;
    return scheme == 1   ? ColorScheme::dark
           : scheme == 2 ? ColorScheme::light
                         : ColorScheme::noPreference;
}

// The portal's setting, or nothing when no portal answers.
std::optional<ColorScheme> portalColorScheme() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return std::nullopt;
    QDBusMessage read =
        QDBusMessage::createMethodCall(QLatin1String(kPortalService), QLatin1String(kPortalPath),
                                       QLatin1String(kPortalSettings), QStringLiteral("Read"));
    read << QLatin1String(kAppearance) << QLatin1String(kColorSchemeKey);
    const QDBusMessage reply = bus.call(read, QDBus::Block, kPortalTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    return fromPortalValue(reply.arguments().constFirst());
}

// Receives the portal's announcements of changed settings.
class PortalListener : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

public slots:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value) {
        if (group != QLatin1String(kAppearance) || key != QLatin1String(kColorSchemeKey)) return;
        applyColorScheme(fromPortalValue(QVariant::fromValue(value)));
    }
};
#else
std::optional<ColorScheme> portalColorScheme() {
    return std::nullopt;
}
#endif

}  // namespace

ColorScheme colorSchemeFromGtkTheme(const QString& gtkTheme) {
    // GTK_THEME is "<name>" or "<name>:<variant>".
    const qsizetype colon = gtkTheme.lastIndexOf(QLatin1Char(':'));
    if (colon < 0) return ColorScheme::noPreference;
    const QString variant = gtkTheme.mid(colon + 1).trimmed();
    if (variant.compare(QLatin1String("dark"), Qt::CaseInsensitive) == 0) return ColorScheme::dark;
    if (variant.compare(QLatin1String("light"), Qt::CaseInsensitive) == 0) {
        return ColorScheme::light;
    }
    return ColorScheme::noPreference;
}

ColorScheme desktopColorScheme() {
    if (const std::optional<ColorScheme> portal = portalColorScheme();
        portal && *portal != ColorScheme::noPreference) {
        return *portal;
    }
    return colorSchemeFromGtkTheme(qEnvironmentVariable("GTK_THEME"));
}

QPalette darkPalette() {
    // Greys and blue of the common dark desktop themes.
    const QColor window(0x24, 0x24, 0x24);
    const QColor base(0x1e, 0x1e, 0x1e);
    const QColor button(0x33, 0x33, 0x33);
    const QColor text(0xff, 0xff, 0xff);
    const QColor disabledText(0x80, 0x80, 0x80);
    const QColor accent(0x1c, 0x71, 0xd8);

    QPalette palette(text, button, QColor(0x4a, 0x4a, 0x4a), QColor(0x16, 0x16, 0x16),
                     QColor(0x2c, 0x2c, 0x2c), text, text, base, window);
    palette.setColor(QPalette::Midlight, QColor(0x3a, 0x3a, 0x3a));
    palette.setColor(QPalette::Shadow, QColor(0x08, 0x08, 0x08));
    palette.setColor(QPalette::AlternateBase, QColor(0x28, 0x28, 0x28));
    palette.setColor(QPalette::ToolTipBase, QColor(0x38, 0x38, 0x38));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(0x94, 0x94, 0x94));
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::HighlightedText, text);
    palette.setColor(QPalette::Link, QColor(0x78, 0xae, 0xed));
    palette.setColor(QPalette::LinkVisited, QColor(0xdc, 0x8a, 0xdd));
    palette.setColor(QPalette::BrightText, QColor(0xff, 0x7b, 0x63));

    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                     QPalette::HighlightedText, QPalette::PlaceholderText}) {
        palette.setColor(QPalette::Disabled, role, disabledText);
    }
    palette.setColor(QPalette::Disabled, QPalette::Button, QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x3a, 0x3a, 0x3a));
    return palette;
}

void applyColorScheme(ColorScheme scheme) {
    if (scheme == ColorScheme::dark) {
        // A platform palette that is dark already is the desktop's own.
        if (ownDarkPalette || isDark(QApplication::palette())) return;
        QApplication::setPalette(darkPalette());
        ownDarkPalette = true;
    } else if (ownDarkPalette) {
        // A palette without roles of its own follows the platform again.
        QApplication::setPalette(QPalette());
        ownDarkPalette = false;
    }
}

void followDesktopColorScheme(QApplication& app) {
    applyColorScheme(desktopColorScheme());
#if VELLUMIX_HAVE_DBUS
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    auto* listener = new PortalListener(&app);
    bus.connect(QLatin1String(kPortalService), QLatin1String(kPortalPath),
                QLatin1String(kPortalSettings), QStringLiteral("SettingChanged"), listener,
                SLOT(settingChanged(QString, QString, QDBusVariant)));
#else
    Q_UNUSED(app);
#endif
}

}  // namespace vellumix::ui

#if VELLUMIX_HAVE_DBUS
#include "appearance.moc"
#endif
