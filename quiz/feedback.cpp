// The flash after a correct answer, the two counters' cues and game over.
#include "shell/colours.h"
#include "shell/form1.h"

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
