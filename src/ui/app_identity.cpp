#include "ui/app_identity.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace vellumix::ui {

QString applicationName() {
    return QStringLiteral("vellumix");
}

QString applicationDisplayName() {
    return QStringLiteral("Vellumix");
}

QString applicationVersion() {
    return QStringLiteral(VELLUMIX_VERSION);
}

QString applicationId() {
    return QStringLiteral("org.vellumix.Vellumix");
}

void applyApplicationIdentity() {
    QCoreApplication::setApplicationName(applicationName());
    QCoreApplication::setApplicationVersion(applicationVersion());
    QGuiApplication::setApplicationDisplayName(applicationDisplayName());
    QGuiApplication::setDesktopFileName(applicationId());
}

}  // namespace vellumix::ui
