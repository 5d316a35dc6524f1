// Entering and leaving game mode. A screen is nothing but the controls
// that are visible and enabled, so each handler sets a fixed list of them
// in a fixed order; the order matters because some assignments run change
// reactions on the way. The how-to-play window opens from the menu and
// from the game panel.
#include "shell/colours.h"
#include "shell/designfonts.h"
#include "shell/form1.h"

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
    for (QListView *list : wholeTableLists)
        if (list)
            list->hide();
    closeMemorisePages();
    s->setDefault(true);
    s->show();
    s->setFocus();
}

void Form1::kpt_Click()
{
    // Leaving the game ends its activity: a running countdown is not
    // charged behind the hidden panel, and the flash stops with its look.
    stopCountdownAndFlash();
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
    tellScreenReaders(Told::NoTurn);
    p1->show();
}

void Form1::openAbout()
{
    if (!frmAbout) {
        frmAbout = new FrmAbout();
        frmAbout->setAttribute(Qt::WA_DeleteOnClose);
        // Created at a fixed place on the screen, not where the window
        // system would put it.
        frmAbout->setGeometry(156, 129, 607, 417);
    }
    frmAbout->show();
    // In front of the game also when it was open behind it. On X raising
    // is enough; a Wayland compositor stacks windows itself and brings one
    // to the front only when asked to activate it.
    frmAbout->raise();
    frmAbout->activateWindow();
}

void Form1::hknd_Click()
{
    p1->hide();
    openAbout();
}

void Form1::Label8_Click()
{
    openAbout();
}
