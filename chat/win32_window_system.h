// The window system of Windows itself, through its 8-bit text interface.
#pragma once

#include "chat/window_system.h"

namespace lumivane {

class Win32WindowSystem final : public WindowSystem {
public:
    WindowHandle FindWindowA(const char* className) const override;
    WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after,
                               const char* className) const override;
    Delivery SetText(WindowHandle window, std::u16string_view text) override;
    Delivery SendChar(WindowHandle window, unsigned code) override;
};

}  // namespace lumivane
