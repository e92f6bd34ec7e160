// The command line: options, paths resolved and kept as bytes, and the paths
// entering the window's list like dropped items.
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

QString describe(const Strings& strings) {
    QStringList quoted;
    for (const std::string& s : strings)
        quoted << "\"" + QString::fromLocal8Bit(s.c_str()) + "\"";
    return "{" + quoted.join(", ") + "}";
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
            {"--version", {"--version"}, Action::printVersion, version},
            {"-v", {"-v"}, Action::printVersion, version},
            {"--version after a path", {"a.txt", "--version"}, Action::printVersion, version},
            {"--help", {"--help"}, Action::printHelp, "[FILE...]"},
            {"-h", {"-h"}, Action::printHelp, "--version"},
            {"--help-all", {"--help-all"}, Action::printHelpWithQtOptions, ""},
            {"unknown long option", {"--bogus"}, Action::fail, "vellumix: Unknown option 'bogus'."},
            {"unknown short option", {"-x", "a.txt"}, Action::fail, "'x'"},
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
        const std::string r = box.root();
        const std::string latin1Name = "caf\xE9.txt";  // not valid UTF-8
        for (const char* name :
             {"a.txt", "caf\xE9.txt", "--version", "-", "deep/a.txt", "photos/b.jpg"})
            box.write(name);
        box.makeDir("other");
        box.makeDir("deep/inner");
        fs::create_symlink(r + "/gone", r + "/dangling");
        fs::create_directory_symlink(r + "/photos", r + "/photos-link");
        fs::create_directory_symlink(r + "/deep/inner", r + "/inner-link");

        struct Case {
            const char* name;
            Strings arguments;
            Strings paths;
            Strings missing;
        };
        const Case cases[] = {
            {"relative file", {"a.txt"}, {r + "/a.txt"}, {}},
            {"absolute file", {r + "/a.txt"}, {r + "/a.txt"}, {}},
            {"name that is not UTF-8", {latin1Name}, {r + "/" + latin1Name}, {}},
            {"folder with trailing slash", {"photos/"}, {r + "/photos"}, {}},
            {"dot segments", {"./photos/./b.jpg"}, {r + "/photos/b.jpg"}, {}},
            {"parent segment", {"other/../a.txt"}, {r + "/a.txt"}, {}},
            {"the working folder itself", {"."}, {r}, {}},
            {"a parent reached through a link is the link target's parent",
             {"inner-link/../a.txt"},
             {fs::canonical(r).native() + "/deep/a.txt"},
             {}},
            {"a link named last stays a link", {"photos-link"}, {r + "/photos-link"}, {}},
            {"dangling link is an entry", {"dangling"}, {r + "/dangling"}, {}},
            {"missing file", {"nothing.txt", "a.txt"}, {r + "/a.txt"}, {"nothing.txt"}},
            {"file used as a folder", {"a.txt/"}, {}, {"a.txt/"}},
            {"empty argument", {""}, {}, {""}},
            {"after --, dashes are names",
             {"--", "--version", "-"},
             {r + "/--version", r + "/-"},
             {}},
            {"a second -- is a name", {"--", "--"}, {}, {"--"}},
            {"order kept, duplicates kept",
             {"photos", "a.txt", "photos"},
             {r + "/photos", r + "/a.txt", r + "/photos"},
             {}},
        };
        for (const Case& c : cases) {
            const CommandLine line = readCommandLine(argv(c.arguments), fs::path(r));
            QVERIFY2(line.action == Action::openWindow, c.name);
            QVERIFY2(line.paths == c.paths,
                     qPrintable(QStringLiteral("%1: paths %2").arg(c.name, describe(line.paths))));
            QVERIFY2(
                line.missing == c.missing,
                qPrintable(QStringLiteral("%1: missing %2").arg(c.name, describe(line.missing))));
        }

        // Without a working folder only absolute paths can be found.
        const CommandLine homeless = readCommandLine(argv({"a.txt", r + "/a.txt"}), std::nullopt);
        QCOMPARE(homeless.paths, Strings{r + "/a.txt"});
        QCOMPARE(homeless.missing, Strings{"a.txt"});
    }

    // Each path on its own, in the order given; a folder's visible files as
    // one sorted batch, without its hidden file and its subfolder.
    void pathsEnterTheListLikeDroppedItems() {
        TestWindow w;
        const std::string r = w.files.root();
        const std::string latin1Name = "caf\xE9.txt";
        for (const char* name : {"caf\xE9.txt", "notes.md", "trip/b.jpg", "trip/a.jpg",
                                 "trip/.hidden.jpg", "trip/raw/c.jpg"})
            w.files.write(name);
        const CommandLine line =
            readCommandLine(argv({"notes.md", "missing.txt", "trip", latin1Name}), fs::path(r));
        QCOMPARE(line.missing, Strings{"missing.txt"});

        w.view().fileList()->addPaths(line.paths);
        settle();
        Strings listed;
        for (const FileItem& item : w.vm().files())
            listed.push_back(item.url.path());
        QCOMPARE(listed, (Strings{r + "/notes.md", r + "/trip/a.jpg", r + "/trip/b.jpg",
                                  r + "/" + latin1Name}));
        QCOMPARE(w.vm().files().back().currentName(), latin1Name);
    }
};

VELLUMIX_UI_TEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
