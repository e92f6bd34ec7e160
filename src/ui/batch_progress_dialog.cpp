#include "ui/batch_progress_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/text_styles.h"
#include "viewmodel/rename_view_model.h"

namespace vellumix::ui {

namespace {

constexpr int kShowAfterMs = 500;
constexpr int kTickMs = 100;
constexpr qint64 kStalledAfterMs = 5000;
constexpr int kWidth = 420;

// The user's input that could change the list or the rules, or start another batch.
bool isInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::Shortcut:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

}  // namespace

BatchProgressDialog::BatchProgressDialog(RenameViewModel& vm, const QString& title,
                                         QWidget* window)
    : QDialog(window), vm_(vm), window_(window) {
    setObjectName(QStringLiteral("batchProgress"));
    setWindowTitle(title);
    setWindowModality(Qt::WindowModal);
    setMinimumWidth(kWidth);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("batchCount"));
    name_ = new StyledLabel(QString(), TextStyle::callout, QFont::Normal, Foreground::secondary, this);
    name_->setObjectName(QStringLiteral("batchFile"));
    name_->setTextFormat(Qt::PlainText);
    name_->setMinimumWidth(kWidth - 40);
    stall_ = new StyledLabel(tr("The drive is not answering."), TextStyle::callout, QFont::Normal,
                             SystemColor::amber, this);
    stall_->setObjectName(QStringLiteral("batchStalled"));
    stall_->hide();
    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &BatchProgressDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(count_);
    layout->addWidget(name_);
    layout->addWidget(bar_);
    layout->addWidget(stall_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    qApp->installEventFilter(this);
    sinceStart_.start();
    sinceMove_.start();
    connect(&ticks_, &QTimer::timeout, this, &BatchProgressDialog::refresh);
    ticks_.start(kTickMs);
    refresh();
}

BatchProgressDialog::~BatchProgressDialog() {
    qApp->removeEventFilter(this);
}

void BatchProgressDialog::refresh() {
    const std::optional<RenameViewModel::BatchStatus> status = vm_.batchStatus();
    if (!status) return;
    if (status->started != lastStarted_) {
        lastStarted_ = status->started;
        sinceMove_.restart();
    }
    const int total = static_cast<int>(std::max<std::int64_t>(status->total, 1));
    bar_->setRange(0, total);
    bar_->setValue(static_cast<int>(std::min<std::int64_t>(status->started, total)));
    if (status->cancelled) {
        count_->setText(tr("Stopping before the next file\u2026"));
        cancel_->setEnabled(false);
    } else {
        count_->setText(tr("Renaming %L1 of %L2\u2026")
                            .arg(static_cast<qlonglong>(std::max<std::int64_t>(status->started, 1)))
                            .arg(static_cast<qlonglong>(status->total)));
    }
    const QString name = QString::fromStdString(status->currentName);
    name_->setText(name_->fontMetrics().elidedText(name, Qt::ElideMiddle, name_->minimumWidth()));
    name_->setToolTip(name);
    stall_->setVisible(sinceMove_.elapsed() >= kStalledAfterMs);
    if (!isVisible() && sinceStart_.elapsed() >= kShowAfterMs) open();
}

void BatchProgressDialog::reject() {
    vm_.cancelBatch();
    refresh();
}

bool BatchProgressDialog::eventFilter(QObject* watched, QEvent* event) {
    if (!isInput(event->type())) return false;
    // Escape asks to stop, also before the dialog shows.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && (widget == this || isAncestorOf(widget))) return false;
    // The window's widgets, and the shortcuts of its menus, wait for the batch.
    return event->type() == QEvent::Shortcut || (widget != nullptr && widget->window() == window_);
}

}  // namespace vellumix::ui
