// The rule panel against the window's view model: each control writes its one
// field at once, fields survive rule switches, the steppers keep their ranges,
// and a refresh shows the configuration without writing it back.
#include <cstdint>

#include "ui_test_support.h"

using namespace vellumix;
using namespace vellumix::ui;
using namespace vellumix::ui::testing;

using Field = std::int64_t RenameConfig::*;
Q_DECLARE_METATYPE(Field)
Q_DECLARE_METATYPE(RenameRule)

namespace {

// Chooses `rule` in the rule picker as a user does, and lets the panel follow.
void choose(TestWindow& w, RenameRule rule) {
    w.find<QComboBox>("rulePicker")->setCurrentText(QString::fromUtf8(rawValue(rule).data()));
    settle();
}

}  // namespace

class RulePanelTest : public QObject {
    Q_OBJECT

private slots:
    // Every keystroke writes the field at once (one notification each, no
    // apply step), in UTF-8 also beyond ASCII.
    void everyKeystrokeWritesTheField() {
        TestWindow w;
        QCOMPARE(w.find<QComboBox>("rulePicker")->currentText(), QStringLiteral("Add Prefix"));
        auto* prefix = w.find<QLineEdit>("prefixField");
        QCOMPARE(prefix->placeholderText(), QStringLiteral("e.g. 2024_"));
        const QString text = QStringLiteral("é日本_🙂");
        typeText(prefix, text);
        QCOMPARE(w.notifications, int(text.toUcs4().size()));
        QCOMPARE(QString::fromStdString(w.vm().config().text), text);
        QTest::keyClick(prefix, Qt::Key_Backspace);
        QCOMPARE(QString::fromStdString(w.vm().config().text), QStringLiteral("é日本_"));
        settle();
        QCOMPARE(prefix->text(), QStringLiteral("é日本_"));
    }

    // Prefix and suffix share their text; find and regex their fields and the
    // check box; numbering keeps its values; passing through every other rule
    // (Smart Clean Up among them) changes no field.
    void switchingRulesKeepsEveryField() {
        TestWindow w;
        QTest::keyClicks(w.find<QLineEdit>("prefixField"), "x");
        choose(w, RenameRule::addSuffix);
        auto* suffix = w.find<QLineEdit>("suffixField");
        QCOMPARE(suffix->text(), QStringLiteral("x"));
        QCOMPARE(suffix->placeholderText(), QStringLiteral("e.g. _final"));
        QTest::keyClicks(suffix, "y");

        choose(w, RenameRule::replace);
        auto* find = w.find<QLineEdit>("findField");
        auto* replace = w.find<QLineEdit>("replaceField");
        auto* caseSensitive = w.find<QCheckBox>("caseSensitiveCheck");
        QCOMPARE(find->placeholderText(), QStringLiteral("text to find"));
        choose(w, RenameRule::regexReplace);
        QCOMPARE(find->placeholderText(), QStringLiteral("regex pattern"));
        QTest::keyClicks(find, "(\\d+)");
        QTest::keyClicks(replace, "[$1]");
        QTest::keyClick(caseSensitive, Qt::Key_Space);
        choose(w, RenameRule::replace);
        QCOMPARE(find->placeholderText(), QStringLiteral("text to find"));

        choose(w, RenameRule::addNumber);
        auto* separator = w.find<QLineEdit>("numberSeparatorField");
        separator->selectAll();
        QTest::keyClicks(separator, "-");
        QTest::keyClick(w.find<QSpinBox>("numberStartStepper"), Qt::Key_Up);
        w.find<QComboBox>("numberPositionPicker")->setCurrentText(QStringLiteral("Before name"));

        for (RenameRule rule : allCases<RenameRule>())
            choose(w, rule);
        QCOMPARE(w.vm().config().rule, allCases<RenameRule>().back());
        choose(w, RenameRule::addPrefix);
        QCOMPARE(w.find<QLineEdit>("prefixField")->text(), QStringLiteral("xy"));
        choose(w, RenameRule::replace);
        QCOMPARE(find->text(), QStringLiteral("(\\d+)"));
        QCOMPARE(replace->text(), QStringLiteral("[$1]"));
        QVERIFY(caseSensitive->isChecked());
        choose(w, RenameRule::addNumber);
        QCOMPARE(separator->text(), QStringLiteral("-"));
        QCOMPARE(w.find<QSpinBox>("numberStartStepper")->value(), 2);
        QCOMPARE(w.find<QComboBox>("numberPositionPicker")->currentText(),
                 QStringLiteral("Before name"));
    }

    // Each stepper goes to its bounds and no further, and writes what it shows.
    void steppersKeepTheirRanges_data() {
        QTest::addColumn<RenameRule>("rule");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Field>("field");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addRow("Start") << RenameRule::addNumber << "numberStartStepper"
                               << &RenameConfig::numberStart << 0 << 99;
        QTest::addRow("Step") << RenameRule::addNumber << "numberStepStepper"
                              << &RenameConfig::numberStep << 1 << 99;
        QTest::addRow("Pad") << RenameRule::addNumber << "numberPaddingStepper"
                             << &RenameConfig::numberPadding << 1 << 6;
        QTest::addRow("From position") << RenameRule::removeChars << "removeFromStepper"
                                       << &RenameConfig::removeFrom << 0 << 99;
        QTest::addRow("Remove N chars") << RenameRule::removeChars << "removeCountStepper"
                                        << &RenameConfig::removeCount << 1 << 99;
    }

    void steppersKeepTheirRanges() {
        QFETCH(RenameRule, rule);
        QFETCH(QString, name);
        QFETCH(Field, field);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        TestWindow w;
        choose(w, rule);
        auto* stepper = w.find<QSpinBox>(name.toLatin1().constData());
        QVERIFY(stepper->isVisible());
        for (int i = 0; i < 110; ++i)
            QTest::keyClick(stepper, Qt::Key_Down);
        QCOMPARE(stepper->value(), minimum);
        QCOMPARE(w.vm().config().*field, std::int64_t(minimum));
        for (int i = 0; i < 110; ++i)
            QTest::keyClick(stepper, Qt::Key_Up);
        QCOMPARE(stepper->value(), maximum);
        QCOMPARE(w.vm().config().*field, std::int64_t(maximum));
        QTest::keyClick(stepper, Qt::Key_Down);
        QCOMPARE(w.vm().config().*field, std::int64_t(maximum - 1));
    }

    // A refresh shows the configuration without writing it back (also a value
    // beyond a stepper's range, shown clamped), and leaves a field that already
    // shows its value, and its cursor, alone.
    void refreshWritesNothingBack() {
        TestWindow w;
        auto* prefix = w.find<QLineEdit>("prefixField");
        prefix->setFocus();
        QTest::keyClicks(prefix, "hello");
        prefix->setCursorPosition(2);
        settle();
        const int before = w.notifications;
        w.configure([](RenameConfig& c) {
            c.numberStart = 42;
            c.numberPadding = 40;
            c.caseOption = CaseOption::kebabCase;
            c.findText = "abc";
        });
        QCOMPARE(w.notifications, before + 1);
        QCOMPARE(prefix->cursorPosition(), 2);
        QCOMPARE(w.find<QSpinBox>("numberStartStepper")->value(), 42);
        QCOMPARE(w.find<QSpinBox>("numberPaddingStepper")->value(), 6);
        QCOMPARE(w.vm().config().numberPadding, std::int64_t(40));
        QCOMPARE(w.find<QComboBox>("casePicker")->currentText(), QStringLiteral("kebab-case"));
        QCOMPARE(w.find<QLineEdit>("findField")->text(), QStringLiteral("abc"));
    }
};

VELLUMIX_UI_TEST_MAIN(RulePanelTest)
#include "rule_panel_test.moc"
