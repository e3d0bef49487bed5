#pragma once
// Shared pieces of the GUI layer's tests: a visible test form, and running the message loop
// while a test waits for something to happen.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "widgets/Form.h"
#include "widgets/MessageLoop.h"

namespace widget_test {

// Handles window messages until the condition holds or the time is up; returns the condition.
inline bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000) {
    DWORD start = GetTickCount();
    for (;;) {
        tarnwick::ProcessPendingMessages();
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(5);
    }
}

// Handles window messages for a while (paints, posted clicks and keys).
inline void PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

// A shown, active form of the given client size at a fixed place on the screen.
inline void CreateShownForm(tarnwick::Form& form, int clientWidth, int clientHeight,
                            const char* caption = "Test") {
    tarnwick::FormArgs args;
    args.caption = caption;
    args.x = 20;
    args.y = 20;
    args.clientWidth = clientWidth;
    args.clientHeight = clientHeight;
    ASSERT_TRUE(form.Create(args));
    form.Show();
    SetForegroundWindow(form.Handle());
    PumpFor(50);
}

// The gallery window (WidgetGalleryTest.cpp): its class and control ids, for the test that
// drives it from another process.
namespace gallery {

constexpr const char* windowClass = "TarnwickGallery";

enum ControlId {
    HeaderId = 300,
    HeaderPictureId,
    TitleId,
    SubtitleId,
    EdgeDarkId,
    EdgeLightId,
    PageId,
    PromptId,
    GroupId,
    PasswordId,
    CheckAId,
    CheckBId,
    RadioAId,
    RadioBId,
    ComboId,
    SidePanelId,
    LaunchId,
    ListId,
    RichId,
    ProgressId,
    BrandingId,
    SeparatorId,
    BackId,
    NextId,
    CancelId,
    BackdropId,
    BigTextId,
    SmallTextId,
    BackdropPictureId,
};

}  // namespace gallery

}  // namespace widget_test
