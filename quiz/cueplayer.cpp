#include "cueplayer.h"

#include <QSoundEffect>
#include <QUrl>

const char *SoundEffectPlayer::resourceOf(Cue cue)
{
    switch (cue) {
    case Cue::Question: return ":/sounds/sor.wav";
    case Cue::Tick: return ":/sounds/ses.wav";
    case Cue::Correct: return ":/sounds/dogru.wav";
    case Cue::Wrong: return ":/sounds/yanlis.wav";
    }
    return "";
}

SoundEffectPlayer::SoundEffectPlayer(QObject *parent)
    : QObject(parent)
{
    for (Cue cue : {Cue::Question, Cue::Tick, Cue::Correct, Cue::Wrong}) {
        auto *effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc") + QLatin1String(resourceOf(cue))));
        m_effects[size_t(cue)] = effect;
    }
}

void SoundEffectPlayer::play(Cue cue)
{
    for (QSoundEffect *effect : m_effects)
        if (effect->isPlaying())
            effect->stop();
    m_effects[size_t(cue)]->play();
}
