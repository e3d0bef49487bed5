#pragma once
// A multimedia timer (timeSetEvent): a periodic tick with a fine delay.
//
// The system calls a multimedia timer on a thread of its own. This class does not run the
// handler there: each tick is posted to a hidden window of the GUI thread, so onTick runs on the
// GUI thread like every other handler and may touch windows and program state freely. Ticks that
// arrive while one is still waiting to be handled are merged into it.

#include <atomic>

#include "widgets/Window.h"

namespace tarnwick {

class MultimediaTimer : private Window {
public:
    MultimediaTimer() = default;
    ~MultimediaTimer() override;

    std::function<void()> onTick;

    // Periodic, every delayMs with the given resolution (both in milliseconds). The timer is
    // created stopped.
    void Configure(unsigned delayMs, unsigned resolutionMs);
    // Starts or stops the ticks. False when the system refused to start the timer.
    bool SetEnabled(bool enabled);
    bool Enabled() const { return timerId_ != 0; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static void CALLBACK TimerCallback(UINT id, UINT, DWORD_PTR context, DWORD_PTR, DWORD_PTR);
    bool EnsureSink();

    unsigned delayMs_ = 100;
    unsigned resolutionMs_ = 10;
    UINT timerId_ = 0;
    std::atomic<bool> tickPending_{false};
};

}  // namespace tarnwick
