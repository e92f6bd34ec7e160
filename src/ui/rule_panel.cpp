#include "ui/rule_panel.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QComboBox>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "model/rename_rule.h"
#include "ui/accessibility.h"
#include "ui/divider.h"
#include "ui/palette_colors.h"
#include "ui/text_styles.h"
#include "viewmodel/rename_view_model.h"

namespace vellumix::ui {

namespace {

constexpr int kCardPadding = 14;
constexpr int kCardSpacing = 16;
constexpr qreal kCardRadius = 10;
constexpr int kFieldLabelWidth = 110;
constexpr int kRulePickerWidth = 200;
constexpr int kOptionPickerWidth = 160;
constexpr int kEditorSpacing = 10;
constexpr int kStepperSpacing = 16;
constexpr int kFieldErrorSpacing = 4;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A drop-down picker that asks for a given width and gives way to a narrow column.
class Picker : public QComboBox {
public:
    Picker(int width, QWidget* parent = nullptr) : QComboBox(parent), width_(width) {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override { return {width_, QComboBox::sizeHint().height()}; }
    QSize minimumSizeHint() const override {
        return {std::min(width_, 120), QComboBox::minimumSizeHint().height()};
    }

private:
    int width_;
};

// Sets `text` unless the field shows it already; a field the user is in keeps
// its cursor where it was.
void showText(QLineEdit* field, const std::string& value) {
    const QString text = QString::fromStdString(value);
    if (field->text() == text) return;
    const int cursor = field->cursorPosition();
    field->setText(text);
    if (field->hasFocus())
        field->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
}

void showValue(QSpinBox* stepper, std::int64_t value) {
    const auto clamped = std::clamp<std::int64_t>(value, stepper->minimum(), stepper->maximum());
    if (stepper->value() != clamped) stepper->setValue(static_cast<int>(clamped));
}

// Selects the entry of `value` in a picker filled from allCases<E>().
template <class E>
void showChoice(QComboBox* picker, E value) {
    const auto cases = allCases<E>();
    const auto found = std::find(cases.begin(), cases.end(), value);
    const int index = found == cases.end() ? -1 : static_cast<int>(found - cases.begin());
    if (picker->currentIndex() != index) picker->setCurrentIndex(index);
}

QVBoxLayout* column(QWidget* owner, int spacing) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

}  // namespace

ConfigBinding ConfigBinding::to(RenameViewModel& vm) {
    return {[&vm]() -> const RenameConfig& { return vm.config(); },
            [&vm](RenameConfig config) { vm.setConfig(std::move(config)); },
            [&vm] { return vm.patternError(); }};
}

RulePanel::RulePanel(ConfigBinding config, QWidget* parent)
    : QWidget(parent), config_(std::move(config)) {
    setObjectName(QStringLiteral("rulePanel"));
    describe(*this, tr("Rename rule"), tr("The rule that makes the new names, and its settings"));
    auto* layout = column(this, kCardSpacing);
    layout->setContentsMargins(kCardPadding, kCardPadding, kCardPadding, kCardPadding);

    // The rule row.
    auto* rules = makePicker(kRulePickerWidth, &RenameConfig::rule, QStringLiteral("rulePicker"));
    rulePicker_ = rules;
    describe(*rules, tr("Rule"), tr("How the new names are made"));
    auto* ruleRow = new QWidget(this);
    auto* ruleLayout = new QHBoxLayout(ruleRow);
    ruleLayout->setContentsMargins(0, 0, 0, 0);
    auto* ruleLabel =
        new StyledLabel(tr("Rule"), TextStyle::body, QFont::DemiBold, Foreground::primary, ruleRow);
    ruleLabel->setObjectName(QStringLiteral("ruleLabel"));
    ruleLayout->addWidget(ruleLabel);
    ruleLayout->addStretch(1);
    ruleLayout->addWidget(rules);
    layout->addWidget(ruleRow);
    layout->addWidget(new Divider(this));

    // Translated and verbatim texts: tr() marks the panel's own wording (row
    // captions such as "Rule" and "Position", the check box, the hints, every
    // description). The labels and placeholders handed to addFieldRow() and
    // addStepper() as values stay verbatim in every language, like the rule and
    // option names in the pickers, and so do the accessible names taken from them.
    QWidget* prefix =
        buildTextEditor(QStringLiteral("Prefix"), QStringLiteral("e.g. 2024_"), &prefixField_,
                        QStringLiteral("prefixField"), tr("Text put before each file name"));
    QWidget* suffix = buildTextEditor(QStringLiteral("Suffix"), QStringLiteral("e.g. _final"),
                                      &suffixField_, QStringLiteral("suffixField"),
                                      tr("Text put after each file name, before its extension"));
    QWidget* findReplace = buildFindReplaceEditor();
    editors_ = {prefix,
                suffix,
                findReplace,
                findReplace,
                buildCaseEditor(),
                buildNumberingEditor(),
                buildDateEditor(),
                buildRemoveEditor(),
                buildCleanUpEditor()};
    for (QWidget* editor : editors_) {
        if (layout->indexOf(editor) < 0) {
            editor->hide();
            layout->addWidget(editor);
        }
    }

    const QList<QWidget*> order = controls();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    // The card: rounded, on the adaptive card colour, with a soft shadow.
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setColor(QColor(0, 0, 0, qRound(0.06 * 255)));
    shadow->setBlurRadius(4);
    shadow->setOffset(0, 2);
    setGraphicsEffect(shadow);
    // As high as its content needs at the width it is given: wrapped texts
    // (the clean-up explanation, the format hint) take more lines in a narrow
    // column or a longer language. The side column's stretch keeps it from
    // growing further.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);

    refresh();
}

void RulePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), kCardRadius, kCardRadius);
    painter.fillPath(path, cardBackground(palette()));
}

void RulePanel::edit(const std::function<void(RenameConfig&)>& change) {
    if (refreshing_) return;
    RenameConfig config = config_.get();
    change(config);
    config_.set(std::move(config));
}

QList<QWidget*> RulePanel::controls() const {
    return {rulePicker_,           prefixField_,        suffixField_,     findField_,
            replaceField_,         caseSensitive_,      casePicker_,      numberPositionPicker_,
            numberSeparatorField_, numberStart_,        numberStep_,      numberPadding_,
            numberCompanions_,     dateSourcePicker_,   datePositionPicker_, dateSeparatorField_,
            dateFormatField_,      removeFrom_,         removeCount_};
}

QLineEdit* RulePanel::addFieldRow(QVBoxLayout* column, const QString& label,
                                  const QString& placeholder, std::string RenameConfig::*field,
                                  const QString& name, const QString& description) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption =
        new StyledLabel(label, TextStyle::body, QFont::Medium, Foreground::primary, row);
    caption->setFixedWidth(kFieldLabelWidth);
    auto* input = new QLineEdit(row);
    input->setObjectName(name);
    input->setPlaceholderText(placeholder);
    // Assistive technology names the field by the label a sighted user reads.
    describe(*input, label, description);
    caption->setBuddy(input);
    layout->addWidget(caption);
    layout->addWidget(input, 1);
    connect(input, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        edit([&](RenameConfig& config) { config.*field = text.toStdString(); });
    });
    column->addWidget(row);
    return input;
}

QSpinBox* RulePanel::addStepper(QLayout* row, const QString& label,
                                std::int64_t RenameConfig::*field, int minimum, int maximum,
                                const QString& name, const QString& description) {
    auto* box = new QWidget;
    auto* layout = column(box, 2);
    auto* caption =
        new StyledLabel(label, TextStyle::caption, QFont::Normal, Foreground::secondary, box);
    auto* stepper = new QSpinBox(box);
    stepper->setObjectName(name);
    stepper->setRange(minimum, maximum);
    stepper->setSingleStep(1);
    stepper->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    describe(*stepper, label, description);
    caption->setBuddy(stepper);
    layout->addWidget(caption);
    layout->addWidget(stepper, 0, Qt::AlignLeft);
    connect(stepper, &QSpinBox::valueChanged, this, [this, field](int value) {
        edit([&](RenameConfig& config) { config.*field = value; });
    });
    row->addWidget(box);
    return stepper;
}

template <class E>
QComboBox* RulePanel::makePicker(int width, E RenameConfig::*field, const QString& name,
                                 const QStringList& labels) {
    auto* picker = new Picker(width);
    picker->setObjectName(name);
    for (E value : allCases<E>()) {
        const auto index = static_cast<qsizetype>(picker->count());
        picker->addItem(index < labels.size() ? labels[index] : fromUtf8(rawValue(value)));
    }
    connect(picker, &QComboBox::currentIndexChanged, this, [this, field](int index) {
        const auto cases = allCases<E>();
        if (index < 0 || static_cast<std::size_t>(index) >= cases.size()) return;
        edit([&](RenameConfig& config) { config.*field = cases[static_cast<std::size_t>(index)]; });
    });
    return picker;
}

QWidget* RulePanel::makePickerRow(const QString& label, QComboBox* picker) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(
        new StyledLabel(label, TextStyle::body, QFont::Medium, Foreground::primary, row));
    layout->addStretch(1);
    layout->addWidget(picker);
    return row;
}

QWidget* RulePanel::buildTextEditor(const QString& label, const QString& placeholder,
                                    QLineEdit** field, const QString& name,
                                    const QString& description) {
    auto* editor = new QWidget(this);
    *field =
        addFieldRow(column(editor, 0), label, placeholder, &RenameConfig::text, name, description);
    return editor;
}

QWidget* RulePanel::buildFindReplaceEditor() {
    auto* editor = new QWidget(this);
    auto* layout = column(editor, kCardSpacing);
    // The Find row and, close under it, the pattern's error (see refresh()).
    auto* find = column(nullptr, kFieldErrorSpacing);
    layout->addLayout(find);
    // The Find field's description follows the rule, like its placeholder.
    findField_ = addFieldRow(find, QStringLiteral("Find"), QStringLiteral("text to find"),
                             &RenameConfig::findText, QStringLiteral("findField"), QString());
    patternError_ =
        new StyledLabel(QString(), TextStyle::caption, QFont::Normal, SystemColor::red, editor);
    patternError_->setObjectName(QStringLiteral("patternErrorLabel"));
    patternError_->setWordWrap(true);
    patternError_->hide();
    find->addWidget(patternError_);
    replaceField_ = addFieldRow(layout, QStringLiteral("Replace"), QStringLiteral("replacement"),
                                &RenameConfig::replaceText, QStringLiteral("replaceField"),
                                tr("Text put in place of each match"));
    caseSensitive_ = addCheck(layout, tr("Case sensitive"), &RenameConfig::caseSensitive,
                              QStringLiteral("caseSensitiveCheck"),
                              tr("When checked, upper and lower case letters must match exactly"));
    return editor;
}

namespace {

// The text of a check box that wraps, and toggles the box when clicked.
class CheckText : public QLabel {
public:
    CheckText(const QString& text, QCheckBox* box) : QLabel(text), box_(box) {
        setWordWrap(true);
        setBuddy(box);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && box_->isEnabled()) box_->click();
    }

private:
    QCheckBox* box_;
};

}  // namespace

QCheckBox* RulePanel::addCheck(QVBoxLayout* column, const QString& text,
                               bool RenameConfig::*field, const QString& name,
                               const QString& description) {
    // The text beside the box wraps, so that a long one in any language stays
    // within the panel's width; a click on it toggles the box, as on a box's own text.
    auto* check = new QCheckBox(column->parentWidget());
    check->setObjectName(name);
    describe(*check, QString(text).remove(QLatin1Char('&')), description);
    connect(check, &QCheckBox::toggled, this, [this, field](bool checked) {
        edit([&](RenameConfig& config) { config.*field = checked; });
    });
    auto* label = new CheckText(text, check);
    auto* row = new QHBoxLayout;
    row->addWidget(check, 0, Qt::AlignTop);
    row->addWidget(label, 1);
    column->addLayout(row);
    return check;
}

QWidget* RulePanel::buildCaseEditor() {
    auto* editor = new QWidget(this);
    casePicker_ =
        makePicker(kOptionPickerWidth, &RenameConfig::caseOption, QStringLiteral("casePicker"));
    describe(*casePicker_, tr("Case style"), tr("How the letters of the new names are cased"));
    column(editor, 0)->addWidget(makePickerRow(tr("Case style"), casePicker_));
    return editor;
}

QVBoxLayout* RulePanel::addInsertRows(QWidget* editor, InsertPosition RenameConfig::*position,
                                      std::string RenameConfig::*separator, const QString& what,
                                      const QString& positionDescription,
                                      const QString& separatorDescription,
                                      QComboBox** positionPicker, QLineEdit** separatorField) {
    auto* layout = column(editor, kEditorSpacing);
    *positionPicker =
        makePicker(kOptionPickerWidth, position, what + QStringLiteral("PositionPicker"));
    describe(**positionPicker, tr("Position"), positionDescription);
    layout->addWidget(makePickerRow(tr("Position"), *positionPicker));
    *separatorField =
        addFieldRow(layout, QStringLiteral("Separator"), QStringLiteral("_"), separator,
                    what + QStringLiteral("SeparatorField"), separatorDescription);
    return layout;
}

QWidget* RulePanel::buildNumberingEditor() {
    auto* editor = new QWidget(this);
    QVBoxLayout* layout = addInsertRows(editor, &RenameConfig::numberPosition,
                                        &RenameConfig::numberSeparator, QStringLiteral("number"),
                                        tr("Whether the number goes before or after the name"),
                                        tr("Text put between the name and the number"),
                                        &numberPositionPicker_, &numberSeparatorField_);
    auto* steppers = new QHBoxLayout;
    steppers->setSpacing(kStepperSpacing);
    numberStart_ =
        addStepper(steppers, QStringLiteral("Start"), &RenameConfig::numberStart, 0, 99,
                   QStringLiteral("numberStartStepper"), tr("The number of the first file"));
    numberStep_ = addStepper(steppers, QStringLiteral("Step"), &RenameConfig::numberStep, 1, 99,
                             QStringLiteral("numberStepStepper"),
                             tr("How much the number grows from one file to the next"));
    numberPadding_ = addStepper(steppers, QStringLiteral("Pad"), &RenameConfig::numberPadding, 1, 6,
                                QStringLiteral("numberPaddingStepper"),
                                tr("The fewest digits a number has, filled with leading zeros"));
    steppers->addStretch(1);
    layout->addLayout(steppers);
    numberCompanions_ = addCheck(
        layout, tr("Number companions together"), &RenameConfig::numberCompanions,
        QStringLiteral("numberCompanionsCheck"),
        tr("Files of one folder with the same name before the extension, such as a photo and "
           "its raw file, get one number"));
    return editor;
}

QWidget* RulePanel::buildDateEditor() {
    auto* editor = new QWidget(this);
    QVBoxLayout* layout = addInsertRows(
        editor, &RenameConfig::datePosition, &RenameConfig::dateSeparator, QStringLiteral("date"),
        tr("Whether the date goes before or after the name"),
        tr("Text put between the name and the date"), &datePositionPicker_, &dateSeparatorField_);
    // Which date: the clock's, or each file's own, read from it.
    dateSourcePicker_ =
        makePicker(kOptionPickerWidth, &RenameConfig::dateSource,
                   QStringLiteral("dateSourcePicker"), {tr("Now"), tr("Date Modified"), tr("Date Taken")});
    describe(*dateSourcePicker_, tr("Date"),
             tr("Today's date, or each file's own: when it last changed, or when the photo was "
                "taken"));
    layout->insertWidget(0, makePickerRow(tr("Date"), dateSourcePicker_));
    dateFormatField_ =
        addFieldRow(layout, QStringLiteral("Date format"), QStringLiteral("yyyy-MM-dd"),
                    &RenameConfig::dateFormat, QStringLiteral("dateFormatField"),
                    tr("How today's date is written, for example yyyy-MM-dd for 2024-03-31"));
    // The tokens wrap as one group, never one of them alone on a line.
    QString tokens = tr("Format tokens: yyyy · MM · dd · HH · mm · ss");
    tokens.replace(QStringLiteral(" \u00B7 "), QStringLiteral("\u00A0\u00B7\u00A0"));
    auto* hint =
        new StyledLabel(tokens, TextStyle::caption, QFont::Normal, Foreground::secondary, editor);
    hint->setObjectName(QStringLiteral("dateFormatHint"));
    hint->setWordWrap(true);
    layout->addWidget(hint);
    return editor;
}

QWidget* RulePanel::buildRemoveEditor() {
    auto* editor = new QWidget(this);
    auto* steppers = new QHBoxLayout(editor);
    steppers->setContentsMargins(0, 0, 0, 0);
    steppers->setSpacing(kStepperSpacing);
    removeFrom_ = addStepper(steppers, QStringLiteral("From position"), &RenameConfig::removeFrom,
                             0, 99, QStringLiteral("removeFromStepper"),
                             tr("Where removing begins; 0 is the first character"));
    removeCount_ =
        addStepper(steppers, QStringLiteral("Remove N chars"), &RenameConfig::removeCount, 1, 99,
                   QStringLiteral("removeCountStepper"), tr("How many characters are removed"));
    steppers->addStretch(1);
    return editor;
}

QWidget* RulePanel::buildCleanUpEditor() {
    auto* text = new StyledLabel(
        tr("Replaces underscores, dashes and dots with spaces, then applies Title Case."),
        TextStyle::callout, QFont::Normal, Foreground::secondary, this);
    text->setObjectName(QStringLiteral("cleanUpText"));
    text->setWordWrap(true);
    return text;
}

void RulePanel::refresh() {
    const RenameConfig& config = config_.get();
    refreshing_ = true;
    showChoice(rulePicker_, config.rule);
    showText(prefixField_, config.text);
    showText(suffixField_, config.text);
    showText(findField_, config.findText);
    const bool regex = config.rule == RenameRule::regexReplace;
    findField_->setPlaceholderText(regex ? QStringLiteral("regex pattern")
                                         : QStringLiteral("text to find"));
    findField_->setAccessibleDescription(
        regex ? tr("The regular expression to look for in each file name")
              : tr("The text to look for in each file name"));
    const std::optional<PatternError> error =
        config_.patternError ? config_.patternError() : std::nullopt;
    if (error) {
        patternError_->setText(tr("Invalid pattern: %1 (at character %2)")
                                   .arg(fromUtf8(error->name))
                                   .arg(error->position));
    }
    patternError_->setVisible(error.has_value());
    showText(replaceField_, config.replaceText);
    for (const auto& [check, value] : {std::pair{caseSensitive_, config.caseSensitive},
                                        std::pair{numberCompanions_, config.numberCompanions}}) {
        if (check->isChecked() != value) check->setChecked(value);
    }
    showChoice(casePicker_, config.caseOption);
    showChoice(numberPositionPicker_, config.numberPosition);
    showText(numberSeparatorField_, config.numberSeparator);
    showValue(numberStart_, config.numberStart);
    showValue(numberStep_, config.numberStep);
    showValue(numberPadding_, config.numberPadding);
    showChoice(datePositionPicker_, config.datePosition);
    showText(dateSeparatorField_, config.dateSeparator);
    showText(dateFormatField_, config.dateFormat);
    showChoice(dateSourcePicker_, config.dateSource);
    showValue(removeFrom_, config.removeFrom);
    showValue(removeCount_, config.removeCount);

    QWidget* current = editors_[static_cast<std::size_t>(config.rule)];
    for (QWidget* editor : editors_) {
        if (editor != current) editor->hide();
    }
    current->show();
    refreshing_ = false;
}

}  // namespace vellumix::ui
