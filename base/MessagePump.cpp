#include "base/MessagePump.h"

namespace tarnwick {

namespace {
MessagePumpFunction installedPump = nullptr;
}

void InstallMessagePump(MessagePumpFunction pump) { installedPump = pump; }

void PumpPendingMessages() {
    if (installedPump) installedPump();
}

}  // namespace tarnwick
