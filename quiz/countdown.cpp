// The countdown: six one-shot stage timers chained through the change
// reaction of t, the timeout charge, and grading a correct answer.
#include "quiz/countdownstage.h"
#include "shell/form1.h"
#include "shell/numbertext.h"

// Each stage timer writes its stage's value.
void Form1::showStage(size_t stage)
{
    static_assert(quiz::kCountdownStages == std::tuple_size_v<decltype(stageTimers)>,
                  "one stage timer for every countdown stage");
    t->setCaption(QLatin1String(quiz::kCountdown[stage].shows));
}
void Form1::Timer8_Timer() { showStage(0); }
void Form1::Timer7_Timer() { showStage(1); }
void Form1::Timer1_Timer() { showStage(2); }
void Form1::Timer2_Timer() { showStage(3); }
void Form1::Timer3_Timer() { showStage(4); }
void Form1::Timer4_Timer() { showStage(5); }

void Form1::t_Change()
{
    // Each stage stops the timer that wrote it and arms the next one.
    const QString shown = t->caption();
    const size_t last = quiz::kCountdownStages - 1;
    for (size_t stage = 0; stage < last; ++stage) {
        if (shown == QLatin1String(quiz::kCountdown[stage].shows)) {
            stageTimers[stage + 1]->setInterval(1000);
            stageTimers[stage]->setInterval(0);
            stageTimers[stage + 1]->setEnabled(true);
            m_platform.sound.play(Cue::Tick);
        }
    }
    if (shown == QLatin1String(quiz::kCountdown[last].shows)) {
        stageTimers[last]->setInterval(0);
        Text1->setEnabled(false);
        setKeypadEnabled(false);
        b->setCaption(l->text());
    }

    // The charge reads both captions afresh: only an unanswered question
    // that reached "00" costs points, and only once.
    if (t->caption() == QLatin1String(quiz::kCountdown[last].shows) && d->caption().isEmpty()) {
        d->setCaption(QStringLiteral("Yanlış Cevap"));
        pn->setCaption(QStringLiteral("-10 Puan"));
        ynl->setCaption(addToNumberText(ynl->caption(), 1));
        if (m_unloaded)
            return; // the game-over box has closed the window: the game is over
        puan->setCaption(addToNumberText(puan->caption(), -10));
        tellScreenReaders(Told::Timeout);
        s->setFocus();
    }
}

void Form1::d_Change()
{
    // Three independent tests, each reading the caption afresh. Only
    // "Doğru Cevap" grades; the flash captions are other texts.
    const auto graded = [this] { return d->caption() == QStringLiteral("Doğru Cevap"); };
    if (graded()) {
        for (Timer *stage : stageTimers)
            stage->setEnabled(false);
        dgr->setCaption(addToNumberText(dgr->caption(), 1));
    }
    if (graded()) {
        if (const auto points = quiz::pointsFor(t->caption())) {
            puan->setCaption(addToNumberText(puan->caption(), *points));
            pn->setCaption(QStringLiteral("%1 Puan").arg(*points));
        }
    }
    if (graded()) {
        Timer5->setEnabled(true);
        tellScreenReaders(Told::Correct);
    }
}

// Leaving the game or closing the window: no stage and no flash may tick on.
void Form1::stopCountdownAndFlash()
{
    for (Timer *stage : stageTimers)
        stage->setEnabled(false);
    Timer5->setEnabled(false);
    Timer6->setEnabled(false);
}
