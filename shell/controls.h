#pragma once

// Every control of the game's windows: thin controls over Qt widgets.
// They keep the rules the game's reaction chains rely on:
//  - a label's change reaction runs on every caption assignment, also when
//    the caption already holds that text;
//  - a text field's change reaction runs only when its text really changes
//    (QLineEdit's textChanged), and program-set text is cut to maxLength;
//  - a timer ticks every interval while enabled with a non-zero interval.
// The buttons are Qt's push buttons and the list boxes Qt's list views over
// string models, configured by the window.

#include <QListView>
#include <QPushButton>
#include <QStringListModel>

#include "shell/form.h"
#include "shell/label.h"
#include "shell/textfield.h"
#include "shell/picturebox.h"
#include "shell/timer.h"
#include "shell/line.h"
