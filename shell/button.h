#pragma once

#include <QPushButton>

// A push button that does not make itself the default button when it
// takes the focus (autoDefault off): the window decides what Enter presses.
class Button : public QPushButton
{
    Q_OBJECT
public:
    Button(const QString &caption, QWidget *parent);
};
