// Vellumix: starts the application in its one window.
//
// Paths given on the command line (by the desktop's "Open with" or a file
// manager's service menu) enter the list like items dropped on it; see
// ui/command_line.h.
#include <QApplication>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "ui/appearance.h"
#include "ui/command_line.h"
#include "ui/content_view.h"
#include "ui/failure_wording.h"
#include "ui/file_list_view.h"
#include "ui/main_window.h"
#include "ui/translations.h"

namespace {

std::optional<std::filesystem::path> workingDirectory() {
    std::error_code error;
    std::filesystem::path directory = std::filesystem::current_path(error);
    if (error) return std::nullopt;
    return directory;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (std::optional<int> status = vellumix::ui::answerWithoutWindow(argc, argv)) return *status;

    QApplication app(argc, argv);
    vellumix::ui::setUpApplication(app);
    // Before the command line is answered: its warnings speak the user's language too.
    vellumix::ui::installTranslators(app);
    vellumix::ui::installFailureWording();

    // QApplication has taken its own options out of argv.
    const vellumix::ui::CommandLine commandLine = vellumix::ui::readCommandLine(
        std::vector<std::string>(argv, argv + argc), workingDirectory());
    if (std::optional<int> status = vellumix::ui::answer(commandLine)) return *status;

    vellumix::ui::followDesktopColorScheme(app);

    vellumix::ui::MainWindow window;
    window.show();
    window.content()->fileList()->addPaths(commandLine.paths);

    return app.exec();
}
