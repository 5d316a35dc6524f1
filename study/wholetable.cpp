// The view of all ten tables at once.
#include "form1.h"

void Form1::tm_Click()
{
    p1->hide();
    Label6->hide();
    Label7->hide();
    tbl->show();
    tm->hide();
    g->hide();
    i->hide();
    no->setText(QString());
    for (ListBox *list : memoriseLists)
        list->hide();
    for (ListBox *list : wholeTableLists)
        list->show();
}
