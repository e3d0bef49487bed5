#pragma once
// The common controls library must register its window classes before the first list view or
// progress bar is made.

namespace tarnwick {

void EnsureCommonControls();

}  // namespace tarnwick
