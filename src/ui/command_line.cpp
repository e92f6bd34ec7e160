#include "ui/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <system_error>

#include "ui/app_identity.h"
#include "ui/translations.h"

namespace vellumix::ui {

namespace fs = std::filesystem;

namespace {

constexpr auto kHelpAll = QLatin1String("help-all");

struct Options {
    QCommandLineOption help;
    QCommandLineOption version;
};

Options describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "vellumix::ui::CommandLine", "Rename many files at once with a live preview."));
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("files"),
        QCoreApplication::translate("vellumix::ui::CommandLine",
                                    "Files and folders to put in the list. A folder adds the "
                                    "files directly inside it, without hidden ones."),
        QStringLiteral("[FILE...]"));
    return {help, version};
}

bool hasDotComponent(const fs::path& path) {
    return std::any_of(path.begin(), path.end(),
                       [](const fs::path& part) { return part == "." || part == ".."; });
}

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

std::optional<std::string> resolvePath(const std::string& argument,
                                       const std::optional<fs::path>& workingDirectory) {
    if (argument.empty()) return std::nullopt;
    fs::path path(argument);
    if (path.is_relative()) {
        if (!workingDirectory) return std::nullopt;
        path = *workingDirectory / path;
    }
    std::error_code error;
    // symlink_status: a link whose target is gone still names an entry.
    if (fs::symlink_status(path, error).type() == fs::file_type::not_found || error) {
        return std::nullopt;
    }

    // "photos/" names the folder photos (and a link to a folder stays that link).
    std::string text = path.native();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    path = fs::path(text);

    const fs::path name = path.filename();
    if (path == "/" || name == "." || name == "..") {
        // The path ends in a folder reached through dots: ask the file system.
        fs::path folder = fs::canonical(path, error);
        if (error) return std::nullopt;
        return folder.native();
    }
    // ".." follows the folder actually reached, as the kernel does; without
    // dots only doubled separators go.
    fs::path folder = path.parent_path();
    folder = hasDotComponent(folder) ? fs::canonical(folder, error) : folder.lexically_normal();
    if (error) return std::nullopt;
    return (folder / name).native();
}

CommandLine readCommandLine(const std::vector<std::string>& arguments,
                            const std::optional<fs::path>& workingDirectory) {
    QCommandLineParser parser;
    const Options options = describe(parser);

    // The parser sees decoded text and decides what is an option; the paths
    // themselves are taken from the bytes.
    QStringList decoded;
    decoded.reserve(static_cast<qsizetype>(arguments.size()));
    for (const std::string& argument : arguments) {
        decoded << QString::fromLocal8Bit(argument.data(), static_cast<qsizetype>(argument.size()));
    }

    CommandLine result;
    if (!parser.parse(decoded)) {
        result.action = CommandLine::Action::fail;
        result.message =
            QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), parser.errorText());
        return result;
    }
    if (parser.isSet(options.version)) {
        result.action = CommandLine::Action::printVersion;
        result.message = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion());
        return result;
    }
    if (parser.isSet(options.help)) {
        result.action = CommandLine::Action::printHelp;
        result.message = parser.helpText();
        return result;
    }
    if (parser.isSet(kHelpAll)) {
        result.action = CommandLine::Action::printHelpWithQtOptions;
        return result;
    }

    // Every known option ends the program, and an unknown one fails the parse:
    // what is left is the positional arguments and at most one "--" that ended
    // the options.
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (std::optional<std::string> path = resolvePath(argument, workingDirectory)) {
            result.paths.push_back(std::move(*path));
        } else {
            result.missing.push_back(argument);
        }
    }
    Q_ASSERT(result.paths.size() + result.missing.size() ==
             static_cast<std::size_t>(parser.positionalArguments().size()));
    return result;
}

std::optional<int> answer(const CommandLine& commandLine) {
    switch (commandLine.action) {
        case CommandLine::Action::openWindow:
            for (const std::string& argument : commandLine.missing) {
                print(stderr,
                      QCoreApplication::translate("vellumix::ui::CommandLine",
                                                  "%1: “%2” does not exist; left out.\n")
                          .arg(QCoreApplication::applicationName(),
                               QString::fromLocal8Bit(argument.data(),
                                                      static_cast<qsizetype>(argument.size()))));
            }
            return std::nullopt;
        case CommandLine::Action::printHelp:
        case CommandLine::Action::printVersion:
            print(stdout, commandLine.message);
            return 0;
        case CommandLine::Action::printHelpWithQtOptions: {
            // Only the parser's own processing lists Qt's options; it prints
            // the help and ends the program.
            QCommandLineParser parser;
            describe(parser);
            parser.process(
                QStringList{QCoreApplication::applicationName(), QStringLiteral("--help-all")});
            return 0;
        }
        case CommandLine::Action::fail:
            print(stderr, commandLine.message);
            return 1;
    }
    return 1;
}

std::optional<int> answerWithoutWindow(int argc, char* argv[]) {
    // The application object may take its own options out of the argv it is
    // given: give it a copy, so that QApplication later sees the original.
    std::vector<char*> coreArgv(argv, argv + argc);
    coreArgv.push_back(nullptr);
    int coreArgc = argc;
    QCoreApplication core(coreArgc, coreArgv.data());
    applyApplicationIdentity();
    // The help in the user's language, Qt's own lines ("Usage:") included.
    installTranslators(core);
    // Qt's window-system options (-style, -platform ...) are not known yet and
    // fail the parse here; such a command line is read again once QApplication
    // took them.
    const CommandLine commandLine = readCommandLine(
        std::vector<std::string>(coreArgv.begin(), coreArgv.begin() + coreArgc), std::nullopt);
    if (commandLine.action == CommandLine::Action::printHelp ||
        commandLine.action == CommandLine::Action::printVersion) {
        return answer(commandLine);
    }
    return std::nullopt;
}

}  // namespace vellumix::ui
