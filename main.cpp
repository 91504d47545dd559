#include "ui/main/Form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without any display Qt aborts with a message about platform plugins that
// tells a player nothing; say what to do instead.
bool hasDisplay()
{
#if defined(Q_OS_LINUX)
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    if (!hasDisplay()) {
        std::fputs("Morvane needs a graphical display, and none was found.\n"
                   "Start it from a desktop session, or without a screen under a virtual one:\n"
                   "  xvfb-run -a ./morvane\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    morvane::Form1 window;
    // Another window already holds the data folder; it has told the player.
    if (!window.holdsDataFolder())
        return 1;
    window.show();
    return app.exec();
}
