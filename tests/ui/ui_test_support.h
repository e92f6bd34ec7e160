// Shared by the UI tests: a main() that prepares the environment, real files in
// a fresh temporary folder, and helpers that drive widgets like a user.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QtGlobal>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "ui/main_window.h"

namespace vellumix::ui::testing {

// The offscreen platform unless the caller chose one, and a private runtime
// folder (0700, as Qt wants it) so that no warning clutters the output.
class TestEnvironment {
public:
    TestEnvironment() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (runtime_.isValid()) qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    }

private:
    QTemporaryDir runtime_;
};

// Lets the window take in what the view model announced: views refresh once
// per burst of notifications, on the event loop.
inline void settle() {
    QCoreApplication::processEvents();
}

// Types `text` into `field` one character (code point) at a time, the way a
// keyboard does; also text that QTest::keyClicks cannot send.
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
    Sandbox() = default;
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;
    // Removes the folder by its bytes first: QTemporaryDir, which goes by
    // decoded names, cannot remove a name that is not valid UTF-8.
    ~Sandbox() {
        std::error_code ignored;
        if (dir_.isValid())
            std::filesystem::remove_all(QFile::encodeName(dir_.path()).toStdString(), ignored);
    }

    bool isValid() const { return dir_.isValid(); }
    // The absolute path (as bytes) of `name` inside the folder.
    std::string path(const std::string& name) const {
        return QFile::encodeName(dir_.path()).toStdString() + "/" + name;
    }
    // Creates the file `name` (bytes, any encoding); returns its path.
    std::string write(const std::string& name, const std::string& contents = "x") const {
        const std::string file = path(name);
        std::ofstream(file, std::ios::binary) << contents;
        return file;
    }
    // Creates the folder `name`; returns its path without a trailing "/".
    std::string makeDir(const std::string& name) const {
        const std::string folder = path(name);
        std::filesystem::create_directories(folder);
        return folder;
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

private:
    QTemporaryDir dir_;
};

}  // namespace vellumix::ui::testing

// main() of a UI test: the environment, the application as the program sets it
// up, then the test object's slots.
#define VELLUMIX_UI_TEST_MAIN(TestObject)                   \
    int main(int argc, char* argv[]) {                      \
        vellumix::ui::testing::TestEnvironment environment; \
        QApplication app(argc, argv);                       \
        vellumix::ui::setUpApplication(app);                \
        TestObject test;                                    \
        QTEST_SET_MAIN_SOURCE_PATH                          \
        return QTest::qExec(&test, argc, argv);             \
    }
