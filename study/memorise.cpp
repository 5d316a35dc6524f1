// The memorise pages: one table a page, with a story and facts beside it.
// The page number lives in the hidden field no; its change reaction shows
// the page, the buttons only step the number.
#include "shell/form1.h"
#include "shell/numbertext.h"
#include "study/pagetable.h"

void Form1::tbl_Click()
{
    p1->hide();
    tbl->hide();
    tm->show();
    g->show();
    i->show();
    memoriseLists[0]->show(); // br, the table of 1
    no->setText(QStringLiteral("1"));
    for (ListBox *list : wholeTableLists)
        list->hide();
    Label6->show();
    Label7->show();
}

// Leaving the pages, for the whole table or for the game: the buttons go,
// the page number empties (its reaction shows no page), no list stays.
void Form1::closeMemorisePages()
{
    g->hide();
    i->hide();
    no->setText(QString());
    for (ListBox *list : memoriseLists)
        list->hide();
}

void Form1::g_Click()
{
    // A page number that is no number makes the buttons do nothing.
    if (const auto page = readNumber(no->text()))
        no->setText(numberText(*page - 1));
}

void Form1::i_Click()
{
    if (const auto page = readNumber(no->text()))
        no->setText(numberText(*page + 1));
}

void Form1::no_Change()
{
    g->setEnabled(no->text() != QLatin1String("1"));
    i->setEnabled(no->text() != QLatin1String("10"));
    const study::Page *page = study::pageFor(no->text());
    if (!page)
        return;
    ListBox *shown = memoriseLists[size_t(page->table - 1)];
    shown->show();
    for (ListBox *list : memoriseLists)
        if (list != shown)
            list->hide();
    Label6->setCaption(page->story);
    Label6->setFontSize(page->storyPoints);
    Label6->setFontBold(page->storyBold);
    Label7->setCaption(page->facts);
    Label7->setFontBold(page->factsBold);
    Label7->setFontSize(page->factsPoints);
}
