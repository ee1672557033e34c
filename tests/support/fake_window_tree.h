// A window tree in memory that answers lookups the way the window system does:
// class names without regard to letter case, children in the order they were
// added, a null parent meaning the top-level windows, the search starting behind
// the given child. It records every lookup, every message it delivers, every
// message it refuses, every one left unanswered and every text not taken.
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
    // Makes the window refuse messages, as the system shields the windows of a
    // program that runs with higher rights.
    void Shield(WindowHandle window);
    // Makes the window's program hang: its messages are left unanswered.
    void Hang(WindowHandle window);
    // Makes the window answer WM_SETTEXT with FALSE, as a control that cannot
    // hold the text does; other messages it takes.
    void RefuseText(WindowHandle window);

    WindowHandle FindWindowA(const char* className) const override;
    WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after,
                               const char* className) const override;
    Delivery SetText(WindowHandle window, std::u16string_view text) override;
    Delivery SendChar(WindowHandle window, unsigned code) override;

    const std::vector<Message>& Delivered() const { return delivered_; }
    const std::vector<Message>& Refused() const { return refused_; }
    const std::vector<Message>& Unanswered() const { return unanswered_; }
    const std::vector<Message>& NotTaken() const { return notTaken_; }
    const std::vector<Lookup>& Lookups() const { return lookups_; }
    void ClearRecords() {
        delivered_.clear();
        refused_.clear();
        unanswered_.clear();
        notTaken_.clear();
        lookups_.clear();
    }

private:
    struct Window {
        WindowHandle handle;
        WindowHandle parent;
        std::string className;
        bool open;
        bool shielded;
        bool hung;
        bool refusesText;
    };
    const Window* Find(WindowHandle handle) const;
    Delivery Deliver(const Message& message);
    WindowHandle Search(WindowHandle parent, WindowHandle after, const char* className) const;

    std::vector<Window> windows_;  // in order of creation, so children stay in order
    WindowHandle next_ = 0x100;
    std::vector<Message> delivered_;
    std::vector<Message> refused_;
    std::vector<Message> unanswered_;
    std::vector<Message> notTaken_;
    mutable std::vector<Lookup> lookups_;
};

}  // namespace lumivane
