#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>

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

    // Showing again after a hide puts the window back where it was when it
    // was hidden.
    void setVisible(bool visible) override;

private:
    void Label1_Click();

    std::optional<QPoint> m_placeWhenHidden;

    Label *lblTitle, *lblVersion, *lblDescription, *lblDisclaimer, *Label1;
    Line *Line1_0, *Line1_1;
};
