// RulePanel: the card in the side column where the user picks the rename rule
// and sets its parameters.
//
// A rule picker, a divider, and the editor of the selected rule only. Every
// control edits exactly one field of the configuration and writes it back at
// once (every keystroke, stepper click or choice) as a whole configuration in
// which only that field differs; there is no apply step. Fields of rules that
// are not shown keep their values, and rules that edit the same fields (prefix
// and suffix; find & replace and regex replace) show the same values.
//
// Under the Find field of Regex Replace, a line in the error colour tells what
// is wrong with a pattern that does not compile.
//
// The panel keeps no state: refresh() shows the configuration that the binding
// reads, without writing anything back and without disturbing a field the user
// is typing in. UI thread only.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/pattern_error.h"
#include "model/rename_config.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QVBoxLayout;

namespace vellumix {
class RenameViewModel;
}

namespace vellumix::ui {

// A two-way binding onto a configuration held elsewhere.
struct ConfigBinding {
    std::function<const RenameConfig&()> get;
    std::function<void(RenameConfig)> set;
    // What the holder derives from it: why the Find pattern does not compile
    // (RenameViewModel::patternError()). Without it no error is shown.
    std::function<std::optional<PatternError>()> patternError;
    // The binding onto `vm.config()` and `vm.patternError()`.
    static ConfigBinding to(RenameViewModel& vm);
};

class RulePanel : public QWidget {
    Q_OBJECT

public:
    explicit RulePanel(ConfigBinding config, QWidget* parent = nullptr);

    // Shows the configuration that the binding reads now.
    void refresh();

    // The panel's controls in keyboard (Tab) order: the rule picker, then the
    // controls of every editor in the order they stand. Those of hidden
    // editors are skipped by the keyboard.
    QList<QWidget*> controls() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Writes the configuration with the one change that `change` makes.
    void edit(const std::function<void(RenameConfig&)>& change);

    // The label and the placeholder are shown verbatim; `description` tells
    // assistive technology what the field does.
    QLineEdit* addFieldRow(QVBoxLayout* column, const QString& label, const QString& placeholder,
                           std::string RenameConfig::*field, const QString& name,
                           const QString& description);
    // A check box bound to `field`, added to `column`.
    QCheckBox* addCheck(QVBoxLayout* column, const QString& text, bool RenameConfig::*field,
                        const QString& name, const QString& description);
    QSpinBox* addStepper(QLayout* row, const QString& label, std::int64_t RenameConfig::*field,
                         int minimum, int maximum, const QString& name, const QString& description);
    // The rows an inserting rule (numbering, date) begins with: its position
    // picker and its separator field, named `what` + "PositionPicker" and `what`
    // + "SeparatorField". Returns the editor's column for the rows that follow.
    QVBoxLayout* addInsertRows(QWidget* editor, InsertPosition RenameConfig::*position,
                               std::string RenameConfig::*separator, const QString& what,
                               const QString& positionDescription,
                               const QString& separatorDescription, QComboBox** positionPicker,
                               QLineEdit** separatorField);
    // A picker of every case of E, shown by its raw value, or by `labels`
    // (one per case, in order) where given.
    template <class E>
    QComboBox* makePicker(int width, E RenameConfig::*field, const QString& name,
                          const QStringList& labels = {});
    QWidget* makePickerRow(const QString& label, QComboBox* picker);

    QWidget* buildTextEditor(const QString& label, const QString& placeholder, QLineEdit** field,
                             const QString& name, const QString& description);
    QWidget* buildFindReplaceEditor();
    QWidget* buildCaseEditor();
    QWidget* buildNumberingEditor();
    QWidget* buildDateEditor();
    QWidget* buildRemoveEditor();
    QWidget* buildCleanUpEditor();

    ConfigBinding config_;
    bool refreshing_ = false;

    QComboBox* rulePicker_ = nullptr;
    QLineEdit* prefixField_ = nullptr;
    QLineEdit* suffixField_ = nullptr;
    QLineEdit* findField_ = nullptr;
    QLabel* patternError_ = nullptr;  // under the Find field: what is wrong with the pattern
    QLineEdit* replaceField_ = nullptr;
    QCheckBox* caseSensitive_ = nullptr;
    QCheckBox* numberCompanions_ = nullptr;
    QComboBox* casePicker_ = nullptr;
    QComboBox* numberPositionPicker_ = nullptr;
    QLineEdit* numberSeparatorField_ = nullptr;
    QSpinBox* numberStart_ = nullptr;
    QSpinBox* numberStep_ = nullptr;
    QSpinBox* numberPadding_ = nullptr;
    QComboBox* datePositionPicker_ = nullptr;
    QLineEdit* dateSeparatorField_ = nullptr;
    QLineEdit* dateFormatField_ = nullptr;
    QComboBox* dateSourcePicker_ = nullptr;
    QSpinBox* removeFrom_ = nullptr;
    QSpinBox* removeCount_ = nullptr;

    // The editor of each rule, in the order of the rules (two rules share one).
    std::array<QWidget*, 9> editors_{};
};

}  // namespace vellumix::ui
