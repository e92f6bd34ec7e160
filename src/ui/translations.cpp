#include "ui/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <memory>

namespace vellumix::ui {

namespace {

// Where the build puts the compiled translations among the resources.
constexpr auto kResourceFolder = ":/i18n";
constexpr auto kApplicationCatalog = "vellumix";
// Qt's translations of its widgets and dialogs.
constexpr auto kQtCatalog = "qtbase";
// The plural forms of the English texts with a number.
constexpr auto kEnglishPlurals = ":/i18n/plurals/vellumix_en.qm";

// Installed by the last call; owned by the application.
QPointer<QTranslator> installedEnglishPlurals;
QPointer<QTranslator> installedApplicationTexts;
QPointer<QTranslator> installedQtTexts;

void uninstall(QPointer<QTranslator>& translator) {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

// The translator of `catalog` for `language` from `folder`, or null.
std::unique_ptr<QTranslator> load(const QLocale& language, const QString& catalog,
                                  const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(language, catalog, QStringLiteral("_"), folder)) return nullptr;
    return translator;
}

// The language of a compiled catalog, as its file is named: "pt_BR" for
// ":/i18n/vellumix_pt_BR.qm".
QString languageOf(const QString& catalogFile) {
    const QString prefix = QLatin1String(kApplicationCatalog) + QLatin1Char('_');
    return QFileInfo(catalogFile).completeBaseName().mid(prefix.size());
}

}  // namespace

QString installTranslators(QCoreApplication& app, const QStringList& preferredLanguages) {
    uninstall(installedApplicationTexts);
    uninstall(installedQtTexts);
    uninstall(installedEnglishPlurals);

    // Beneath every language (translators installed later are asked first):
    // English and any text a language leaves untranslated get their plurals.
    if (auto plurals = std::make_unique<QTranslator>();
        plurals->load(QLatin1String(kEnglishPlurals))) {
        plurals->setParent(&app);
        QCoreApplication::installTranslator(plurals.get());
        installedEnglishPlurals = plurals.release();
    }

    for (const QString& name : preferredLanguages) {
        // The texts are written in English: a preference for English, or for
        // the untranslated "C" locale, keeps them as they are.
        const QString code = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (code.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ||
            code == QLatin1String("C") || code == QLatin1String("POSIX")) {
            break;
        }
        const QLocale language(name);
        std::unique_ptr<QTranslator> texts =
            load(language, QLatin1String(kApplicationCatalog), QLatin1String(kResourceFolder));
        if (!texts) continue;

        const QString chosen = languageOf(texts->filePath());
        texts->setParent(&app);
        QCoreApplication::installTranslator(texts.get());
        installedApplicationTexts = texts.release();
        // Qt's own texts in the same language, where the system has them.
        if (std::unique_ptr<QTranslator> qt =
                load(language, QLatin1String(kQtCatalog),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            qt->setParent(&app);
            QCoreApplication::installTranslator(qt.get());
            installedQtTexts = qt.release();
        }
        return chosen;
    }
    return {};
}

QStringList availableTranslations() {
    QStringList languages;
    const QStringList files =
        QDir(QLatin1String(kResourceFolder))
            .entryList({QLatin1String(kApplicationCatalog) + QStringLiteral("_*.qm")}, QDir::Files,
                       QDir::Name);
    for (const QString& file : files)
        languages << languageOf(file);
    return languages;
}

}  // namespace vellumix::ui
