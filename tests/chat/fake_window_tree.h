// A window tree in memory that answers lookups the way the window system does:
// class names without regard to letter case, children in the order they were
// added, a null parent meaning the top-level windows, the search starting behind
// the given child. It records every lookup and every message it delivers.
#pragma once

#include <string>
#include <vector>

#include "chat/window_system.h"

namespace lumivane {

class FakeWindowTree final : public WindowSystem {
public:
    enum class MessageKind { SetText, Char };
    struct Message {
        WindowHandle window;
        MessageKind kind;
        std::u16string text;  // SetText
        unsigned code;        // Char
    };
    struct Lookup {
        WindowHandle parent;
        WindowHandle after;
        std::string className;
    };

    // Adds a window as the last child of `parent` (0: a top-level window).
    WindowHandle Add(WindowHandle parent, const std::string& className);
    // Closes a window and everything in it.
    void Remove(WindowHandle window);

    WindowHandle FindWindowA(const char* className) const override;
    WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after,
                               const char* className) const override;
    void SetText(WindowHandle window, std::u16string_view text) override;
    void SendChar(WindowHandle window, unsigned code) override;

    const std::vector<Message>& Delivered() const { return delivered_; }
    const std::vector<Lookup>& Lookups() const { return lookups_; }
    void ClearRecords() {
        delivered_.clear();
        lookups_.clear();
    }

private:
    struct Window {
        WindowHandle handle;
        WindowHandle parent;
        std::string className;
        bool open;
    };
    const Window* Find(WindowHandle handle) const;
    WindowHandle Search(WindowHandle parent, WindowHandle after, const char* className) const;

    std::vector<Window> windows_;  // in order of creation, so children stay in order
    WindowHandle next_ = 0x100;
    std::vector<Message> delivered_;
    mutable std::vector<Lookup> lookups_;
};

}  // namespace lumivane
