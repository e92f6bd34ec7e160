// The program's command line: `vellumix [options] [FILE...]`.
//
// Options are read with QCommandLineParser (-h/--help, --help-all,
// -v/--version; Qt's own options such as -style are taken out of argv by
// QApplication first). Every other argument names a file or folder that enters
// the list as if it had been dropped on the window. Paths are kept as the bytes
// they were given in, so that a name that is not valid UTF-8 still reaches the
// file system unchanged: QCommandLineParser only decides what is an option.
//
// Example: in /home/ana/photos, `vellumix a.jpg ../notes/ gone.txt`, with
// gone.txt missing, gives paths {"/home/ana/photos/a.jpg", "/home/ana/notes"}
// and missing {"gone.txt"}.
#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vellumix::ui {

struct CommandLine {
    enum class Action {
        openWindow,              // show the window with `paths` in its list
        printHelp,               // print `message` on standard output, exit 0
        printVersion,            // print `message` on standard output, exit 0
        printHelpWithQtOptions,  // --help-all: the help with Qt's own options, exit 0
        fail,                    // print `message` on standard error, exit 1
    };

    Action action = Action::openWindow;
    QString message;
    // Arguments that name an existing file or folder (a dangling symbolic link
    // too), as absolute paths in bytes, in the order given.
    std::vector<std::string> paths;
    // Arguments that name nothing, as given; they are left out of the list.
    std::vector<std::string> missing;
};

// Reads the arguments (arguments[0] is the program) as the program would.
// Relative paths are resolved against `workingDirectory`; with no working
// directory (it was removed) they count as missing. Needs a
// QCoreApplication for the program name in the help text.
[[nodiscard]] CommandLine readCommandLine(
    const std::vector<std::string>& arguments,
    const std::optional<std::filesystem::path>& workingDirectory);

// The absolute form of one path argument, or nothing when it names nothing.
// Dot components are resolved in the folder part only, by the file system, so
// that "../x" means what the shell means and a symbolic link named last stays
// a link: "a/./b" -> "<cwd>/a/b", "photos/" -> "<cwd>/photos",
// "." -> "<cwd>".
[[nodiscard]] std::optional<std::string> resolvePath(
    const std::string& argument, const std::optional<std::filesystem::path>& workingDirectory);

// Prints what `commandLine` asks to print and returns the exit status; for
// openWindow prints a warning for each missing path and returns nothing.
// printHelpWithQtOptions ends the program itself (only the parser's own
// processing knows Qt's options). Needs a QCoreApplication.
std::optional<int> answer(const CommandLine& commandLine);

// Answers --help (in the user's language) and --version before any window
// system is started, so that they work without a display: returns the exit
// status when the command line asks for one of them, else nothing. Call before
// the QApplication is made.
std::optional<int> answerWithoutWindow(int argc, char* argv[]);

}  // namespace vellumix::ui
