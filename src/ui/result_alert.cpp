#include "ui/result_alert.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/symbol_icons.h"
#include "ui/wrapped_lines.h"

namespace vellumix::ui {

namespace {

constexpr int kIconSize = 64;
// The list shows at most this many lines at once and scrolls for the others.
constexpr int kMostVisibleLines = 16;
// The list is as wide as its widest first lines, within these bounds (in
// average characters); longer lines wrap.
constexpr int kNarrowestChars = 40;
constexpr int kWidestChars = 80;
constexpr int kMeasuredLines = 100;

// A read-only text area that asks for a size chosen from its first lines.
class MessageList : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    QSize sizeHint() const override { return hint_; }
    void setSizeHint(QSize hint) {
        hint_ = hint;
        updateGeometry();
    }

    // The space around the text: the frame and the document's margins.
    QSize chrome() const {
        const int margin = static_cast<int>(document()->documentMargin());
        // QPlainTextEdit keeps one more pixel below the last line.
        return QSize(2 * (frameWidth() + margin) + verticalScrollBar()->sizeHint().width(),
                     2 * (frameWidth() + margin) + 1);
    }

private:
    QSize hint_;
};

// The lines that `text` takes in `font` when wrapped to `width` as the list
// wraps it, and their height.
struct Wrapped {
    int lines = 0;
    qreal height = 0;
};
Wrapped wrapped(const QString& text, const QFont& font, qreal width) {
    Wrapped result;
    forEachWrappedLine(text, font, width, [&result](const QTextLine& line) {
        ++result.lines;
        result.height += line.height();
    });
    return result;
}

// The width of `list`'s text: that of its widest first lines, within bounds.
int firstLinesWidth(const QPlainTextEdit& list) {
    const QFontMetrics metrics(list.font());
    int widest = 0;
    int measured = 0;
    for (QTextBlock block = list.document()->begin(); block.isValid() && measured < kMeasuredLines;
         block = block.next(), ++measured) {
        widest = std::max(widest, metrics.horizontalAdvance(block.text()));
    }
    return std::clamp(widest, kNarrowestChars * metrics.averageCharWidth(),
                      kWidestChars * metrics.averageCharWidth());
}

// Lays out `dialog` anew, so that its size hint follows its children's.
void relayout(QDialog& dialog) {
    dialog.layout()->invalidate();
    dialog.layout()->activate();
}

// Where a window beside `parent` may lie: its screen's available area less the
// frame that the window manager puts around windows (as around `parent`'s).
QSize roomBeside(const QWidget* parent) {
    const QWidget* window = parent ? parent->window() : nullptr;
    const QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
    QSize room = screen ? screen->availableGeometry().size() : QSize(640, 480);
    if (window) room -= window->frameGeometry().size() - window->geometry().size();
    return room;
}

}  // namespace

QIcon outcomeIcon(const QStyle& style, bool anyFailed) {
    // The desktop's icon theme first, as its own dialogs show them; the
    // style's drawing where the theme has none.
    return QIcon::fromTheme(
        anyFailed ? QStringLiteral("dialog-warning") : QStringLiteral("dialog-information"),
        style.standardIcon(anyFailed ? QStyle::SP_MessageBoxWarning
                                     : QStyle::SP_MessageBoxInformation));
}

namespace {

// Lines one after another, as a list shows them.
QString joinedLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 1;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        if (&line != &lines.front()) text += '\n';
        text += line;
    }
    return QString::fromStdString(text);
}

// A read-only, selectable list of `lines`, wrapped as `wrap` says.
MessageList* lineList(QWidget* parent, const QString& name, QTextOption::WrapMode wrap,
                      const std::vector<std::string>& lines, const QString& accessibleName) {
    auto* list = new MessageList(parent);
    list->setObjectName(name);
    list->setReadOnly(true);
    list->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    list->setWordWrapMode(wrap);
    list->setUndoRedoEnabled(false);
    list->setPlainText(joinedLines(lines));
    list->setAccessibleName(accessibleName);
    return list;
}

}  // namespace

ResultAlert::ResultAlert(const ResultReport& report, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("resultAlert"));
    setWindowTitle(tr("Result"));
    const bool hasFailures = !report.failureHeading.empty();

    // The platform's own sign of how the batch went: information when every
    // file was renamed, a warning when any failed or was not attempted.
    icon_ = new QLabel(this);
    QLabel* icon = icon_;
    icon->setObjectName(QStringLiteral("resultIcon"));
    icon->setPixmap(outcomeIcon(*style(), hasFailures || !report.cancelNote.empty())
                        .pixmap(QSize(kIconSize, kIconSize), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignTop);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("resultSummary"));
    summary_->setTextFormat(Qt::PlainText);
    QString counts = QString::fromStdString(report.summary);
    if (!report.cancelNote.empty()) counts += QLatin1Char('\n') + QString::fromStdString(report.cancelNote);
    if (hasFailures) counts += QLatin1Char('\n') + QString::fromStdString(report.failureHeading);
    summary_->setText(counts);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    if (!report.moveLines.empty()) {
        moveLines_ = report.moveLines;
        detailsButton_ = buttons->addButton(tr("Show Details\u2026"), QDialogButtonBox::ActionRole);
        detailsButton_->setObjectName(QStringLiteral("resultDetailsButton"));
        detailsButton_->setAutoDefault(false);
        connect(detailsButton_, &QPushButton::clicked, this, &ResultAlert::toggleMoves);
    }

    auto* column = new QVBoxLayout;
    column_ = column;
    column->addWidget(summary_);
    if (hasFailures) {
        // Read out under the line that announces it ("❌ 3 error(s):").
        details_ = lineList(this, QStringLiteral("resultDetails"),
                            QTextOption::WrapAtWordBoundaryOrAnywhere, report.failureLines,
                            QString::fromStdString(report.failureHeading));
        column->addWidget(details_, 1);
    }
    column->addWidget(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addLayout(column, 1);

    if (details_) fitToScreen();
    ok_->setFocus();
}

void ResultAlert::toggleMoves() {
    if (!moves_) {
        MessageList* list =
            lineList(this, QStringLiteral("resultMoves"), QTextOption::NoWrap, moveLines_,
                     tr("Every file renamed, with its old and new name"));
        moves_ = list;
        moveLines_ = {};
        list->setSizeHint(QSize(
            firstLinesWidth(*list) + list->chrome().width(),
            kMostVisibleLines / 2 * QFontMetrics(list->font()).lineSpacing() + list->chrome().height()));
        moves_->hide();
        column_->insertWidget(column_->count() - 1, moves_, 1);
    }
    const bool show = moves_->isHidden();
    moves_->setVisible(show);
    detailsButton_->setText(show ? tr("Hide Details\u2026") : tr("Show Details\u2026"));
    relayout(*this);
    resize(sizeHint().boundedTo(roomBeside(parentWidget())));
    keepOnScreen();
}

QString ResultAlert::text() const {
    if (!details_) return summary_->text();
    return summary_->text() + QLatin1Char('\n') + details_->toPlainText();
}

void ResultAlert::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on a window that stands partly off screen, the dialog would too.
    keepOnScreen();
}

void ResultAlert::keepOnScreen() {
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        const QRect frame = frameGeometry();
        move(std::clamp(frame.left(), room.left(),
                        std::max(room.left(), room.right() - frame.width() + 1)),
             std::clamp(frame.top(), room.top(),
                        std::max(room.top(), room.bottom() - frame.height() + 1)));
    }
}

void ResultAlert::fitToScreen() {
    auto* list = static_cast<MessageList*>(details_);
    const QSize room = roomBeside(parentWidget());
    const QSize chrome = list->chrome();
    const QFontMetrics metrics(list->font());

    // As wide as the widest of the first lines, within bounds and on screen.
    const QTextDocument& document = *list->document();
    int textWidth = firstLinesWidth(*list);
    list->setSizeHint(QSize(textWidth + chrome.width(), metrics.lineSpacing() + chrome.height()));
    relayout(*this);
    textWidth = std::max(metrics.averageCharWidth(),
                         textWidth - std::max(0, sizeHint().width() - room.width()));

    // As tall as the first lines, wrapped, up to a bound.
    int lines = 0;
    qreal height = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const Wrapped wrap = wrapped(block.text(), list->font(), textWidth);
        lines += wrap.lines;
        height += wrap.height;
        if (lines >= kMostVisibleLines) {
            height = height * kMostVisibleLines / lines;
            break;
        }
    }
    list->setSizeHint(
        QSize(textWidth + chrome.width(), static_cast<int>(std::ceil(height)) + chrome.height()));
    relayout(*this);
    resize(sizeHint().boundedTo(room));
}

}  // namespace vellumix::ui
