#pragma once

#include <QObject>
#include <QPushButton>

#include "shell/controls.h"

// The controls of a window found as the tests find them, by object name,
// as a screen reader or a test robot does. A name that is not there is the caller's fault and stops
// the program with that name.
namespace named {

template <class Control>
Control *find(const QObject *window, const char *name)
{
    auto *control = window->findChild<Control *>(QLatin1String(name));
    if (!control)
        qFatal("no control named %s of that kind", name);
    return control;
}

inline Label *label(const QObject *window, const char *name) { return find<Label>(window, name); }
inline QPushButton *button(const QObject *window, const char *name) { return find<QPushButton>(window, name); }
inline TextField *field(const QObject *window, const char *name) { return find<TextField>(window, name); }
inline QListView *list(const QObject *window, const char *name) { return find<QListView>(window, name); }
inline PictureBox *picture(const QObject *window, const char *name) { return find<PictureBox>(window, name); }
inline Timer *timer(const QObject *window, const char *name) { return find<Timer>(window, name); }

// The keypad's digit keys, a0..a9.
inline QPushButton *digitKey(const QObject *window, int digit)
{
    return button(window, QByteArray("a" + QByteArray::number(digit)).constData());
}
inline QList<QPushButton *> digitKeys(const QObject *window)
{
    QList<QPushButton *> keys;
    for (int digit = 0; digit <= 9; ++digit)
        keys << digitKey(window, digit);
    return keys;
}

} // namespace named
