#pragma once
// Handling the window messages that wait, while the program waits for the game.

namespace zarn {

class MessagePump {
public:
    virtual ~MessagePump() = default;
    // Handles every window message that is waiting, then returns.
    virtual void DispatchPending() = 0;
};

}  // namespace zarn
