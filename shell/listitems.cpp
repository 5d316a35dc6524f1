#include "shell/listitems.h"

ListItems::ListItems(const QStringList &items, QObject *parent)
    : QStringListModel(items, parent)
{
}

Qt::ItemFlags ListItems::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
}
