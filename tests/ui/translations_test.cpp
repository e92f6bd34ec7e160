// Translations: the preferred languages pick the texts; fixed texts and the
// reasons of failures are translated, data stays as written; every language of
// translations/ is built in; and no translated text is cut off in the window.
#include <cerrno>

#include "engine/failure_text.h"
#include "ui/failure_wording.h"
#include "ui/text_styles.h"
#include "ui/translations.h"
#include "ui_test_support.h"

using namespace vellumix;
using namespace vellumix::ui;
using namespace vellumix::ui::testing;

namespace {

// Installs the translations for `languages` and takes them out again at the end.
class Language {
public:
    explicit Language(const QStringList& languages)
        : chosen(installTranslators(*QCoreApplication::instance(), languages)) {}
    ~Language() { installTranslators(*QCoreApplication::instance(), {}); }
    const QString chosen;
};

QString addFilesText() {
    return QCoreApplication::translate("vellumix::ui::ContentView", "Add Files");
}

// Three files of which two are renamed ("a" becomes "b").
void renameTwoOfThree(TestWindow& w) {
    w.add({"a1.txt", "a2.txt", "c.txt"});
    w.configure([](RenameConfig& c) {
        c.rule = RenameRule::replace;
        c.findText = "a";
        c.replaceText = "b";
    });
}

// The entries of `picker` are the raw values of E, in order.
template <class E>
void expectRawValues(const QComboBox* picker) {
    QStringList entries, rawValues;
    for (int i = 0; i < picker->count(); ++i)
        entries << picker->itemText(i);
    for (E value : allCases<E>())
        rawValues << QString::fromUtf8(rawValue(value).data());
    QCOMPARE(entries, rawValues);
}

// The visible labels, buttons and check boxes under `root` too small for their
// text (wrapping labels: too low for their lines).
QString cutOffTexts(const QWidget* root) {
    QStringList cut;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (label->isVisible() &&
            (label->wordWrap() ? label->height() < label->heightForWidth(label->width())
                               : label->width() < label->sizeHint().width()))
            cut << label->text();
    }
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->width() < button->sizeHint().width())
            cut << button->text();
    }
    return cut.join(QStringLiteral(" | "));
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFailureWording(); }

    // Every language of translations/ is built into the program.
    void everyLanguageIsBuiltIn() {
        QStringList languages;
        for (const QString& file :
             QDir(VELLUMIX_TRANSLATIONS_DIR).entryList({"vellumix_*.ts"}, QDir::Files, QDir::Name))
            languages << file.mid(9).chopped(3);
        QCOMPARE(availableTranslations(), languages);
    }

    void preferredLanguagePicksTheTexts_data() {
        QTest::addColumn<QStringList>("preferred");  // best first
        QTest::addColumn<QString>("chosen");
        const char* rows[][2] = {{"de-CH", "de"},
                                 {"fr_FR", "fr"},
                                 {"sv-SE fr-CA de-DE", "fr"},  // the first translated one wins
                                 {"en-GB de-DE", ""},          // English before German
                                 {"sv-SE", ""},                // untranslated: English
                                 {"", ""}};
        for (const auto& [preferred, chosen] : rows)
            QTest::addRow("[%s]", preferred)
                << QString(preferred).split(u' ', Qt::SkipEmptyParts) << QString(chosen);
        // Each language as the system names it when it is the user's.
        for (const QString& language : availableTranslations())
            QTest::addRow("%s", qPrintable(language))
                << QLocale(language).uiLanguages() << language;
    }

    void preferredLanguagePicksTheTexts() {
        QFETCH(QStringList, preferred);
        QFETCH(QString, chosen);
        {
            // A language installed before is replaced, not stacked under the new one.
            Language before({QStringLiteral("de-DE")});
            Language language(preferred);
            QCOMPARE(language.chosen, chosen);
            QCOMPARE(addFilesText() == QStringLiteral("Add Files"), chosen.isEmpty());
        }
        QCOMPARE(addFilesText(), QStringLiteral("Add Files"));
    }

    // Without a translation every failure is worded as the engine words it,
    // byte for byte, also names that hold "%1" or "%2" or are not UTF-8.
    void untranslatedFailuresAreTheEnglishSentences() {
        for (int kind = 0; kind <= static_cast<int>(FailureKind::other); ++kind) {  // other: last
            const Failure failure{FailureKind(kind), "%2 a\xff%1.txt", "%1 b%2.txt", EMLINK, "x%1"};
            QCOMPARE(QByteArray::fromStdString(failureText(failure)),
                     QByteArray::fromStdString(englishFailureText(failure)));
        }
    }

    void fixedTextsAreTranslatedAndDataStaysVerbatim() {
        Language german({QStringLiteral("de")});
        QCOMPARE(german.chosen, QStringLiteral("de"));
        TestWindow w;
        renameTwoOfThree(w);
        ContentView& view = w.view();
        QAbstractItemModel* model = view.fileList()->table()->model();
        // A text of each class that shows some (that every text has its
        // translation is checked by translations_match_sources).
        const QStringList shown{view.addFilesButton()->text(),
                                view.renameButton()->text(),
                                model->headerData(0, Qt::Horizontal).toString(),
                                model->index(0, 2).data().toString(),
                                w.find<QLabel>("ruleLabel")->text(),
                                w.window.menuBar()->actions().value(0)->text(),
                                view.statistics()->findChildren<QLabel*>().value(0)->text()};
        QCOMPARE(shown,
                 (QStringList{"Datei&en hinzufügen", "2 Datei(en) &umbenennen", "Ursprünglicher Name",
                              "Umbenannt", "Regel", "&Datei", "Vorschau"}));

        // Shown verbatim: picker entries, badge labels and counts, file names, the title.
        expectRawValues<RenameRule>(w.find<QComboBox>("rulePicker"));
        expectRawValues<CaseOption>(w.find<QComboBox>("casePicker"));
        const QStringList verbatim{view.toRenameBadge()->labelText(),
                                   view.toRenameBadge()->valueText(),
                                   model->index(0, 0).data().toString(),
                                   model->index(0, 1).data().toString(), w.window.windowTitle()};
        QCOMPARE(verbatim, (QStringList{"to rename", "2", "a1.txt", "b1.txt", "Vellumix"}));

        // A click on the rename button renames on disk and shows the result: the
        // counts above, the failures below. The reason of a failure speaks
        // German too, inside the result's frame, which is data and stays as it is.
        w.files.write("b2.txt");
        QTest::mouseClick(view.renameButton(), Qt::LeftButton);
        settle();
        QVERIFY(w.files.exists("b1.txt") && w.files.exists("a2.txt"));
        QCOMPARE(view.resultAlert()->summary()->text(),
                 QStringLiteral("\u2705 1 renamed.\n\u274C 1 error(s):"));
        QCOMPARE(view.resultAlert()->details()->toPlainText(),
                 QStringLiteral("\u2022 a2.txt: \u201Eb2.txt\u201C ist bereits vorhanden."));

        // Qt's own texts follow the same language.
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
            QSKIP("Qt's translations are not installed");
        QDialogButtonBox box(QDialogButtonBox::Close);
        QCOMPARE(box.button(QDialogButtonBox::Close)->text(), QStringLiteral("Schließen"));
    }

    // The longest texts in the narrowest room: the toolbar beside the widest side
    // column with a six-digit count, the rule panel's editors in the narrowest,
    // the column headers, the status badges and the drop zone.
    void nothingIsCutOff_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : QStringList{"en"} + availableTranslations())
            QTest::newRow(qPrintable(language)) << language;
    }

    void nothingIsCutOff() {
        QFETCH(QString, language);
        Language installed({language});
        TestWindow w;
        renameTwoOfThree(w);
        ContentView& view = w.view();
        w.window.resize(w.window.minimumSizeHint());
        view.splitter()->setSizes({340, 10000});
        view.renameButton()->setText(
            QCoreApplication::translate("vellumix::ui::ContentView", "&Rename %1 File(s)")
                .arg(100000));
        for (int pass = 0; pass < 5; ++pass)  // each layout may post the next level's request
            settle();
        QWidget* toolbar = w.find("toolbarRow");
        QCOMPARE(cutOffTexts(toolbar), QString());
        QVERIFY(view.addFolderButton()->geometry().right() < view.clearButton()->geometry().left());
        QVERIFY(view.renameButton()->geometry().right() < toolbar->width());

        view.splitter()->setSizes({280, 10000});
        settle();
        for (RenameRule rule : allCases<RenameRule>()) {
            w.configure([rule](RenameConfig& c) { c.rule = rule; });
            QCOMPARE(cutOffTexts(view.sideColumn()), QString());
        }

        QTableView* table = view.fileList()->table();
        const QFontMetrics header(table->horizontalHeader()->font());
        for (int column = 0; column < 3; ++column) {
            const QString title = table->model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(header.horizontalAdvance(title) + 16 <= table->columnWidth(column),
                     qPrintable(title));
        }
        const QFontMetrics badge(styledFont(table->font(), TextStyle::caption2, QFont::DemiBold));
        for (auto status :
             {FileItem::Status::changed, FileItem::Status::unchanged, FileItem::Status::error}) {
            const QString text = PreviewTableModel::statusText(status);
            QVERIFY2(badge.horizontalAdvance(text) + 2 * 6 + 4 <= table->columnWidth(2),
                     qPrintable(text));
        }

        view.clearFiles();
        settle();
        QCOMPARE(cutOffTexts(view.fileList()->dropZone()), QString());
    }
};

VELLUMIX_UI_TEST_MAIN(TranslationsTest)
#include "translations_test.moc"
