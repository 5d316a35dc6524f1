#pragma once

#include <QAccessibleObject>
#include <vector>

class ListBox;

// What a screen reader gets of a list box: a list, read as a table of one
// column, whose children are its items. The items' interfaces are made
// when first asked for and live as long as the list's.
class ListBoxAccessible : public QAccessibleObject, public QAccessibleTableInterface
{
public:
    explicit ListBoxAccessible(ListBox *list);
    ~ListBoxAccessible() override;
    // For QAccessible::installFactory.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override;
    QRect rect() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return 1; }
    int rowCount() const override;
    int selectedCellCount() const override { return selectedRowCount(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    QAccessibleInterface *cellAt(int row, int column) const override;
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    ListBox *list() const;
    mutable std::vector<QAccessible::Id> m_items;
};
