// Shared by the UI tests: the environment, real files in a temporary folder,
// the application's window over them, and helpers that act like a user.
#pragma once

#include <QtTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include "model/file_item.h"
#include "model/file_url.h"
#include "model/rename_config.h"
#include "model/rename_rule.h"
#include "ui/content_view.h"
#include "ui/drop_zone.h"
#include "ui/file_list_view.h"
#include "ui/main_window.h"
#include "ui/preview_table_model.h"
#include "ui/rule_panel.h"
#include "ui/stat_badge.h"
#include "viewmodel/rename_view_model.h"

namespace vellumix::ui::testing {

// The offscreen platform unless the caller chose one, and private runtime
// (0700, as Qt wants it), configuration, data and cache folders, so that what
// Qt saves (the file dialog's state) never reaches the user's own.
class TestEnvironment {
public:
    TestEnvironment() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!home_.isValid()) qFatal("no temporary folder");
        for (const char* name :
             {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
            const QString folder = home_.filePath(QLatin1String(name));
            QDir().mkpath(folder);
            QFile::setPermissions(
                folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            qputenv(name, QFile::encodeName(folder));
        }
    }

private:
    QTemporaryDir home_;
};

// Views refresh once per burst of notifications, on the event loop; a batch
// runs on a thread of its own, and its result comes in through the loop too.
inline void settle() {
    QCoreApplication::processEvents();
    QList<QPointer<MainWindow>> windows;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<MainWindow*>(top)) windows << window;
    for (const QPointer<MainWindow>& window : windows) {
        QVERIFY(QTest::qWaitFor(
            [&] { return !window || !window->content()->viewModel().isProcessing(); }, 30000));
        QCoreApplication::processEvents();
    }
}

// Types `text` one code point at a time, also what QTest::keyClicks cannot send.
inline void typeText(QWidget* field, const QString& text) {
    for (char32_t codePoint : text.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, character, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, field, Qt::Key_unknown, character, Qt::NoModifier);
    }
}

// A fresh temporary folder with real files, removed at the end of the test.
class Sandbox {
public:
    // By bytes: QTemporaryDir cannot remove a name that is not valid UTF-8.
    ~Sandbox() {
        std::error_code ignored;
        if (dir_.isValid()) std::filesystem::remove_all(root(), ignored);
    }

    // Absolute paths as bytes; write() creates the folders the file goes in.
    std::string root() const { return QFile::encodeName(dir_.path()).toStdString(); }
    std::string path(const std::string& name) const { return root() + "/" + name; }
    std::string write(const std::string& name, const std::string& contents = "x") const {
        const std::string file = path(name);
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        std::ofstream(file, std::ios::binary) << contents;
        return file;
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

private:
    QTemporaryDir dir_;
};

// The window, shown and active, over a sandbox; counts the view model's notifications.
struct TestWindow {
    explicit TestWindow(const std::vector<std::string>& names = {}) {
        counter = vm().onWillChange([this] { ++notifications; });
        window.resize(1000, 700);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
        if (!names.empty()) add(names);
    }

    ContentView& view() const { return *window.content(); }
    RenameViewModel& vm() const { return view().viewModel(); }
    // The widget named `name`; without it no later step means anything.
    template <class T = QWidget>
    T* find(const char* name) const {
        T* widget = view().findChild<T*>(QLatin1String(name));
        if (!widget) qFatal("no %s named %s", T::staticMetaObject.className(), name);
        return widget;
    }

    // Creates the files `names` in the sandbox and adds them in one call.
    void add(const std::vector<std::string>& names) {
        std::vector<FileUrl> urls;
        for (const std::string& name : names)
            urls.emplace_back(files.write(name));
        vm().addFiles(urls);
        settle();
    }

    void configure(const std::function<void(RenameConfig&)>& change) {
        RenameConfig config = vm().config();
        change(config);
        vm().setConfig(config);
        settle();
    }

    Sandbox files;
    MainWindow window;
    int notifications = 0;
    Subscription counter;
};

}  // namespace vellumix::ui::testing

// main() of a UI test: the environment, the application as the program sets it up.
#define VELLUMIX_UI_TEST_MAIN(TestObject)                   \
    int main(int argc, char* argv[]) {                      \
        vellumix::ui::testing::TestEnvironment environment; \
        QApplication app(argc, argv);                       \
        vellumix::ui::setUpApplication(app);                \
        TestObject test;                                    \
        QTEST_SET_MAIN_SOURCE_PATH                          \
        return QTest::qExec(&test, argc, argv);             \
    }
