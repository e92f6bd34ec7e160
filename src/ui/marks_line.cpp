#include "ui/marks_line.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QStringList>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/accessibility.h"
#include "ui/symbol_icons.h"
#include "ui/text_styles.h"
#include "viewmodel/preview_marks.h"

namespace vellumix::ui {

namespace {

constexpr int kButtonIconSize = 16;

StyledLabel* countLabel(StyledLabel::Tone tone, QWidget* parent) {
    auto* label = new StyledLabel(QString(), TextStyle::callout, QFont::DemiBold, tone, parent);
    label->setWordWrap(true);
    return label;
}

void showCount(StyledLabel& label, const QString& text, std::int64_t count) {
    label.setText(text);
    label.setVisible(count > 0);
}

}  // namespace

MarksLine::MarksLine(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("marksLine"));
    failures_ = countLabel(SystemColor::red, this);
    skipped_ = countLabel(SystemColor::red, this);
    warnings_ = countLabel(SystemColor::amber, this);
    previous_ = new QToolButton(this);
    next_ = new QToolButton(this);
    previous_->setObjectName(QStringLiteral("previousMarkButton"));
    next_->setObjectName(QStringLiteral("nextMarkButton"));
    // F8 and Shift+F8 belong to the whole window (see ContentView).
    describe(*previous_, tr("Previous Problem"),
             tr("Selects the previous file with a problem (Shift+F8)"));
    describe(*next_, tr("Next Problem"),
             tr("Selects the next file with a problem (F8)"));
    for (QToolButton* button : {previous_, next_}) {
        button->setToolTip(button->accessibleDescription());
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAutoRaise(true);
        button->setIconSize(QSize(kButtonIconSize, kButtonIconSize));
    }

    auto* counts = new QVBoxLayout;
    counts->setContentsMargins(0, 0, 0, 0);
    counts->setSpacing(2);
    counts->addWidget(failures_);
    counts->addWidget(skipped_);
    counts->addWidget(warnings_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(counts, 1);
    layout->addWidget(previous_, 0, Qt::AlignVCenter);
    layout->addWidget(next_, 0, Qt::AlignVCenter);

    connect(previous_, &QToolButton::clicked, this, &MarksLine::previousRequested);
    connect(next_, &QToolButton::clicked, this, &MarksLine::nextRequested);
    applyColors();
    setMarks(PreviewMarks{});
}

void MarksLine::setMarks(const PreviewMarks& marks) {
    showCount(*failures_, tr("%n renames will fail", nullptr, static_cast<int>(marks.failures)),
         marks.failures);
    showCount(*skipped_, tr("%n files can't be renamed", nullptr, static_cast<int>(marks.skipped)),
         marks.skipped);
    showCount(*warnings_, tr("%n warnings", nullptr, static_cast<int>(marks.warnings)), marks.warnings);
    setVisible(!marks.marked.empty());
}

QString MarksLine::text() const {
    QStringList lines;
    for (const StyledLabel* label : {failures_, skipped_, warnings_}) {
        if (!label->isHidden()) lines << label->text();
    }
    return lines.join(QLatin1Char('\n'));
}

void MarksLine::applyColors() {
    const QColor text = palette().color(QPalette::Active, QPalette::ButtonText);
    const QColor disabled = palette().color(QPalette::Disabled, QPalette::ButtonText);
    previous_->setIcon(tintedSymbolIcon("chevron.up", text, disabled));
    next_->setIcon(tintedSymbolIcon("chevron.down", text, disabled));
}

void MarksLine::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) applyColors();
}

}  // namespace vellumix::ui
