#include "engine/failure_text.h"

#include <atomic>
#include <system_error>

// Marks a template for the translators' tools, which read the mark in this
// file; to the compiler it is the text itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace vellumix {
namespace {

std::atomic<FailureTranslation> installedTranslation{nullptr};

// Whether the "%1" of `kind`'s sentence is the name the file was to get
// (rather than its current name).
bool speaksOfNewName(FailureKind kind) {
    return kind == FailureKind::alreadyExists || kind == FailureKind::reservedName ||
           kind == FailureKind::nameNotOnDrive;
}

}  // namespace

const char* failureTemplate(FailureKind kind) {
    switch (kind) {
        case FailureKind::alreadyExists:
            return QT_TRANSLATE_NOOP("FailureText", "\u201C%1\u201D already exists.");
        case FailureKind::noLongerExists:
            return QT_TRANSLATE_NOOP("FailureText", "\u201C%1\u201D no longer exists.");
        case FailureKind::permissionDenied:
            return QT_TRANSLATE_NOOP("FailureText",
                                     "You don't have permission to rename \u201C%1\u201D.");
        case FailureKind::readOnly:
            return QT_TRANSLATE_NOOP("FailureText",
                                     "\u201C%1\u201D is on a read-only file system.");
        case FailureKind::nameTooLong:
            return QT_TRANSLATE_NOOP("FailureText", "The new name is too long.");
        case FailureKind::noSpace:
            return QT_TRANSLATE_NOOP(
                "FailureText", "There isn't enough space on the disk to rename \u201C%1\u201D.");
        case FailureKind::inUse:
            return QT_TRANSLATE_NOOP("FailureText", "\u201C%1\u201D is in use.");
        case FailureKind::otherFileSystem:
            return QT_TRANSLATE_NOOP("FailureText",
                                     "\u201C%1\u201D can't be moved to another file system.");
        case FailureKind::diskError:
            return QT_TRANSLATE_NOOP("FailureText",
                                     "A disk error occurred while renaming \u201C%1\u201D.");
        case FailureKind::emptyName:
            return QT_TRANSLATE_NOOP("FailureText", "A name can't be empty.");
        case FailureKind::nameWithSlash:
            return QT_TRANSLATE_NOOP("FailureText", "A name can't contain \u201C/\u201D.");
        case FailureKind::nameWithNull:
            return QT_TRANSLATE_NOOP("FailureText", "A name can't contain a null character.");
        case FailureKind::reservedName:
            return QT_TRANSLATE_NOOP("FailureText", "\u201C%1\u201D can't be used as a name.");
        case FailureKind::nameNotOnDrive:
            return QT_TRANSLATE_NOOP("FailureText",
                                     "\u201C%1\u201D can't be used as a name on this drive.");
        case FailureKind::replaced:
            return QT_TRANSLATE_NOOP("FailureText",
                                     "\u201C%1\u201D has been replaced by another file.");
        case FailureKind::driveGone:
            return QT_TRANSLATE_NOOP(
                "FailureText", "\u201C%1\u201D couldn't be renamed: the drive is no longer reachable.");
        case FailureKind::leftUnderTemporaryName:
            return QT_TRANSLATE_NOOP(
                "FailureText",
                "\u201C%1\u201D couldn't be renamed and is now named \u201C%2\u201D, in the same folder.");
        case FailureKind::other:
            break;
    }
    return QT_TRANSLATE_NOOP("FailureText", "\u201C%1\u201D couldn't be renamed (%2).");
}

std::string fillInFailure(const std::string& sentenceTemplate, const Failure& failure) {
    const std::string& first = speaksOfNewName(failure.kind) ? failure.newName : failure.name;
    // std::generic_category's description is thread-safe, unlike strerror.
    const std::string second = failure.kind == FailureKind::other
                                   ? std::generic_category().message(failure.error)
                                   : failure.leftAs;
    std::string text;
    text.reserve(sentenceTemplate.size() + first.size() + second.size());
    for (std::size_t i = 0; i < sentenceTemplate.size(); ++i) {
        const char next = i + 1 < sentenceTemplate.size() ? sentenceTemplate[i + 1] : '\0';
        if (sentenceTemplate[i] == '%' && (next == '1' || next == '2')) {
            text += next == '1' ? first : second;
            ++i;
        } else {
            text += sentenceTemplate[i];
        }
    }
    return text;
}

std::string englishFailureText(const Failure& failure) {
    return fillInFailure(failureTemplate(failure.kind), failure);
}

void setFailureTranslation(FailureTranslation translation) {
    installedTranslation.store(translation);
}

std::string translatedTemplate(const char* englishTemplate) {
    const FailureTranslation translation = installedTranslation.load();
    return translation == nullptr ? std::string(englishTemplate) : translation(englishTemplate);
}

std::string failureText(const Failure& failure) {
    return fillInFailure(translatedTemplate(failureTemplate(failure.kind)), failure);
}

}  // namespace vellumix
