#include "shell/virtualclock.h"

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
