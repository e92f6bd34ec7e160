// The command line: options, paths resolved and kept as bytes, and the paths
// entering the window's list like dropped items.
#include <QTest>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/file_item.h"
#include "ui/command_line.h"
#include "ui/content_view.h"
#include "ui/file_list_view.h"
#include "ui/main_window.h"
#include "ui_test_support.h"
#include "viewmodel/rename_view_model.h"

using vellumix::ui::CommandLine;
using vellumix::ui::MainWindow;
using vellumix::ui::readCommandLine;
using vellumix::ui::testing::Sandbox;
using vellumix::ui::testing::settle;

namespace fs = std::filesystem;

namespace {

using Strings = std::vector<std::string>;

// The program's arguments, with argv[0] in front.
Strings argv(Strings arguments) {
    arguments.insert(arguments.begin(), "vellumix");
    return arguments;
}

const char* toString(CommandLine::Action action) {
    switch (action) {
        case CommandLine::Action::openWindow:
            return "openWindow";
        case CommandLine::Action::printHelp:
            return "printHelp";
        case CommandLine::Action::printVersion:
            return "printVersion";
        case CommandLine::Action::printHelpWithQtOptions:
            return "printHelpWithQtOptions";
        case CommandLine::Action::fail:
            return "fail";
    }
    return "?";
}

QString describe(const Strings& strings) {
    QStringList quoted;
    for (const std::string& s : strings)
        quoted << "\"" + QString::fromLocal8Bit(s.c_str()) + "\"";
    return "{" + quoted.join(", ") + "}";
}

// The names (bytes) of the files in the window's list, in list order.
Strings listedPaths(const MainWindow& window) {
    Strings paths;
    for (const vellumix::FileItem& item : window.content()->viewModel().files()) {
        paths.push_back(item.url.path());
    }
    return paths;
}

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void optionsDecideWhatTheProgramDoes() {
        struct Case {
            const char* name;
            Strings arguments;
            CommandLine::Action action;
            QString messageContains;
        };
        const QString version = QStringLiteral("vellumix " VELLUMIX_EXPECTED_VERSION "\n");
        const Case cases[] = {
            {"no argument", {}, CommandLine::Action::openWindow, ""},
            {"--version", {"--version"}, CommandLine::Action::printVersion, version},
            {"-v", {"-v"}, CommandLine::Action::printVersion, version},
            {"--version before a path",
             {"a.txt", "--version"},
             CommandLine::Action::printVersion,
             version},
            {"--help", {"--help"}, CommandLine::Action::printHelp, "[FILE...]"},
            {"-h", {"-h"}, CommandLine::Action::printHelp, "--version"},
            {"--help-all", {"--help-all"}, CommandLine::Action::printHelpWithQtOptions, ""},
            {"unknown long option",
             {"--bogus"},
             CommandLine::Action::fail,
             "vellumix: Unknown option 'bogus'."},
            {"unknown short option", {"-x", "a.txt"}, CommandLine::Action::fail, "'x'"},
            {"an option after -- is a path",
             {"--", "--version"},
             CommandLine::Action::openWindow,
             ""},
        };
        for (const Case& c : cases) {
            const CommandLine line = readCommandLine(argv(c.arguments), fs::path("/"));
            QVERIFY2(line.action == c.action,
                     qPrintable(QStringLiteral("%1: got %2").arg(c.name, toString(line.action))));
            QVERIFY2(line.message.contains(c.messageContains),
                     qPrintable(QStringLiteral("%1: message %2").arg(c.name, line.message)));
            if (c.messageContains == version) QVERIFY2(line.message == version, c.name);
        }
    }

    void pathsAreAbsoluteBytesAndMissingOnesAreLeftOut() {
        Sandbox box;
        QVERIFY(box.isValid());
        const fs::path root = fs::path(box.path("x")).parent_path();
        const std::string latin1Name = "caf\xE9.txt";  // not valid UTF-8
        box.write("a.txt");
        box.write(latin1Name);
        box.write("--version");
        box.write("-");
        box.makeDir("photos");
        box.write("photos/b.jpg");
        box.makeDir("other");
        fs::create_symlink(root / "gone", root / "dangling");
        fs::create_directory_symlink(root / "photos", root / "photos-link");
        box.makeDir("deep/inner");
        box.write("deep/a.txt");
        fs::create_directory_symlink(root / "deep/inner", root / "inner-link");

        const std::string r = root.native();
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
             {fs::canonical(root).native() + "/deep/a.txt"},
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
            const CommandLine line = readCommandLine(argv(c.arguments), root);
            QVERIFY2(line.action == CommandLine::Action::openWindow, c.name);
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

    void pathsEnterTheListLikeDroppedItems() {
        Sandbox box;
        QVERIFY(box.isValid());
        const fs::path root = fs::path(box.path("x")).parent_path();
        const std::string r = root.native();
        const std::string latin1Name = "caf\xE9.txt";
        box.write(latin1Name);
        box.write("notes.md");
        box.makeDir("trip");
        box.write("trip/b.jpg");
        box.write("trip/a.jpg");
        box.write("trip/.hidden.jpg");
        box.makeDir("trip/raw");
        box.write("trip/raw/c.jpg");

        const CommandLine line =
            readCommandLine(argv({"notes.md", "missing.txt", "trip", latin1Name}), root);
        QCOMPARE(line.missing, Strings{"missing.txt"});

        MainWindow window;
        window.show();
        window.content()->fileList()->addPaths(line.paths);
        settle();
        // Each path on its own, in the order given; the folder's visible files
        // as one sorted batch, without its hidden file and its subfolder.
        QCOMPARE(listedPaths(window), (Strings{r + "/notes.md", r + "/trip/a.jpg",
                                               r + "/trip/b.jpg", r + "/" + latin1Name}));
        QCOMPARE(window.content()->viewModel().files().back().currentName(), latin1Name);
    }
};

VELLUMIX_UI_TEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
