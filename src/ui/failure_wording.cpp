#include "ui/failure_wording.h"

#include <QCoreApplication>
#include <QString>
#include <cstring>
#include <string>

#include "engine/failure_text.h"

namespace vellumix::ui {
namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The sentence of `failure` in the installed language. Names are shown byte for
// byte as the engine gives them; QCoreApplication::translate is thread-safe.
std::string translatedFailureText(const Failure& failure) {
    const auto tr = [](const char* sentence) {
        return QCoreApplication::translate("FailureText", sentence);
    };
    const QString name = text(failure.name);
    const QString newName = text(failure.newName);
    QString sentence;
    switch (failure.kind) {
        case FailureKind::alreadyExists:
            sentence = tr("\u201C%1\u201D already exists.").arg(newName);
            break;
        case FailureKind::noLongerExists:
            sentence = tr("\u201C%1\u201D no longer exists.").arg(name);
            break;
        case FailureKind::permissionDenied:
            sentence = tr("You don't have permission to rename \u201C%1\u201D.").arg(name);
            break;
        case FailureKind::readOnly:
            sentence = tr("\u201C%1\u201D is on a read-only file system.").arg(name);
            break;
        case FailureKind::nameTooLong:
            sentence = tr("The new name is too long.");
            break;
        case FailureKind::noSpace:
            sentence =
                tr("There isn't enough space on the disk to rename \u201C%1\u201D.").arg(name);
            break;
        case FailureKind::inUse:
            sentence = tr("\u201C%1\u201D is in use.").arg(name);
            break;
        case FailureKind::otherFileSystem:
            sentence = tr("\u201C%1\u201D can't be moved to another file system.").arg(name);
            break;
        case FailureKind::diskError:
            sentence = tr("A disk error occurred while renaming \u201C%1\u201D.").arg(name);
            break;
        case FailureKind::emptyName:
            sentence = tr("A name can't be empty.");
            break;
        case FailureKind::nameWithSlash:
            sentence = tr("A name can't contain \u201C/\u201D.");
            break;
        case FailureKind::nameWithNull:
            sentence = tr("A name can't contain a null character.");
            break;
        case FailureKind::reservedName:
            sentence = tr("\u201C%1\u201D can't be used as a name.").arg(newName);
            break;
        case FailureKind::nameNotOnDrive:
            sentence = tr("\u201C%1\u201D can't be used as a name on this drive.").arg(newName);
            break;
        case FailureKind::other:
            // The system's own description, in the language of the C library.
            sentence = tr("\u201C%1\u201D couldn't be renamed (%2).")
                           .arg(name, QString::fromLocal8Bit(std::strerror(failure.error)));
            break;
    }
    return sentence.toStdString();
}

}  // namespace

void installFailureWording() {
    setFailureWording(&translatedFailureText);
}

}  // namespace vellumix::ui
