#include "ui/about_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/accessibility.h"
#include "ui/app_identity.h"
#include "ui/palette_colors.h"
#include "ui/symbol_icons.h"
#include "ui/text_styles.h"

namespace vellumix::ui {

namespace {

constexpr int kIconSize = 96;
constexpr int kCreditPixelSize = 12;
const char* const kWebSite = "https://vellumix.org";
const char* const kWebHost = "vellumix.org";

QFont creditFont() {
    QFont font = QApplication::font();
    font.setPixelSize(kCreditPixelSize);
    return font;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Vellumix"));

    auto* icon = new QLabel(this);
    icon->setPixmap(applicationIcon().pixmap(QSize(kIconSize, kIconSize), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignCenter);
    name_ = new StyledLabel(applicationDisplayName(), TextStyle::title2, QFont::Bold,
                            Foreground::primary, this);
    version_ = new StyledLabel(tr("Version %1").arg(applicationVersion()), TextStyle::callout,
                               QFont::Normal, Foreground::secondary, this);
    auto* credit = new StyledLabel(tr("© 2026 The Vellumix developers"), TextStyle::body,
                                   QFont::Normal, Foreground::secondary, this);
    credit->setFont(creditFont());
    credit_ = credit;
    link_ = new QLabel(this);
    link_->setFont(creditFont());
    link_->setTextFormat(Qt::RichText);
    link_->setOpenExternalLinks(true);
    link_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    describe(*link_, tr("Web site %1").arg(QLatin1String(kWebHost)),
             tr("Opens the Vellumix web site in the web browser"));
    applyLinkText();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 16);
    layout->setSpacing(6);
    layout->addWidget(icon);
    layout->addSpacing(6);
    for (QLabel* label : {name_, version_, credit_, link_}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->insertSpacing(layout->indexOf(credit_), 10);
    layout->addSpacing(12);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutDialog::applyLinkText() {
    // The web line: a link in the same small secondary text as the credit line.
    // Rich text wants an opaque colour: the secondary level over the window.
    const QColor solid =
        composite(foreground(palette(), Foreground::secondary), palette().color(QPalette::Window));
    link_->setText(QStringLiteral("<a href=\"%1\" style=\"color: %2\">%3</a>")
                       .arg(QLatin1String(kWebSite), solid.name(), QLatin1String(kWebHost)));
}

void AboutDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) applyLinkText();
}

}  // namespace vellumix::ui
