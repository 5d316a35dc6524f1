// The countdown: six one-shot stage timers chained through the change
// reaction of t, the timeout charge, and grading a correct answer.
#include "form1.h"
#include "numbertext.h"
#include "questionbank.h"

void Form1::Timer8_Timer() { t->setCaption(QStringLiteral("05")); }
void Form1::Timer7_Timer() { t->setCaption(QStringLiteral("04")); }
void Form1::Timer1_Timer() { t->setCaption(QStringLiteral("03")); }
void Form1::Timer2_Timer() { t->setCaption(QStringLiteral("02")); }
void Form1::Timer3_Timer() { t->setCaption(QStringLiteral("01")); }
void Form1::Timer4_Timer() { t->setCaption(QStringLiteral("00")); }

void Form1::t_Change()
{
    // Each stage stops the timer that wrote it and arms the next one.
    struct Stage { const char *shows; Timer *current; Timer *next; };
    const Stage stages[] = {
        {"05", Timer8, Timer7}, {"04", Timer7, Timer1}, {"03", Timer1, Timer2},
        {"02", Timer2, Timer3}, {"01", Timer3, Timer4},
    };
    const QString shown = t->caption();
    for (const Stage &stage : stages) {
        if (shown == QLatin1String(stage.shows)) {
            stage.next->setInterval(1000);
            stage.current->setInterval(0);
            stage.next->setEnabled(true);
            m_platform.sound.play(Cue::Tick);
        }
    }
    if (shown == QLatin1String("00")) {
        Timer4->setInterval(0);
        Text1->setEnabled(false);
        for (Button *key : keypad)
            key->setEnabled(false);
        b->setCaption(l->text());
    }

    // The charge reads both captions afresh: only an unanswered question
    // that reached "00" costs points, and only once.
    if (t->caption() == QLatin1String("00") && d->caption().isEmpty()) {
        d->setCaption(QStringLiteral("Yanlış Cevap"));
        pn->setCaption(QStringLiteral("-10 Puan"));
        ynl->setCaption(addToNumberText(ynl->caption(), 1));
        if (m_unloaded)
            return; // the game-over box has closed the window: the game is over
        puan->setCaption(addToNumberText(puan->caption(), -10));
        s->setFocus();
    }
}

void Form1::d_Change()
{
    // Three independent tests, each reading the caption afresh. Only
    // "Doğru Cevap" grades; the flash captions are other texts.
    const auto graded = [this] { return d->caption() == QStringLiteral("Doğru Cevap"); };
    if (graded()) {
        for (Timer *stage : {Timer1, Timer2, Timer3, Timer4, Timer7, Timer8})
            stage->setEnabled(false);
        dgr->setCaption(addToNumberText(dgr->caption(), 1));
    }
    if (graded()) {
        if (const auto points = quiz::pointsFor(t->caption())) {
            puan->setCaption(addToNumberText(puan->caption(), *points));
            pn->setCaption(QStringLiteral("%1 Puan").arg(*points));
        }
    }
    if (graded())
        Timer5->setEnabled(true);
}
