// The command line: options, and paths resolved and kept as bytes.
#include <optional>

#include "ui/command_line.h"
#include "ui_test_support.h"

using namespace vellumix;
using namespace vellumix::ui;
using namespace vellumix::ui::testing;

using Action = CommandLine::Action;
using Strings = std::vector<std::string>;

namespace fs = std::filesystem;

namespace {

// The program's arguments, with argv[0] in front.
Strings argv(Strings arguments) {
    arguments.insert(arguments.begin(), "vellumix");
    return arguments;
}

// The paths and the missing arguments of `line`, the folder `root` written "~".
QString shown(const CommandLine& line, const std::string& root) {
    QStringList paths, missing;
    for (const std::string& path : line.paths)
        paths << QString::fromLocal8Bit(path.c_str()).replace(QString::fromStdString(root), "~");
    for (const std::string& argument : line.missing)
        missing << QString::fromLocal8Bit(argument.c_str());
    return paths.join(u' ') + " | " + missing.join(u' ');
}

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void optionsDecideWhatTheProgramDoes() {
        struct Case {
            const char* name;
            Strings arguments;
            Action action;
            QString message;  // contained in the message; the version is all of it
        };
        const QString version = QStringLiteral("vellumix " VELLUMIX_EXPECTED_VERSION "\n");
        const Case cases[] = {
            {"no argument", {}, Action::openWindow, ""},
            {"-v after a path", {"a.txt", "-v"}, Action::printVersion, version},
            {"--help", {"--help"}, Action::printHelp, "[FILE...]"},
            {"--help-all", {"--help-all"}, Action::printHelpWithQtOptions, ""},
            {"unknown long option", {"--bogus"}, Action::fail, "vellumix: Unknown option 'bogus'."},
            {"an option after -- is a path", {"--", "--version"}, Action::openWindow, ""},
        };
        for (const Case& c : cases) {
            const CommandLine line = readCommandLine(argv(c.arguments), fs::path("/"));
            QVERIFY2(line.action == c.action,
                     qPrintable(QStringLiteral("%1: action %2").arg(c.name).arg(int(line.action))));
            QVERIFY2(
                c.message == version ? line.message == version : line.message.contains(c.message),
                qPrintable(QStringLiteral("%1: message %2").arg(c.name, line.message)));
        }
    }

    void pathsAreAbsoluteBytesAndMissingOnesAreLeftOut() {
        Sandbox box;
        const std::string r = fs::canonical(box.root()).native();  // links resolve to it
        const std::string latin1Name = "caf\xE9.txt";              // not valid UTF-8
        for (const char* name : {"a.txt", "caf\xE9.txt", "--version", "-", "deep/a.txt",
                                 "deep/inner/x", "photos/b.jpg", "other/x"})
            box.write(name);
        fs::create_symlink(r + "/gone", r + "/dangling");
        fs::create_directory_symlink(r + "/photos", r + "/photos-link");
        fs::create_directory_symlink(r + "/deep/inner", r + "/inner-link");

        const std::pair<Strings, QString> cases[] = {
            {{r + "/a.txt"}, "~/a.txt | "},
            {{latin1Name}, "~/" + QString::fromLocal8Bit(latin1Name.c_str()) + " | "},
            {{"photos/"}, "~/photos | "},  // no trailing slash
            {{"./photos/./b.jpg", "other/../a.txt"}, "~/photos/b.jpg ~/a.txt | "},
            // A parent reached through a link is the link target's parent; a
            // link named last stays a link, also a dangling one.
            {{"inner-link/../a.txt", "photos-link", "dangling"},
             "~/deep/a.txt ~/photos-link ~/dangling | "},
            {{"nothing.txt", "a.txt", "a.txt/"}, "~/a.txt | nothing.txt a.txt/"},
            {{"--", "--version", "-"}, "~/--version ~/- | "},  // after --, dashes are names
            {{"photos", "a.txt", "photos"}, "~/photos ~/a.txt ~/photos | "},  // order, duplicates
        };
        for (const auto& [arguments, expected] : cases) {
            const CommandLine line = readCommandLine(argv(arguments), fs::path(r));
            QVERIFY(line.action == Action::openWindow);
            QCOMPARE(shown(line, r), expected);
        }

        // Without a working folder only absolute paths can be found.
        const CommandLine homeless = readCommandLine(argv({"a.txt", r + "/a.txt"}), std::nullopt);
        QCOMPARE(homeless.paths, Strings{r + "/a.txt"});
        QCOMPARE(homeless.missing, Strings{"a.txt"});
    }
};

VELLUMIX_UI_TEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
