#pragma once

#include <QStringListModel>

// The items of a list box, read-only; several list boxes may show the same
// items. Each item has the flags of a plain list box's item, so a screen
// reader reads them as before.
class ListItems : public QStringListModel
{
    Q_OBJECT
public:
    ListItems(const QStringList &items, QObject *parent);
    Qt::ItemFlags flags(const QModelIndex &index) const override;
};
