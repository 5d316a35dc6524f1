#pragma once

#include <QListView>

#include "shell/listitems.h"

// A list box showing items it does not own: the user may select one, not
// edit it.
class ListBox : public QListView
{
    Q_OBJECT
public:
    ListBox(ListItems *items, QWidget *parent);
};
