// The rule panel over a configuration of its own: each control writes its one
// field at once, fields survive rule switches, and a refresh shows the
// configuration without writing it back.
#include "ui/rule_panel.h"
#include "ui_test_support.h"

using namespace vellumix;
using namespace vellumix::ui;
using namespace vellumix::ui::testing;

namespace {

// The panel bound to `config`, refreshed on the event loop after each write as
// the window refreshes it.
struct BoundPanel {
    RenameConfig config;
    int writes = 0;
    RulePanel panel{{[this]() -> const RenameConfig& { return config; },
                     [this](RenameConfig edited) {
                         config = std::move(edited);
                         ++writes;
                         QMetaObject::invokeMethod(
                             &panel, [this] { panel.refresh(); }, Qt::QueuedConnection);
                     },
                     {}}};

    BoundPanel() { panel.show(); }
    template <class T>
    T* find(const char* name) {
        T* widget = panel.findChild<T*>(QLatin1String(name));
        if (!widget) qFatal("no control named %s", name);
        return widget;
    }
    // Chooses `rule` in the rule picker as a user does.
    void choose(RenameRule rule) {
        find<QComboBox>("rulePicker")->setCurrentText(QString::fromUtf8(rawValue(rule).data()));
        settle();
    }
};

}  // namespace

class RulePanelTest : public QObject {
    Q_OBJECT

private slots:
    // One write per keystroke, no apply step, in UTF-8 also beyond ASCII.
    void everyKeystrokeWritesTheField() {
        BoundPanel p;
        auto* prefix = p.find<QLineEdit>("prefixField");
        const QString text = QStringLiteral("é日本_🙂");
        typeText(prefix, text);
        QCOMPARE(p.writes, int(text.toUcs4().size()));
        QCOMPARE(QString::fromStdString(p.config.text), text);
        QTest::keyClick(prefix, Qt::Key_Backspace);
        settle();
        QCOMPARE(QString::fromStdString(p.config.text), QStringLiteral("é日本_"));
        QCOMPARE(prefix->text(), QStringLiteral("é日本_"));
    }

    // Prefix and suffix share their text; every other field keeps its value
    // while the user passes through every rule.
    void switchingRulesKeepsEveryField() {
        BoundPanel p;
        QTest::keyClicks(p.find<QLineEdit>("prefixField"), "x");
        p.choose(RenameRule::addSuffix);
        QCOMPARE(p.find<QLineEdit>("suffixField")->text(), QStringLiteral("x"));
        p.choose(RenameRule::regexReplace);
        QTest::keyClicks(p.find<QLineEdit>("findField"), "(\\d+)");
        QTest::keyClick(p.find<QCheckBox>("caseSensitiveCheck"), Qt::Key_Space);
        p.choose(RenameRule::addNumber);
        QTest::keyClick(p.find<QSpinBox>("numberStartStepper"), Qt::Key_Up);
        p.find<QComboBox>("numberPositionPicker")->setCurrentText(QStringLiteral("Before name"));

        for (RenameRule rule : allCases<RenameRule>())
            p.choose(rule);
        QCOMPARE(p.config.rule, RenameRule::cleanUp);
        p.choose(RenameRule::replace);
        QCOMPARE(p.find<QLineEdit>("findField")->text(), QStringLiteral("(\\d+)"));
        QVERIFY(p.find<QCheckBox>("caseSensitiveCheck")->isChecked());
        const RenameConfig& c = p.config;
        QCOMPARE(QString::fromStdString(c.text + " " + c.findText), QStringLiteral("x (\\d+)"));
        QCOMPARE(c.numberStart, std::int64_t(2));
        QCOMPARE(c.numberPosition, InsertPosition::prefix);
    }

    // The Date picker writes where the date comes from.
    void dateSourcePickerWritesTheSource() {
        BoundPanel p;
        p.choose(RenameRule::addDate);
        auto* source = p.find<QComboBox>("dateSourcePicker");
        QCOMPARE(source->currentText(), QStringLiteral("Now"));
        source->setCurrentIndex(2);
        QCOMPARE(p.config.dateSource, DateSource::taken);
    }

    // A refresh writes nothing back, also for a value beyond a stepper's range
    // (shown clamped), and leaves a field that shows its value, and its cursor, alone.
    void refreshWritesNothingBack() {
        BoundPanel p;
        auto* prefix = p.find<QLineEdit>("prefixField");
        prefix->setFocus();
        QTest::keyClicks(prefix, "hello");
        prefix->setCursorPosition(2);
        settle();
        const int before = p.writes;
        p.config.numberStart = 42;
        p.config.numberPadding = 40;
        p.config.caseOption = CaseOption::kebabCase;
        p.panel.refresh();
        settle();
        QCOMPARE(p.writes, before);
        QCOMPARE(prefix->cursorPosition(), 2);
        QCOMPARE(p.find<QSpinBox>("numberStartStepper")->value(), 42);
        QCOMPARE(p.find<QSpinBox>("numberPaddingStepper")->value(), 6);
        QCOMPARE(p.config.numberPadding, std::int64_t(40));
        QCOMPARE(p.find<QComboBox>("casePicker")->currentText(), QStringLiteral("kebab-case"));
    }

    // Bound to the view model: a Regex Replace pattern that does not compile
    // is told under the Find field at every keystroke, until it compiles
    // again or another rule is chosen.
    void invalidPatternIsToldUnderTheFindField() {
        RenameViewModel vm;
        RulePanel panel(ConfigBinding::to(vm));
        const Subscription refreshes = vm.onWillChange([&panel] {
            QMetaObject::invokeMethod(
                &panel, [&panel] { panel.refresh(); }, Qt::QueuedConnection);
        });
        panel.show();
        auto* rules = panel.findChild<QComboBox*>(QStringLiteral("rulePicker"));
        auto* find = panel.findChild<QLineEdit*>(QStringLiteral("findField"));
        auto* error = panel.findChild<QLabel*>(QStringLiteral("patternErrorLabel"));
        QVERIFY(rules && find && error);
        // The line under the field after typing `keys` at its end.
        const auto shown = [&](const char* keys) {
            QTest::keyClicks(find, keys);
            settle();
            return error->isVisible() ? error->text() : QStringLiteral("(none)");
        };
        rules->setCurrentText(QStringLiteral("Regex Replace"));
        QCOMPARE(shown("("),
                 QStringLiteral("Invalid pattern: U_REGEX_MISMATCHED_PAREN (at character 1)"));
        QCOMPARE(shown("x"),
                 QStringLiteral("Invalid pattern: U_REGEX_MISMATCHED_PAREN (at character 2)"));
        QCOMPARE(shown(")"), QStringLiteral("(none)"));
        QCOMPARE(shown("["),
                 QStringLiteral("Invalid pattern: U_REGEX_MISSING_CLOSE_BRACKET (at character 4)"));
        rules->setCurrentText(QStringLiteral("Find & Replace"));
        QCOMPARE(shown(""), QStringLiteral("(none)"));
    }
};

VELLUMIX_UI_TEST_MAIN(RulePanelTest)
#include "rule_panel_test.moc"
