#pragma once

class QApplication;

// Fonts, widget style and the application's font: everything the program
// sets up on the application before creating its first window. Tests call
// it too.
void prepareApplication(QApplication &app);
