#include "widgets/Timer.h"

#include <mmsystem.h>

namespace tarnwick {

namespace {
const UINT tickMessage = WM_APP + 0x2A1;
}

MultimediaTimer::~MultimediaTimer() { SetEnabled(false); }

void MultimediaTimer::Configure(unsigned delayMs, unsigned resolutionMs) {
    bool wasEnabled = Enabled();
    SetEnabled(false);
    delayMs_ = delayMs;
    resolutionMs_ = resolutionMs;
    if (wasEnabled) SetEnabled(true);
}

bool MultimediaTimer::EnsureSink() {
    if (Handle()) return true;
    // A message-only window: never shown, never enumerated as a top-level window.
    return CreateOwnWindow("TarnwickTimerSink", HWND_MESSAGE, 0, {}, "", 0, 0);
}

bool MultimediaTimer::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return true;
    if (!enabled) {
        // TIME_KILL_SYNCHRONOUS: no callback runs after timeKillEvent returns, so `this` stays
        // valid for every callback.
        timeKillEvent(timerId_);
        timerId_ = 0;
        return true;
    }
    if (!EnsureSink()) return false;
    tickPending_ = false;
    timerId_ = timeSetEvent(delayMs_, resolutionMs_, &MultimediaTimer::TimerCallback,
                            reinterpret_cast<DWORD_PTR>(this),
                            TIME_PERIODIC | TIME_CALLBACK_FUNCTION | TIME_KILL_SYNCHRONOUS);
    return timerId_ != 0;
}

void CALLBACK MultimediaTimer::TimerCallback(UINT, UINT, DWORD_PTR context, DWORD_PTR, DWORD_PTR) {
    auto* self = reinterpret_cast<MultimediaTimer*>(context);
    if (!self->tickPending_.exchange(true)) PostMessageA(self->Handle(), tickMessage, 0, 0);
}

LRESULT MultimediaTimer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != tickMessage) return Window::HandleMessage(message, wParam, lParam);
    tickPending_ = false;
    // A tick posted just before the timer was stopped is dropped.
    if (Enabled() && onTick) onTick();
    return 0;
}

}  // namespace tarnwick
