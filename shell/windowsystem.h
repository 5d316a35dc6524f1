#pragma once

#include <QByteArray>

// Which of Qt's window-system plugins the game runs on.
//
// The how-to-play window opens at a fixed place on the screen, beside the
// main window. Wayland lets no program place its own windows, so where the
// desktop also offers X (DISPLAY set: X11 sessions, XWayland on GNOME and
// Plasma, X forwarding over SSH) the game runs as an X client, falling
// back to Wayland if X cannot be reached. Without X it runs natively on
// Wayland, where the compositor places the windows. A plugin the user
// names in QT_QPA_PLATFORM always wins.

// The values the choice depends on, as the environment holds them; an
// empty value counts as unset, as Qt itself reads QT_QPA_PLATFORM.
struct SessionEnvironment
{
    QByteArray qtPlatform;     // QT_QPA_PLATFORM
    QByteArray display;        // DISPLAY
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray sessionType;    // XDG_SESSION_TYPE

    static SessionEnvironment fromProcess();
};

// The plugin list to put in QT_QPA_PLATFORM, or empty to leave Qt's own
// choice alone.
QByteArray windowSystemFor(const SessionEnvironment &env);

// Sets QT_QPA_PLATFORM from the process's environment as above. Call it
// before the application object is built.
void chooseWindowSystem();
