#include "tests/support/fakeplatform.h"

QStringList RecordingCuePlayer::names() const
{
    QStringList list;
    for (Cue cue : cues)
        list << QLatin1String(cueName(cue));
    return list;
}

double ScriptedRandom::next()
{
    if (values.empty())
        return 0.0;
    const double value = values.front();
    values.erase(values.begin());
    return value;
}

void ScriptedPrompt::show(QWidget *, const QString &title, const QString &text)
{
    ++shown;
    lastTitle = title;
    lastText = text;
    if (whileShown)
        whileShown();
}
