// Translations of the interface: the application's own texts (Qt Linguist
// files compiled into the program, so that an uninstalled build finds them too)
// and Qt's texts for its standard dialogs and buttons (file dialogs, the Close
// button, a text field's context menu), from the Qt translations installed on
// the system.
//
// The texts are written in English; a language without a translation shows
// them as written, with the English plural forms of texts with a number
// ("1 rename will fail"), which every call installs beneath the language it
// chooses. UI thread only.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace vellumix::ui {

// Installs the translations for the first of `preferredLanguages` (BCP 47
// names, best first: "fr-CH", "de") that the application is translated into,
// and Qt's own translations for that same language. English, the language the
// texts are written in, ends the search, so "en-GB", "de" keeps English. By
// default the languages are the user's (LANGUAGE, then LC_ALL, LC_MESSAGES and
// LANG). Replaces whatever an earlier call installed. Call before the windows
// are made: they take their texts when they are built.
//
// Returns the language chosen as availableTranslations() names it ("de",
// "pt_BR"), or "" when the texts stay English.
QString installTranslators(QCoreApplication& app,
                           const QStringList& preferredLanguages = QLocale().uiLanguages());

// The languages the application's own texts are translated into, as their
// catalogs are named ("de", "fr", "pt_BR", "zh_CN"), sorted.
QStringList availableTranslations();

}  // namespace vellumix::ui
