#include "ui/failure_wording.h"

#include <QCoreApplication>
#include <QString>
#include <string>
#include <system_error>

#include "engine/failure_text.h"

namespace vellumix::ui {
namespace {

// The English sentence of each kind, as the translations know it, and whether
// its %1 is the file's current name or the name it was to get.
struct Wording {
    const char* sentence;
    bool speaksOfNewName = false;
};

Wording wordingOf(FailureKind kind) {
    switch (kind) {
        case FailureKind::alreadyExists:
            return {QT_TRANSLATE_NOOP("FailureText", "\u201C%1\u201D already exists."), true};
        case FailureKind::noLongerExists:
            return {QT_TRANSLATE_NOOP("FailureText", "\u201C%1\u201D no longer exists.")};
        case FailureKind::permissionDenied:
            return {QT_TRANSLATE_NOOP("FailureText",
                                      "You don't have permission to rename \u201C%1\u201D.")};
        case FailureKind::readOnly:
            return {
                QT_TRANSLATE_NOOP("FailureText", "\u201C%1\u201D is on a read-only file system.")};
        case FailureKind::nameTooLong:
            return {QT_TRANSLATE_NOOP("FailureText", "The new name is too long.")};
        case FailureKind::noSpace:
            return {QT_TRANSLATE_NOOP(
                "FailureText", "There isn't enough space on the disk to rename \u201C%1\u201D.")};
        case FailureKind::inUse:
            return {QT_TRANSLATE_NOOP("FailureText", "\u201C%1\u201D is in use.")};
        case FailureKind::otherFileSystem:
            return {QT_TRANSLATE_NOOP("FailureText",
                                      "\u201C%1\u201D can't be moved to another file system.")};
        case FailureKind::diskError:
            return {QT_TRANSLATE_NOOP("FailureText",
                                      "A disk error occurred while renaming \u201C%1\u201D.")};
        case FailureKind::emptyName:
            return {QT_TRANSLATE_NOOP("FailureText", "A name can't be empty.")};
        case FailureKind::nameWithSlash:
            return {QT_TRANSLATE_NOOP("FailureText", "A name can't contain \u201C/\u201D.")};
        case FailureKind::nameWithNull:
            return {QT_TRANSLATE_NOOP("FailureText", "A name can't contain a null character.")};
        case FailureKind::reservedName:
            return {QT_TRANSLATE_NOOP("FailureText", "\u201C%1\u201D can't be used as a name."),
                    true};
        case FailureKind::nameNotOnDrive:
            return {QT_TRANSLATE_NOOP("FailureText",
                                      "\u201C%1\u201D can't be used as a name on this drive."),
                    true};
        case FailureKind::other:
            break;
    }
    return {QT_TRANSLATE_NOOP("FailureText", "\u201C%1\u201D couldn't be renamed (%2).")};
}

// `sentence` with each %1 replaced by `first` and each %2 by `second`, in one
// pass over the bytes: the names go in exactly as they are (whatever their
// encoding), and a "%2" inside a name stays as it is.
std::string fillIn(const std::string& sentence, const std::string& first,
                   const std::string& second) {
    std::string text;
    text.reserve(sentence.size() + first.size() + second.size());
    for (std::size_t i = 0; i < sentence.size(); ++i) {
        const char next = i + 1 < sentence.size() ? sentence[i + 1] : '\0';
        if (sentence[i] == '%' && (next == '1' || next == '2')) {
            text += next == '1' ? first : second;
            ++i;
        } else {
            text += sentence[i];
        }
    }
    return text;
}

// The sentence of `failure` in the installed language. QCoreApplication::translate
// is thread-safe; so is the system's description of the error (unlike strerror).
std::string translatedFailureText(const Failure& failure) {
    const Wording wording = wordingOf(failure.kind);
    const std::string sentence =
        QCoreApplication::translate("FailureText", wording.sentence).toStdString();
    const std::string reason =
        failure.kind == FailureKind::other ? std::generic_category().message(failure.error) : "";
    return fillIn(sentence, wording.speaksOfNewName ? failure.newName : failure.name, reason);
}

}  // namespace

void installFailureWording() {
    setFailureWording(&translatedFailureText);
}

}  // namespace vellumix::ui
