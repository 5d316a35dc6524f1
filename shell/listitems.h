#pragma once

#include <QStringListModel>

// The items of a list box, read-only; several list boxes may show the same
// items. Each item has the flags QListWidget gives its items (selectable,
// enabled, checkable, draggable, not editable), which a screen reader
// reports with it.
class ListItems : public QStringListModel
{
    Q_OBJECT
public:
    ListItems(const QStringList &items, QObject *parent);
    Qt::ItemFlags flags(const QModelIndex &index) const override;
};
