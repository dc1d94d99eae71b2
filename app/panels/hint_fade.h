#pragma once

namespace velumo {

// The life of a hint window as its two timers drive it: a show request waits 2 seconds, the
// window then fades in by 10 steps of opacity per 1 ms tick, stays 2 seconds and fades out the
// same way. The window owning this applies `opacity()`, `visible()` and the timer state after
// every call.
class HintFade
{
public:
    static constexpr int kDelayMs = 2000;
    static constexpr int kHoldMs = 2000;
    static constexpr int kTickMs = 1;
    static constexpr int kStep = 10;
    static constexpr int kOpaque = 255;

    enum class Running { None, FadeIn, FadeOut };

    // A new hint: everything from before is dropped; the fade-in starts after the delay.
    void requestShow();
    // One tick of the fade-in timer. The first one shows (and places) the window.
    void fadeInTick();
    // One tick of the fade-out timer. The last one closes the window.
    void fadeOutTick();
    // The pointer left a button or the button was clicked: a visible hint fades out at once
    // from where it is; one not shown yet never appears.
    void fadeAway();
    // The pointer left an item: the hint is gone at once.
    void closeNow();

    Running running() const { return m_running; }
    int intervalMs() const { return m_interval; }
    int opacity() const { return m_counter; }
    bool visible() const { return m_visible; }
    // The window must be placed: true after the tick that first showed it.
    bool justShown() const { return m_justShown; }

private:
    Running m_running = Running::None;
    int m_interval = kDelayMs;
    int m_counter = 0;
    bool m_visible = false;
    bool m_justShown = false;
};

} // namespace velumo
