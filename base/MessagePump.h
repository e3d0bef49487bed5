#pragma once
// Long copies and decodes keep the windows responsive by letting the GUI process its pending
// messages between pieces. Portable code calls PumpPendingMessages(); the GUI installs the pump.

namespace tarnwick {

using MessagePumpFunction = void (*)();

// Installs the function that processes pending window messages (null: nothing to do).
void InstallMessagePump(MessagePumpFunction pump);
void PumpPendingMessages();

}  // namespace tarnwick
