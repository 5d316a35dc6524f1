#include "fakeplatform.h"

#include <algorithm>

class VirtualTimer : public TimerBackend
{
public:
    explicit VirtualTimer(VirtualClock &clock) : m_clock(clock) {}
    ~VirtualTimer() override { stop(); }

    void start(int intervalMs) override
    {
        stop();
        m_clock.m_entries.push_back({this, m_clock.m_now + intervalMs, m_clock.m_nextOrder++, intervalMs});
    }
    void stop() override
    {
        auto &entries = m_clock.m_entries;
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [this](const VirtualClock::Entry &e) { return e.timer == this; }),
                      entries.end());
    }
    void fire() { tick(); }

private:
    VirtualClock &m_clock;
};

std::unique_ptr<TimerBackend> VirtualClock::createTimer()
{
    return std::make_unique<VirtualTimer>(*this);
}

void VirtualClock::advance(qint64 ms)
{
    const qint64 target = m_now + ms;
    for (;;) {
        auto next = std::min_element(m_entries.begin(), m_entries.end(), [](const Entry &x, const Entry &y) {
            return x.due != y.due ? x.due < y.due : x.order < y.order;
        });
        if (next == m_entries.end() || next->due > target)
            break;
        m_now = next->due;
        VirtualTimer *timer = next->timer;
        // A repeating timer is due again one interval later, unless its
        // tick handler stops or restarts it.
        next->due += next->interval;
        next->order = m_nextOrder++;
        timer->fire();
    }
    m_now = target;
}

int VirtualClock::armedCount() const
{
    return int(m_entries.size());
}

QString cueName(Cue cue)
{
    switch (cue) {
    case Cue::Question: return QStringLiteral("question");
    case Cue::Tick: return QStringLiteral("tick");
    case Cue::Correct: return QStringLiteral("correct");
    case Cue::Wrong: return QStringLiteral("wrong");
    }
    return {};
}

QStringList RecordingCuePlayer::names() const
{
    QStringList list;
    for (Cue cue : cues)
        list << cueName(cue);
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
