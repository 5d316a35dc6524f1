#pragma once

#include <QWidget>

#include "shell/controls.h"

// The how-to-play window: title, version, the rules of scoring, a contact
// line and "Kapat". It has no owner and is not modal; the game goes on
// while it is open.
class FrmAbout : public QWidget
{
    Q_OBJECT
public:
    FrmAbout();

    static const QString rulesText;

private:
    void Label1_Click();

    Label *lblTitle, *lblVersion, *lblDescription, *lblDisclaimer, *Label1;
    Line *Line1_0, *Line1_1;
};
