#include "tests/support/fakeplatform.h"

#include <algorithm>

void VirtualClock::advance(qint64 ms)
{
    const qint64 target = m_nowNs + ms * 1000000;
    for (std::optional<qint64> due = nextDueNs(); due && *due <= target; due = nextDueNs()) {
        m_nowNs = std::max(m_nowNs, *due);
        if (!fireNext(m_nowNs))
            break; // advanced from inside a tick: the rest waits for it to end
    }
    m_nowNs = target;
}

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

bool ScriptedPrompt::ask(QWidget *, const QString &title, const QString &text)
{
    ++shown;
    lastTitle = title;
    lastText = text;
    if (whileShown)
        whileShown();
    return answer;
}
