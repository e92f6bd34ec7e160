// Translations: the user's preferred languages pick the texts; the window's
// fixed texts are translated while texts that come from data or are handed on
// as values stay as written; every translation is complete and keeps its
// placeholders; and no translated text is cut off in the window.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QTest>
#include <QXmlStreamReader>
#include <string>
#include <vector>

#include "model/rename_rule.h"
#include "ui/content_view.h"
#include "ui/drop_zone.h"
#include "ui/file_list_view.h"
#include "ui/main_window.h"
#include "ui/preview_table_model.h"
#include "ui/rule_panel.h"
#include "ui/stat_badge.h"
#include "ui/text_styles.h"
#include "ui/translations.h"
#include "ui_test_support.h"
#include "viewmodel/rename_view_model.h"

using vellumix::FileUrl;
using vellumix::RenameConfig;
using vellumix::RenameRule;
using vellumix::ui::ContentView;
using vellumix::ui::installTranslators;
using vellumix::ui::MainWindow;
using vellumix::ui::testing::Sandbox;
using vellumix::ui::testing::settle;

namespace {

// Installs the translations for `languages` and takes them out again at the end.
class Language {
public:
    explicit Language(const QStringList& languages)
        : chosen_(installTranslators(*QCoreApplication::instance(), languages)) {}
    ~Language() { installTranslators(*QCoreApplication::instance(), {}); }
    QString chosen() const { return chosen_; }

private:
    QString chosen_;
};

QString translate(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

bool hasQtTranslation(const QString& language) {
    return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                         QStringLiteral("/qtbase_%1.qm").arg(language));
}

QStringList comboEntries(const QComboBox* picker) {
    QStringList entries;
    for (int i = 0; i < picker->count(); ++i)
        entries << picker->itemText(i);
    return entries;
}

template <class E>
QStringList rawValues() {
    QStringList labels;
    for (E value : vellumix::allCases<E>())
        labels << QString::fromUtf8(rawValue(value).data());
    return labels;
}

// A window with three files of which two are renamed ("a" becomes "b").
struct Window {
    explicit Window(const Sandbox& files) {
        window.resize(960, 700);
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        std::vector<FileUrl> urls;
        for (const char* name : {"a1.txt", "a2.txt", "c.txt"})
            urls.emplace_back(files.write(name));
        content().viewModel().addFiles(urls);
        configure([](RenameConfig& c) {
            c.rule = RenameRule::replace;
            c.findText = "a";
            c.replaceText = "b";
        });
    }

    ContentView& content() { return *window.content(); }

    template <class F>
    void configure(F change) {
        RenameConfig config = content().viewModel().config();
        change(config);
        content().viewModel().setConfig(config);
        settle();
    }

    MainWindow window;
};

// Lets layouts settle: each pass may post the next level's layout request.
void settleLayouts() {
    for (int pass = 0; pass < 5; ++pass)
        settle();
}

// What is cut off among the visible texts under `root`: labels narrower than
// their text (or, when they wrap, lower than their lines), and buttons and
// check boxes narrower than their content.
QStringList cutOffTexts(const QWidget* root) {
    QStringList cut;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) continue;
        const bool fits = label->wordWrap()
                              ? label->height() >= label->heightForWidth(label->width())
                              : label->width() >= label->sizeHint().width();
        if (!fits)
            cut << QStringLiteral("%1 [%2x%3, wants %4x%5]")
                       .arg(label->text())
                       .arg(label->width())
                       .arg(label->height())
                       .arg(label->sizeHint().width())
                       .arg(label->wordWrap() ? label->heightForWidth(label->width())
                                              : label->sizeHint().height());
    }
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty()) continue;
        if (button->width() < button->sizeHint().width()) {
            cut << QStringLiteral("%1 [%2, wants %3]")
                       .arg(button->text())
                       .arg(button->width())
                       .arg(button->sizeHint().width());
        }
    }
    return cut;
}

struct TsMessage {
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty
};

std::vector<TsMessage> readTs(const QString& path, QString* language) {
    std::vector<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return messages;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("TS")) {
            *language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (xml.name() == QLatin1String("message")) {
            messages.emplace_back();
        } else if (xml.name() == QLatin1String("source") && !messages.empty()) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !messages.empty()) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = xml.readElementText();
        }
    }
    return messages;
}

// The placeholders (%1, %2, ...) of a text, sorted.
QStringList placeholders(const QString& text) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%L?\\d+"));
    QStringList found;
    for (auto it = kPlaceholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// How many keyboard accelerators ("&File") a text has.
qsizetype accelerators(QString text) {
    text.remove(QStringLiteral("&&"));
    return text.count(QRegularExpression(QStringLiteral("&\\w")));
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void preferredLanguagePicksTheTexts_data() {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("addFiles");
        QTest::newRow("German") << QStringList{"de-DE"} << "de"
                                << "Dateien hinzufügen";
        QTest::newRow("German of Switzerland") << QStringList{"de-CH"} << "de"
                                               << "Dateien hinzufügen";
        QTest::newRow("French, POSIX spelling") << QStringList{"fr_FR"} << "fr"
                                                << "Ajouter des fichiers";
        QTest::newRow("first translated language wins")
            << QStringList{"sv-SE", "fr-CA", "de-DE"} << "fr"
            << "Ajouter des fichiers";
        QTest::newRow("English before German keeps English") << QStringList{"en-GB", "de-DE"} << ""
                                                             << "Add Files";
        QTest::newRow("untranslated language falls back to English") << QStringList{"sv-SE"} << ""
                                                                     << "Add Files";
        QTest::newRow("unknown language name") << QStringList{"xx-YY"} << ""
                                               << "Add Files";
        QTest::newRow("C locale") << QStringList{"C"} << ""
                                  << "Add Files";
        QTest::newRow("no preference") << QStringList{} << ""
                                       << "Add Files";
    }

    void preferredLanguagePicksTheTexts() {
        QFETCH(QStringList, preferred);
        QFETCH(QString, chosen);
        QFETCH(QString, addFiles);
        {
            // A language installed before is replaced, not stacked under the new one.
            Language before({QStringLiteral("de-DE")});
            Language language(preferred);
            QCOMPARE(language.chosen(), chosen);
            QCOMPARE(translate("vellumix::ui::ContentView", "Add Files"), addFiles);
        }
        QCOMPARE(translate("vellumix::ui::ContentView", "Add Files"), QStringLiteral("Add Files"));
    }

    void fixedTextsAreTranslatedAndDataStaysVerbatim_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected");  // toolbar, headers, "Rule", drop zone
        QTest::addColumn<QString>("renamed");
        QTest::addColumn<QString>("close");  // Qt's own "Close" button
        QTest::newRow("de") << "de"
                            << QStringList{"Dateien hinzufügen",
                                           "Ordner hinzufügen",
                                           "Liste leeren",
                                           "2 Datei(en) umbenennen",
                                           "Ursprünglicher Name",
                                           "Neuer Name",
                                           "Status",
                                           "Regel",
                                           "&Datei",
                                           "Vorschau"}
                            << "Umbenannt"
                            << "Schließen";
        QTest::newRow("fr") << "fr"
                            << QStringList{"Ajouter des fichiers",
                                           "Ajouter un dossier",
                                           "Vider la liste",
                                           "Renommer 2 fichier(s)",
                                           "Nom d’origine",
                                           "Nouveau nom",
                                           "État",
                                           "Règle",
                                           "&Fichier",
                                           "Aperçu"}
                            << "Renommé"
                            << "Fermer";
    }

    void fixedTextsAreTranslatedAndDataStaysVerbatim() {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        QFETCH(QString, renamed);
        QFETCH(QString, close);
        Language installed({language});
        QCOMPARE(installed.chosen(), language);
        Sandbox files;
        Window w(files);
        ContentView& view = w.content();
        QAbstractItemModel* model = view.fileList()->table()->model();
        auto* rule = view.rulePanel()->findChild<QLabel*>("ruleLabel");
        QVERIFY(rule);

        const QStringList shown{view.addFilesButton()->text(),
                                view.addFolderButton()->text(),
                                view.clearButton()->text(),
                                view.renameButton()->text(),
                                model->headerData(0, Qt::Horizontal).toString(),
                                model->headerData(1, Qt::Horizontal).toString(),
                                model->headerData(2, Qt::Horizontal).toString(),
                                rule->text(),
                                w.window.menuBar()->actions().value(0)->text(),
                                view.statistics()->findChildren<QLabel*>().value(0)->text()};
        QCOMPARE(shown, expected);
        QCOMPARE(model->index(0, 2).data().toString(), renamed);
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Vellumix"));

        // Shown verbatim: badge labels, picker entries, field labels and
        // placeholders, stepper labels, file names and counts.
        QCOMPARE(view.totalBadge()->labelText(), QStringLiteral("total"));
        QCOMPARE(view.toRenameBadge()->labelText(), QStringLiteral("to rename"));
        QCOMPARE(view.unchangedBadge()->labelText(), QStringLiteral("unchanged"));
        QCOMPARE(view.toRenameBadge()->valueText(), QStringLiteral("2"));
        auto* rulePicker = view.rulePanel()->findChild<QComboBox*>("rulePicker");
        QCOMPARE(comboEntries(rulePicker), rawValues<RenameRule>());
        QCOMPARE(comboEntries(view.rulePanel()->findChild<QComboBox*>("casePicker")),
                 rawValues<vellumix::CaseOption>());
        auto* find = view.rulePanel()->findChild<QLineEdit*>("findField");
        QCOMPARE(find->placeholderText(), QStringLiteral("text to find"));
        QStringList captions;
        for (QLabel* label : view.rulePanel()->findChildren<QLabel*>()) {
            if (label->buddy()) captions << label->text();
        }
        for (const char* verbatim :
             {"Prefix", "Suffix", "Find", "Replace", "Separator", "Date format", "Start", "Step",
              "Pad", "From position", "Remove N chars"}) {
            QVERIFY2(captions.contains(QLatin1String(verbatim)), verbatim);
        }
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("a1.txt"));
        QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("b1.txt"));

        // Qt's own texts follow the same language.
        if (!hasQtTranslation(language)) QSKIP("Qt's translations are not installed");
        QDialogButtonBox box(QDialogButtonBox::Close);
        QCOMPARE(box.button(QDialogButtonBox::Close)->text(), close);
    }

    void translationsAreCompleteAndKeepPlaceholders() {
        QCOMPARE(vellumix::ui::availableTranslations(), (QStringList{"de", "fr"}));
        for (const QString& language : vellumix::ui::availableTranslations()) {
            const QString path =
                QStringLiteral(VELLUMIX_TRANSLATIONS_DIR "/vellumix_%1.ts").arg(language);
            QString declared;
            const std::vector<TsMessage> messages = readTs(path, &declared);
            QVERIFY2(!messages.empty(), qPrintable(path));
            QVERIFY2(declared.startsWith(language), qPrintable(path));
            for (const TsMessage& m : messages) {
                const QByteArray where = (language + QStringLiteral(": ") + m.source).toUtf8();
                QVERIFY2(m.type.isEmpty(), where.constData());
                QVERIFY2(!m.translation.trimmed().isEmpty(), where.constData());
                QVERIFY2(placeholders(m.translation) == placeholders(m.source), where.constData());
                QVERIFY2(accelerators(m.translation) == accelerators(m.source), where.constData());
            }
        }
    }

    // The longest texts in the narrowest room the window gives them: the
    // toolbar with the widest side column and a six-digit count, the rule
    // panel's editors with the narrowest side column, the column headers,
    // the status badges and the drop zone.
    void nothingIsCutOff_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("German") << "de";
        QTest::newRow("French") << "fr";
    }

    void nothingIsCutOff() {
        QFETCH(QString, language);
        Language installed({language});
        Sandbox files;
        Window w(files);
        ContentView& view = w.content();
        w.window.resize(w.window.minimumSizeHint());
        settle();

        view.splitter()->setSizes({340, 10000});
        view.renameButton()->setText(
            translate("vellumix::ui::ContentView", "Rename %1 File(s)").arg(100000));
        settleLayouts();
        QWidget* toolbar = view.findChild<QWidget*>("toolbarRow");
        QVERIFY2(cutOffTexts(toolbar).isEmpty(), qPrintable(cutOffTexts(toolbar).join(" | ")));
        QVERIFY(view.addFolderButton()->geometry().right() < view.clearButton()->geometry().left());
        QVERIFY(view.renameButton()->geometry().right() < toolbar->width());

        view.splitter()->setSizes({280, 10000});
        settle();
        for (RenameRule rule : vellumix::allCases<RenameRule>()) {
            w.configure([rule](RenameConfig& c) { c.rule = rule; });
            QVERIFY2(cutOffTexts(view.sideColumn()).isEmpty(),
                     qPrintable(cutOffTexts(view.sideColumn()).join(" | ")));
        }

        QTableView* table = view.fileList()->table();
        const QFontMetrics header(table->horizontalHeader()->font());
        for (int column = 0; column < table->model()->columnCount(); ++column) {
            const QString title = table->model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(header.horizontalAdvance(title) + 16 <= table->columnWidth(column),
                     qPrintable(title));
        }
        const QFontMetrics badge(vellumix::ui::styledFont(
            table->font(), vellumix::ui::TextStyle::caption2, QFont::DemiBold));
        for (auto status :
             {vellumix::FileItem::Status::changed, vellumix::FileItem::Status::unchanged,
              vellumix::FileItem::Status::error}) {
            const QString text = vellumix::ui::PreviewTableModel::statusText(status);
            QVERIFY2(badge.horizontalAdvance(text) + 2 * 6 + 4 <= table->columnWidth(2),
                     qPrintable(text));
        }

        w.content().clearFiles();
        settle();
        QVERIFY(view.fileList()->dropZone()->isVisible());
        const QStringList dropZone = cutOffTexts(view.fileList()->dropZone());
        QVERIFY2(dropZone.isEmpty(), qPrintable(dropZone.join(" | ")));
    }
};

VELLUMIX_UI_TEST_MAIN(TranslationsTest)
#include "translations_test.moc"
