#include "ui/symbol_icons.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <array>
#include <initializer_list>

#include "ui/app_identity.h"

// Resources must be initialised from the global namespace.
static void initVellumixResources() {
    Q_INIT_RESOURCE(vellumix);
}

namespace vellumix::ui {

namespace {

struct SymbolEntry {
    std::string_view symbol;
    std::initializer_list<const char*> themeNames;  // full colour, best first
    const char* symbolicName;                       // one colour
    QStyle::StandardPixmap fallback;
};

const SymbolEntry kSymbols[] = {
    {"plus.circle", {"list-add"}, "list-add-symbolic", QStyle::SP_FileIcon},
    {"folder.badge.plus", {"folder-new"}, "folder-new-symbolic", QStyle::SP_FileDialogNewFolder},
    {"trash", {"user-trash", "edit-delete"}, "user-trash-symbolic", QStyle::SP_TrashIcon},
    {"checkmark.circle.fill",
     {"emblem-default", "object-select", "emblem-ok"},
     "emblem-default-symbolic",
     QStyle::SP_DialogApplyButton},
    {"arrow.down.doc.fill",
     {"document-save", "document-open"},
     "document-save-symbolic",
     QStyle::SP_ArrowDown},
    {"photo", {"image-x-generic"}, "image-x-generic-symbolic", QStyle::SP_FileIcon},
    {"film", {"video-x-generic"}, "video-x-generic-symbolic", QStyle::SP_FileIcon},
    {"music.note", {"audio-x-generic"}, "audio-x-generic-symbolic", QStyle::SP_FileIcon},
    {"doc.richtext",
     {"application-pdf", "x-office-document"},
     "x-office-document-symbolic",
     QStyle::SP_FileIcon},
    {"archivebox",
     {"package-x-generic", "application-x-archive"},
     "package-x-generic-symbolic",
     QStyle::SP_FileIcon},
    {"chevron.left.forwardslash.chevron.right",
     {"text-x-script", "text-x-source"},
     "text-x-script-symbolic",
     QStyle::SP_FileIcon},
    {"doc", {"text-x-generic"}, "text-x-generic-symbolic", QStyle::SP_FileIcon},
    {"chevron.up", {"go-up"}, "go-up-symbolic", QStyle::SP_ArrowUp},
    {"chevron.down", {"go-down"}, "go-down-symbolic", QStyle::SP_ArrowDown},
};

const SymbolEntry* findSymbol(std::string_view symbol) {
    for (const SymbolEntry& entry : kSymbols) {
        if (entry.symbol == symbol) return &entry;
    }
    return nullptr;
}

// Icons depend on the theme, which the desktop may change while the program runs.
QString key(std::string_view symbol) {
    return QIcon::themeName() + QLatin1Char('|') +
           QString::fromUtf8(symbol.data(), static_cast<qsizetype>(symbol.size()));
}

// Where the icon theme keeps a symbolic icon as a picture: sized folders, one
// folder per context. Qt's theme lookup does not find the ".symbolic.png"
// files that themes ship for toolkits without an SVG renderer.
QList<QImage> findSymbolicImages(const QString& name) {
    // Every size the themes ship, so that a 48-point symbol on a 2x screen
    // gets the 96-pixel picture rather than a 64-pixel one scaled up.
    static const int kSizes[] = {16, 24, 32, 48, 64, 96};
    static const char* const kContexts[] = {"actions",    "places", "mimetypes", "emblems",
                                            "status",     "legacy", "devices",   "apps",
                                            "categories", "ui"};
    QStringList themes = {QIcon::themeName(), QIcon::fallbackThemeName(),
                          QStringLiteral("Adwaita")};
    themes.removeAll(QString());
    themes.removeDuplicates();

    QList<QImage> images;
    for (const QString& searchPath : QIcon::themeSearchPaths()) {
        for (const QString& theme : themes) {
            const QString themeDir = searchPath + QLatin1Char('/') + theme;
            if (!QFileInfo(themeDir).isDir()) continue;
            for (int size : kSizes) {
                bool found = false;
                for (const char* context : kContexts) {
                    for (const QString& file :
                         {name + QStringLiteral(".symbolic.png"), name + QStringLiteral(".png")}) {
                        const QString path = QStringLiteral("%1/%2x%2/%3/%4")
                                                 .arg(themeDir)
                                                 .arg(size)
                                                 .arg(QLatin1String(context), file);
                        QImage image;
                        if (QFile::exists(path) && image.load(path)) {
                            images.append(image);
                            found = true;
                            break;
                        }
                    }
                    if (found) break;
                }
            }
            if (!images.isEmpty()) return images;
        }
    }
    // A theme with scalable symbolic icons (and Qt able to draw them).
    if (QIcon::hasThemeIcon(name)) {
        const QIcon icon = QIcon::fromTheme(name);
        for (int size : kSizes)
            images.append(icon.pixmap(size, size).toImage());
    }
    return images;
}

QPixmap tinted(const QImage& source, const QColor& color) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace

void setUpIconTheme() {
    initVellumixResources();
    QStringList paths = QIcon::themeSearchPaths();
    const QString systemIcons = QStringLiteral("/usr/share/icons");
    if (!paths.contains(systemIcons) && QFileInfo(systemIcons).isDir()) {
        paths.append(systemIcons);
        QIcon::setThemeSearchPaths(paths);
    }
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QLatin1String("hicolor")) {
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    } else if (QIcon::fallbackThemeName().isEmpty() ||
               QIcon::fallbackThemeName() == QLatin1String("hicolor")) {
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    }
}

QIcon applicationIcon() {
    if (QIcon::hasThemeIcon(applicationId())) return QIcon::fromTheme(applicationId());
    initVellumixResources();
    // Drawn from the SVG at each size it is shown at, for 1x and 2x screens,
    // so that no size is a blurred scaling of another.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 96, 128, 192, 256}) {
        icon.addFile(QStringLiteral(":/vellumix/vellumix-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QIcon symbolIcon(std::string_view symbol) {
    static QHash<QString, QIcon> cache;
    const QString cacheKey = key(symbol);
    if (auto it = cache.constFind(cacheKey); it != cache.constEnd()) return *it;

    QIcon icon;
    const SymbolEntry* entry = findSymbol(symbol);
    if (entry) {
        for (const char* name : entry->themeNames) {
            if (QIcon::hasThemeIcon(QLatin1String(name))) {
                icon = QIcon::fromTheme(QLatin1String(name));
                break;
            }
        }
    }
    if (icon.isNull()) {
        icon = QApplication::style()->standardIcon(entry ? entry->fallback : QStyle::SP_FileIcon);
    }
    cache.insert(cacheKey, icon);
    return icon;
}

QIcon tintedSymbolIcon(std::string_view symbol, const QColor& color, const QColor& disabledColor) {
    static QHash<QString, QList<QImage>> sources;
    static QHash<QString, QIcon> cache;
    const QString symbolKey = key(symbol);
    const QString cacheKey =
        QStringLiteral("%1|%2|%3")
            .arg(symbolKey, color.name(QColor::HexArgb),
                 disabledColor.isValid() ? disabledColor.name(QColor::HexArgb) : QString());
    if (auto it = cache.constFind(cacheKey); it != cache.constEnd()) return *it;

    auto source = sources.constFind(symbolKey);
    if (source == sources.constEnd()) {
        const SymbolEntry* entry = findSymbol(symbol);
        source =
            sources.insert(symbolKey, entry ? findSymbolicImages(QLatin1String(entry->symbolicName))
                                            : QList<QImage>());
    }
    if (source->isEmpty()) return symbolIcon(symbol);

    QIcon icon;
    for (const QImage& image : *source) {
        icon.addPixmap(tinted(image, color), QIcon::Normal);
        if (disabledColor.isValid()) icon.addPixmap(tinted(image, disabledColor), QIcon::Disabled);
    }
    cache.insert(cacheKey, icon);
    return icon;
}

}  // namespace vellumix::ui
