// Vellumix: starts the application in its one window.
//
// Paths given on the command line (by the desktop's "Open with" or a file
// manager's service menu) enter the list like items dropped on it.
#include <QApplication>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "ui/appearance.h"
#include "ui/content_view.h"
#include "ui/file_list_view.h"
#include "ui/main_window.h"
#include "ui/translations.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vellumix::ui::setUpApplication(app);
    vellumix::ui::installTranslators(app);
    vellumix::ui::followDesktopColorScheme(app);

    vellumix::ui::MainWindow window;
    window.show();

    // QApplication has taken its own options out of argv; the rest are paths,
    // kept as the bytes they were given in.
    std::vector<std::string> paths;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (!optionsEnded && std::strcmp(argument, "--") == 0) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument[0] == '-') continue;
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(argument, error);
        if (!error) paths.push_back(absolute.lexically_normal().native());
    }
    window.content()->fileList()->addPaths(paths);

    return app.exec();
}
