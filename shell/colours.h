#pragma once

#include <QColor>

// The fixed palette of the two windows.
namespace colour {
inline const QColor lightGreen{128, 255, 128};
inline const QColor lightYellow{255, 255, 128};
inline const QColor red{255, 0, 0};
inline const QColor blue{0, 0, 255};
inline const QColor darkGreen{0, 128, 0};
inline const QColor darkRed{192, 0, 0};
inline const QColor white{255, 255, 255};
inline const QColor black{0, 0, 0};
inline const QColor pink{255, 192, 255};
inline const QColor grey{128, 128, 128};
} // namespace colour
