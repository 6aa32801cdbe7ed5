// GoogleTest on a real QApplication on Qt's offscreen platform. Whatever the caller's session
// holds (a Wayland or X display, a platform plugin, a session bus, an audio driver), the tests
// run alike: this program chooses each of them itself.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::unsetenv("WAYLAND_DISPLAY");
    ::unsetenv("DISPLAY");
    // No session bus: Qt's accessibility bridge then stays off instead of starting one.
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tintineables-test-bus", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    // A runtime folder and a home of this run's own, removed at the end.
    const std::filesystem::path own = std::filesystem::temp_directory_path() /
                                      ("tintineables-qt-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(own / "home");
    std::filesystem::create_directories(own / "runtime");
    std::filesystem::permissions(own / "runtime", std::filesystem::perms::owner_all);
    ::setenv("HOME", (own / "home").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (own / "runtime").c_str(), 1);

    int status = 0;
    {
        QApplication application(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(own, ignored);
    return status;
}
