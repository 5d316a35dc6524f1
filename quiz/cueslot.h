#pragma once

#include <QtGlobal>
#include <atomic>
#include <chrono>
#include <optional>

#include "shell/platform.h"

// The newest cue handed from the window's thread to the sound thread, with
// the moment it was played. put() and take() never wait, so either thread
// may use it at any time. A newer cue takes the place of one not yet taken:
// of cues played in one go only the last is heard, and it cuts off the one
// playing. A cue that waited longer than kStaleMs (the sound server was not
// ready) is dropped rather than heard at the wrong moment.
class CueSlot
{
public:
    static constexpr qint64 kStaleMs = 250;

    // The time the slot is stamped with: the monotonic clock, in ms.
    static qint64 nowMs()
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }

    void put(Cue cue, qint64 nowMs) { m_slot.store((quint64(nowMs) << 3) | quint64(int(cue) + 1)); }

    // The waiting cue, if it is still fresh at nowMs; empties the slot.
    std::optional<Cue> take(qint64 nowMs)
    {
        const quint64 held = m_slot.exchange(0);
        if (held == 0 || nowMs - qint64(held >> 3) > kStaleMs)
            return std::nullopt;
        return Cue(int(held & 7) - 1);
    }

private:
    // (ms << 3) | (cue + 1), or 0 for none.
    std::atomic<quint64> m_slot{0};
};
