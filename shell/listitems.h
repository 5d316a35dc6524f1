#pragma once

#include <QStringListModel>

// The items of a list box, which only shows them; several list boxes may
// show the same items.
class ListItems : public QStringListModel
{
    Q_OBJECT
public:
    ListItems(const QStringList &items, QObject *parent);
};
