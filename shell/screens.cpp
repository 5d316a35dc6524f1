// Entering and leaving game mode. A screen is nothing but the controls
// that are visible and enabled, so each handler sets a fixed list of them
// in a fixed order; the order matters because some assignments run change
// reactions on the way.
#include "colours.h"
#include "form1.h"

void Form1::oyn_Click()
{
    m_platform.sound.prepare();
    p1->hide();
    cks->hide();
    hknd->show();
    fr->show();
    tbl->setEnabled(false);
    tm->setEnabled(false);
    oyn->hide();
    kpt->show();
    for (ListBox *list : wholeTableLists)
        list->hide();
    g->hide();
    i->hide();
    no->setText(QString());
    for (ListBox *list : memoriseLists)
        list->hide();
    s->setDefault(true);
    s->show();
    s->setFocus();
}

void Form1::kpt_Click()
{
    // Leaving the game ends its activity: a running countdown is not
    // charged behind the hidden panel, and the flash stops with its look.
    for (Timer *stage : {Timer1, Timer2, Timer3, Timer4, Timer7, Timer8})
        stage->setEnabled(false);
    Timer5->setEnabled(false);
    Timer6->setEnabled(false);
    d->setBackColor(colour::lightGreen);
    d->setForeColor(colour::red);

    cks->show();
    hknd->hide();
    Label6->hide();
    Label7->hide();
    tbl->setEnabled(true);
    tm->setEnabled(true);
    oyn->show();
    kpt->hide();
    tm->hide();
    tbl->show();
    fr->hide();
    a->setCaption(QString());
    b->setCaption(QString());
    Label3->setCaption(QString());
    t->setCaption(QString());
    Text1->setText(QString());
    dgr->setCaption(QStringLiteral("0"));
    ynl->setCaption(QStringLiteral("0"));
    puan->setCaption(QStringLiteral("0"));
    d->setCaption(QString());
    pn->setCaption(QString());
    p1->show();
}
