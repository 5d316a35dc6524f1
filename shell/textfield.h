#pragma once

#include <QLineEdit>

// A text field whose change reaction runs only when its text really
// changes (QLineEdit's textChanged); program-set text is cut to maxLength.
class TextField : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextField(QWidget *parent);
    // Typed and pasted text may only ever be digits.
    void acceptDigitsOnly();

Q_SIGNALS:
    // A typed character (or Backspace, code 8) before it is inserted;
    // a receiver sets the code to 0 to cancel it.
    void keyPress(int &keyAscii);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
