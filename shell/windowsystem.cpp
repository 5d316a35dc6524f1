#include "shell/windowsystem.h"

#include <QtGlobal>

SessionEnvironment SessionEnvironment::fromProcess()
{
    return {qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"),
            qgetenv("XDG_SESSION_TYPE")};
}

QByteArray windowSystemFor(const SessionEnvironment &env)
{
    if (!env.qtPlatform.isEmpty() || env.display.isEmpty())
        return {};
    // X first, also in a plain X11 session: Qt would otherwise try Wayland
    // first wherever a compositor's socket happens to be found.
    const bool waylandToo = !env.waylandDisplay.isEmpty() || env.sessionType == "wayland";
    return waylandToo ? QByteArrayLiteral("xcb;wayland") : QByteArrayLiteral("xcb");
}

void chooseWindowSystem()
{
    const QByteArray plugins = windowSystemFor(SessionEnvironment::fromProcess());
    if (!plugins.isEmpty())
        qputenv("QT_QPA_PLATFORM", plugins);
}
