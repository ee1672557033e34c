// The window system of Windows itself, through its 8-bit text interface.
#pragma once

#include "chat/window_system.h"

namespace lumivane {

// What became of a message sent with a time-out, from what the send told: whether
// it was handled, the error the system left when it was not, and whether the
// window still exists. The system blocks a message to a program of higher
// rights with ERROR_ACCESS_DENIED; a window that is gone took nothing; any
// other failure is the client not answering (the time ran out, or the system
// knows it hangs).
Delivery DeliveryOfSend(bool handled, unsigned long error, bool windowExists);

class Win32WindowSystem final : public WindowSystem {
public:
    WindowHandle FindWindowA(const char* className) const override;
    WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after,
                               const char* className) const override;
    Delivery SetText(WindowHandle window, std::u16string_view text) override;
    Delivery SendChar(WindowHandle window, unsigned code) override;
};

}  // namespace lumivane
