// The yardstick for the game's start-up: a bare Qt Widgets window of the
// game's size, built with the same flags and linked to Qt the same way,
// but to none of the game. Its title starts like the game's so the same
// window search finds both.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Korubel Oyunu (bare window)"));
    window.setFixedSize(521, 471);
    window.show();
    return app.exec();
}
