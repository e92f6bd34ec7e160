// The rule panel against a real view model: each control writes its one field
// at once, fields survive rule switches, and the steppers keep their ranges.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "model/rename_rule.h"
#include "ui/rule_panel.h"
#include "ui/view_model_snapshot.h"
#include "ui_test_support.h"
#include "viewmodel/rename_view_model.h"

using vellumix::CaseOption;
using vellumix::InsertPosition;
using vellumix::RenameConfig;
using vellumix::RenameRule;
using vellumix::RenameViewModel;
using vellumix::Subscription;
using vellumix::ui::ConfigBinding;
using vellumix::ui::RulePanel;
using vellumix::ui::ViewModelSnapshot;
using vellumix::ui::testing::settle;
using vellumix::ui::testing::typeText;

namespace {

// A panel bound to a view model, refreshed the way the window refreshes it.
struct Panel {
    Panel() : snapshot(vm), panel(ConfigBinding::to(vm)) {
        QObject::connect(&snapshot, &ViewModelSnapshot::refreshed, &panel, &RulePanel::refresh);
        counter = vm.onWillChange([this] { ++notifications; });
        panel.resize(320, 400);
        panel.show();
    }

    template <class T>
    T* find(const char* name) {
        T* widget = panel.findChild<T*>(QLatin1String(name));
        if (!widget) qFatal("no widget named %s", name);
        return widget;
    }

    // Chooses `rule` in the rule picker as a user does, and lets the panel follow.
    void chooseRule(RenameRule rule) {
        auto* picker = find<QComboBox>("rulePicker");
        picker->setCurrentText(QString::fromUtf8(rawValue(rule).data()));
        settle();
    }

    RenameViewModel vm;
    ViewModelSnapshot snapshot;
    RulePanel panel;
    int notifications = 0;
    Subscription counter;
};

QStringList entries(QComboBox* picker) {
    QStringList list;
    for (int i = 0; i < picker->count(); ++i)
        list << picker->itemText(i);
    return list;
}

template <class E>
QStringList labels() {
    QStringList list;
    for (E value : vellumix::allCases<E>())
        list << QString::fromUtf8(rawValue(value).data());
    return list;
}

}  // namespace

class RulePanelTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithThePrefixEditor() {
        Panel p;
        auto* rules = p.find<QComboBox>("rulePicker");
        QCOMPARE(rules->currentText(), QStringLiteral("Add Prefix"));
        QCOMPARE(entries(rules), labels<RenameRule>());
        QCOMPARE(entries(p.find<QComboBox>("casePicker")), labels<CaseOption>());
        QCOMPARE(entries(p.find<QComboBox>("numberPositionPicker")),
                 (QStringList{"Before name", "After name"}));
        QCOMPARE(p.find<QComboBox>("numberPositionPicker")->currentText(),
                 QStringLiteral("After name"));

        auto* prefix = p.find<QLineEdit>("prefixField");
        QVERIFY(prefix->isVisible());
        QVERIFY(prefix->text().isEmpty());
        QCOMPARE(prefix->placeholderText(), QStringLiteral("e.g. 2024_"));
        for (const char* hidden : {"suffixField", "findField", "casePicker", "numberStartStepper",
                                   "dateFormatField", "removeFromStepper", "cleanUpText"}) {
            QVERIFY2(!p.find<QWidget>(hidden)->isVisible(), hidden);
        }
        QCOMPARE(p.notifications, 0);
    }

    // Every keystroke writes the field at once: one notification each, no apply step.
    void everyKeystrokeWritesTheField() {
        Panel p;
        auto* prefix = p.find<QLineEdit>("prefixField");
        QTest::keyClicks(prefix, "ab");
        QCOMPARE(p.notifications, 2);
        QCOMPARE(p.vm.config().text, std::string("ab"));
        QTest::keyClick(prefix, Qt::Key_Backspace);
        QCOMPARE(p.vm.config().text, std::string("a"));
        settle();
        QCOMPARE(prefix->text(), QStringLiteral("a"));
        QCOMPARE(p.notifications, 3);
    }

    void textBeyondAsciiIsWrittenAsUtf8() {
        Panel p;
        const QString text = QStringLiteral("é日本_🙂");
        typeText(p.find<QLineEdit>("prefixField"), text);
        QCOMPARE(QString::fromStdString(p.vm.config().text), text);
        QCOMPARE(p.notifications, int(text.toUcs4().size()));
    }

    void prefixAndSuffixShareTheirText() {
        Panel p;
        QTest::keyClicks(p.find<QLineEdit>("prefixField"), "x");
        p.chooseRule(RenameRule::addSuffix);
        auto* suffix = p.find<QLineEdit>("suffixField");
        QVERIFY(suffix->isVisible());
        QVERIFY(!p.find<QLineEdit>("prefixField")->isVisible());
        QCOMPARE(suffix->text(), QStringLiteral("x"));
        QCOMPARE(suffix->placeholderText(), QStringLiteral("e.g. _final"));
        QTest::keyClicks(suffix, "y");
        p.chooseRule(RenameRule::addPrefix);
        QCOMPARE(p.find<QLineEdit>("prefixField")->text(), QStringLiteral("xy"));
        QCOMPARE(p.vm.config().rule, RenameRule::addPrefix);
    }

    void findAndRegexShareTheirFields() {
        Panel p;
        p.chooseRule(RenameRule::replace);
        auto* find = p.find<QLineEdit>("findField");
        auto* replace = p.find<QLineEdit>("replaceField");
        auto* caseSensitive = p.find<QCheckBox>("caseSensitiveCheck");
        QCOMPARE(find->placeholderText(), QStringLiteral("text to find"));
        QCOMPARE(replace->placeholderText(), QStringLiteral("replacement"));
        QCOMPARE(caseSensitive->text(), QStringLiteral("Case sensitive"));

        p.chooseRule(RenameRule::regexReplace);
        QVERIFY(find->isVisible());
        QVERIFY(find->text().isEmpty());
        QCOMPARE(find->placeholderText(), QStringLiteral("regex pattern"));

        QTest::keyClicks(find, "(\\d+)");
        QTest::keyClicks(replace, "[$1]");
        QTest::keyClick(caseSensitive, Qt::Key_Space);
        QVERIFY(p.vm.config().caseSensitive);
        p.chooseRule(RenameRule::replace);
        QCOMPARE(find->text(), QStringLiteral("(\\d+)"));
        QCOMPARE(replace->text(), QStringLiteral("[$1]"));
        QVERIFY(caseSensitive->isChecked());
        QCOMPARE(find->placeholderText(), QStringLiteral("text to find"));
        const RenameConfig& config = p.vm.config();
        QCOMPARE(config.findText, std::string("(\\d+)"));
        QCOMPARE(config.replaceText, std::string("[$1]"));
    }

    // Each stepper goes to its bounds and no further, and writes what it shows.
    void steppersKeepTheirRanges_data() {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("Start") << int(RenameRule::addNumber) << "numberStartStepper"
                               << "Start" << 0 << 99;
        QTest::newRow("Step") << int(RenameRule::addNumber) << "numberStepStepper"
                              << "Step" << 1 << 99;
        QTest::newRow("Pad") << int(RenameRule::addNumber) << "numberPaddingStepper"
                             << "Pad" << 1 << 6;
        QTest::newRow("From position") << int(RenameRule::removeChars) << "removeFromStepper"
                                       << "From position" << 0 << 99;
        QTest::newRow("Remove N chars") << int(RenameRule::removeChars) << "removeCountStepper"
                                        << "Remove N chars" << 1 << 99;
    }

    void steppersKeepTheirRanges() {
        QFETCH(int, rule);
        QFETCH(QString, name);
        QFETCH(QString, label);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        Panel p;
        p.chooseRule(RenameRule(rule));
        auto* stepper = p.find<QSpinBox>(name.toLatin1().constData());
        QVERIFY(stepper->isVisible());
        auto* caption =
            qobject_cast<QLabel*>(stepper->parentWidget()->layout()->itemAt(0)->widget());
        QVERIFY(caption);
        QCOMPARE(caption->text(), label);

        auto field = [&]() -> std::int64_t {
            const RenameConfig& c = p.vm.config();
            if (name == "numberStartStepper") return c.numberStart;
            if (name == "numberStepStepper") return c.numberStep;
            if (name == "numberPaddingStepper") return c.numberPadding;
            if (name == "removeFromStepper") return c.removeFrom;
            return c.removeCount;
        };
        for (int i = 0; i < 110; ++i)
            QTest::keyClick(stepper, Qt::Key_Down);
        QCOMPARE(stepper->value(), minimum);
        QCOMPARE(field(), std::int64_t(minimum));
        for (int i = 0; i < 110; ++i)
            QTest::keyClick(stepper, Qt::Key_Up);
        QCOMPARE(stepper->value(), maximum);
        QCOMPARE(field(), std::int64_t(maximum));
        QTest::keyClick(stepper, Qt::Key_Down);
        QCOMPARE(field(), std::int64_t(maximum - 1));
    }

    void numberingValuesSurviveAnotherRule() {
        Panel p;
        p.chooseRule(RenameRule::addNumber);
        auto* separator = p.find<QLineEdit>("numberSeparatorField");
        QCOMPARE(separator->text(), QStringLiteral("_"));
        separator->selectAll();
        QTest::keyClicks(separator, "-");
        auto* start = p.find<QSpinBox>("numberStartStepper");
        QTest::keyClick(start, Qt::Key_Up);
        auto* position = p.find<QComboBox>("numberPositionPicker");
        position->setCurrentText(QStringLiteral("Before name"));

        p.chooseRule(RenameRule::caseChange);
        QVERIFY(p.find<QComboBox>("casePicker")->isVisible());
        QVERIFY(!separator->isVisible());
        p.chooseRule(RenameRule::addNumber);
        QCOMPARE(separator->text(), QStringLiteral("-"));
        QCOMPARE(start->value(), 2);
        QCOMPARE(position->currentText(), QStringLiteral("Before name"));
        QCOMPARE(p.vm.config().numberPosition, InsertPosition::prefix);
    }

    void dateEditorShowsItsFieldsAndHint() {
        Panel p;
        p.chooseRule(RenameRule::addDate);
        auto* format = p.find<QLineEdit>("dateFormatField");
        QCOMPARE(format->text(), QStringLiteral("yyyy-MM-dd"));
        QCOMPARE(format->placeholderText(), QStringLiteral("yyyy-MM-dd"));
        QCOMPARE(p.find<QLineEdit>("dateSeparatorField")->placeholderText(), QStringLiteral("_"));
        QCOMPARE(p.find<QLabel>("dateFormatHint")->text(),
                 QStringLiteral(
                     "Format tokens: yyyy \u00B7 MM \u00B7 dd \u00B7 HH \u00B7 mm \u00B7 ss"));
        format->clear();
        QTest::keyClick(format, Qt::Key_A);
        QTest::keyClick(format, Qt::Key_Backspace);
        QCOMPARE(p.vm.config().dateFormat, std::string());
    }

    void cleanUpShowsOnlyItsExplanation() {
        Panel p;
        QTest::keyClicks(p.find<QLineEdit>("prefixField"), "kept");
        const RenameConfig before = p.vm.config();
        p.chooseRule(RenameRule::cleanUp);
        auto* text = p.find<QLabel>("cleanUpText");
        QVERIFY(text->isVisible());
        QCOMPARE(text->text(), QStringLiteral("Replaces underscores, dashes and dots with spaces, "
                                              "then applies Title Case."));
        for (auto* field : p.panel.findChildren<QLineEdit*>())
            QVERIFY(!field->isVisible());
        for (auto* stepper : p.panel.findChildren<QSpinBox*>())
            QVERIFY(!stepper->isVisible());
        RenameConfig expected = before;
        expected.rule = RenameRule::cleanUp;
        const RenameConfig& after = p.vm.config();
        QCOMPARE(after.text, expected.text);
        QCOMPARE(after.numberPadding, expected.numberPadding);
        QCOMPARE(after.dateFormat, expected.dateFormat);
    }

    // A refresh shows the configuration without writing it back, and leaves a
    // field that already shows its value (and its cursor) alone.
    void refreshingWritesNothingAndKeepsTheCursor() {
        Panel p;
        auto* prefix = p.find<QLineEdit>("prefixField");
        prefix->setFocus();
        QTest::keyClicks(prefix, "hello");
        prefix->setCursorPosition(2);
        settle();
        const int before = p.notifications;

        RenameConfig config = p.vm.config();
        config.numberStart = 42;
        config.caseOption = CaseOption::kebabCase;
        config.findText = "abc";
        p.vm.setConfig(config);
        settle();
        QCOMPARE(p.notifications, before + 1);
        QCOMPARE(prefix->cursorPosition(), 2);
        QCOMPARE(p.find<QSpinBox>("numberStartStepper")->value(), 42);
        QCOMPARE(p.find<QComboBox>("casePicker")->currentText(), QStringLiteral("kebab-case"));
        QCOMPARE(p.find<QLineEdit>("findField")->text(), QStringLiteral("abc"));
    }

    // Values from elsewhere outside a stepper's range are shown clamped but
    // never written back.
    void outOfRangeValuesAreNotWrittenBack() {
        Panel p;
        RenameConfig config = p.vm.config();
        config.rule = RenameRule::addNumber;
        config.numberPadding = 40;
        p.vm.setConfig(config);
        settle();
        QCOMPARE(p.find<QSpinBox>("numberPaddingStepper")->value(), 6);
        QCOMPARE(p.vm.config().numberPadding, std::int64_t(40));
    }
};

VELLUMIX_UI_TEST_MAIN(RulePanelTest)
#include "rule_panel_test.moc"
