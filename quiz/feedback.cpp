// The flash after a correct answer, the two counters' cues, game over, and
// what a screen reader is told of a turn.
#include "shell/colours.h"
#include "shell/form1.h"

namespace {

const QString startRole = QStringLiteral("Yeni soru sorar");

} // namespace

// Orca says nothing of a label's change; it speaks what the focus reaches.
// The question and a correct answer's result come while the focus stays in
// the answer field, so the notice tells them. After a timeout the focus
// moves to "Başlat", which then is described by the result until the next
// question.
void Form1::tellScreenReaders(Told what)
{
    switch (what) {
    case Told::Question:
        s->setAccessibleDescription(startRole);
        notice->tell(a->caption());
        break;
    case Told::Correct:
        notice->tell(sentences({d->caption(), pn->caption()}));
        break;
    case Told::Timeout:
        s->setAccessibleDescription(sentences({d->caption(), a->caption() + QStringLiteral(" = ") + b->caption(),
                                               pn->caption()}));
        break;
    case Told::NoTurn:
        s->setAccessibleDescription(startRole);
        break;
    }
}

void Form1::Timer5_Timer()
{
    d->setBackColor(colour::white);
    Timer6->setEnabled(true);
    d->setCaption(QStringLiteral("Dogru Cevap"));
    d->setForeColor(colour::red);
}

void Form1::Timer6_Timer()
{
    d->setBackColor(colour::red);
    d->setCaption(QStringLiteral("Tebrikler"));
    d->setForeColor(colour::white);
}

void Form1::dgr_Change()
{
    m_platform.sound.play(Cue::Correct);
}

void Form1::ynl_Change()
{
    m_platform.sound.play(Cue::Wrong);
    if (ynl->caption() != QLatin1String("10"))
        return;
    // The box asks Yes or No; either answer ends the game.
    m_platform.prompt.show(this, QStringLiteral("Oyun Bitti"),
                          QStringLiteral("Üzgünüz 10 kez yanlış cevap verdiniz. Oyun bitti."));
    close();
}
