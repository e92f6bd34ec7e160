// Translations: the user's preferred languages pick the texts; the window's
// fixed texts are translated while texts that come from data or are handed on
// as values stay as written; every translation is complete and keeps its
// placeholders; and no translated text is cut off in the window.
#include "ui/translations.h"
#include "ui/text_styles.h"
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

QStringList entries(const QComboBox* picker) {
    QStringList list;
    for (int i = 0; i < picker->count(); ++i)
        list << picker->itemText(i);
    return list;
}

template <class E>
QStringList rawValues() {
    QStringList labels;
    for (E value : allCases<E>())
        labels << QString::fromUtf8(rawValue(value).data());
    return labels;
}

// The visible texts under `root` that are cut off: labels narrower than their
// text (or, when they wrap, lower than their lines), and buttons and check
// boxes narrower than their content.
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

struct TsMessage {
    QString source;
    QString translation;
};

std::vector<TsMessage> readTs(const QString& path, QString* language) {
    std::vector<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return messages;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("TS")) {
            *language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (xml.name() == QLatin1String("message")) {
            messages.emplace_back();
        } else if (xml.name() == QLatin1String("source") && !messages.empty()) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !messages.empty()) {
            messages.back().translation = xml.readElementText();
        }
    }
    return messages;
}

// The placeholders (%1, %L2, ...) of a text, sorted, and its keyboard
// accelerators ("&File") counted.
QString markers(QString text) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%L?\\d+"));
    QStringList found;
    for (auto it = kPlaceholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    text.remove(QStringLiteral("&&"));
    return found.join(u' ') + QStringLiteral(" &x%1").arg(text.count(QRegularExpression("&\\w")));
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void preferredLanguagePicksTheTexts_data() {
        QTest::addColumn<QString>("preferred");  // best first
        QTest::addColumn<QString>("chosen");
        QTest::addRow("German") << "de-DE"
                                << "de";
        QTest::addRow("German of Switzerland") << "de-CH"
                                               << "de";
        QTest::addRow("French, POSIX spelling") << "fr_FR"
                                                << "fr";
        QTest::addRow("first translated language wins") << "sv-SE fr-CA de-DE"
                                                        << "fr";
        QTest::addRow("English before German keeps English") << "en-GB de-DE"
                                                             << "";
        QTest::addRow("untranslated language falls back to English") << "sv-SE"
                                                                     << "";
        QTest::addRow("unknown language name") << "xx-YY"
                                               << "";
        QTest::addRow("C locale") << "C"
                                  << "";
        QTest::addRow("no preference") << ""
                                       << "";
    }

    void preferredLanguagePicksTheTexts() {
        QFETCH(QString, preferred);
        QFETCH(QString, chosen);
        const QString expected = chosen == "de"   ? QStringLiteral("Dateien hinzufügen")
                                 : chosen == "fr" ? QStringLiteral("Ajouter des fichiers")
                                                  : QStringLiteral("Add Files");
        {
            // A language installed before is replaced, not stacked under the new one.
            Language before({QStringLiteral("de-DE")});
            Language language(preferred.split(u' ', Qt::SkipEmptyParts));
            QCOMPARE(language.chosen, chosen);
            QCOMPARE(addFilesText(), expected);
        }
        QCOMPARE(addFilesText(), QStringLiteral("Add Files"));
    }

    void fixedTextsAreTranslatedAndDataStaysVerbatim() {
        Language german({QStringLiteral("de")});
        QCOMPARE(german.chosen, QStringLiteral("de"));
        TestWindow w;
        renameTwoOfThree(w);
        ContentView& view = w.view();
        QAbstractItemModel* model = view.fileList()->table()->model();
        const QStringList shown{view.addFilesButton()->text(),
                                view.addFolderButton()->text(),
                                view.clearButton()->text(),
                                view.renameButton()->text(),
                                model->headerData(0, Qt::Horizontal).toString(),
                                model->headerData(1, Qt::Horizontal).toString(),
                                model->headerData(2, Qt::Horizontal).toString(),
                                model->index(0, 2).data().toString(),
                                w.find<QLabel>("ruleLabel")->text(),
                                w.window.menuBar()->actions().value(0)->text(),
                                view.statistics()->findChildren<QLabel*>().value(0)->text()};
        QCOMPARE(shown, (QStringList{"Dateien hinzufügen", "Ordner hinzufügen", "Liste leeren",
                                     "2 Datei(en) umbenennen", "Ursprünglicher Name", "Neuer Name",
                                     "Status", "Umbenannt", "Regel", "&Datei", "Vorschau"}));
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Vellumix"));

        // Shown verbatim: picker entries, badge labels and counts, file names,
        // placeholders, field and stepper labels.
        QCOMPARE(entries(w.find<QComboBox>("rulePicker")), rawValues<RenameRule>());
        QCOMPARE(entries(w.find<QComboBox>("casePicker")), rawValues<CaseOption>());
        QStringList verbatim{view.totalBadge()->labelText(),
                             view.toRenameBadge()->labelText(),
                             view.unchangedBadge()->labelText(),
                             view.toRenameBadge()->valueText(),
                             model->index(0, 0).data().toString(),
                             model->index(0, 1).data().toString(),
                             w.find<QLineEdit>("findField")->placeholderText()};
        for (QLabel* label : view.rulePanel()->findChildren<QLabel*>()) {
            if (label->buddy()) verbatim << label->text();
        }
        QCOMPARE(
            verbatim.join(" | "),
            QStringLiteral("total | to rename | unchanged | 2 | a1.txt | b1.txt | text to find"
                           " | Prefix | Suffix | Find | Replace | Separator | Start | Step"
                           " | Pad | Separator | Date format | From position | Remove N chars"));

        // Qt's own texts follow the same language.
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
            QSKIP("Qt's translations are not installed");
        QDialogButtonBox box(QDialogButtonBox::Close);
        QCOMPARE(box.button(QDialogButtonBox::Close)->text(), QStringLiteral("Schließen"));
    }

    // Every text has a translation that keeps its placeholders and accelerators.
    // (Texts marked unfinished, or gone from the sources, are the concern of
    // the translations_match_sources check, which runs lupdate.)
    void translationsAreCompleteAndKeepPlaceholders() {
        QCOMPARE(availableTranslations(), (QStringList{"de", "fr"}));
        for (const QString& language : availableTranslations()) {
            const QString path =
                QStringLiteral(VELLUMIX_TRANSLATIONS_DIR "/vellumix_%1.ts").arg(language);
            QString declared;
            const std::vector<TsMessage> messages = readTs(path, &declared);
            QVERIFY2(!messages.empty(), qPrintable(path));
            QVERIFY2(declared.startsWith(language), qPrintable(path));
            for (const TsMessage& m : messages) {
                const QByteArray where = (language + QStringLiteral(": ") + m.source).toUtf8();
                QVERIFY2(!m.translation.trimmed().isEmpty(), where.constData());
                QVERIFY2(markers(m.translation) == markers(m.source), where.constData());
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
        TestWindow w;
        renameTwoOfThree(w);
        ContentView& view = w.view();
        w.window.resize(w.window.minimumSizeHint());
        view.splitter()->setSizes({340, 10000});
        view.renameButton()->setText(
            QCoreApplication::translate("vellumix::ui::ContentView", "Rename %1 File(s)")
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
