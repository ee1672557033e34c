// The few window-system operations the chat client bridge needs, behind an
// interface so the walk over the client's windows runs the same against the real
// system and against a window tree built in memory.
#pragma once

#include <cstdint>
#include <string_view>

namespace lumivane {

// An opaque window handle; 0 is the null handle, the absence of a window.
using WindowHandle = std::uintptr_t;

// What became of a message sent to a window.
enum class Delivery {
    Handled,        // the window's handler took it
    NoWindow,       // the handle names no window (null, or closed meanwhile): it went nowhere
    Refused,        // the system blocked it: the window belongs to a program with higher
                    // rights (a chat client started as administrator, say)
    NotResponding,  // the window's program did not handle it in time: it hangs, or is busy
    NotTaken,       // the window handled WM_SETTEXT and answered FALSE: it did not take the text
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // The first top-level window of the class, any title; 0 if there is none.
    virtual WindowHandle FindWindowA(const char* className) const = 0;

    // The first direct child of `parent` of the class, any title, in the system's
    // order of children, starting behind `after` (from the first child when `after`
    // is 0). A null parent searches the top-level windows. Class names match
    // without regard to letter case.
    virtual WindowHandle FindWindowExA(WindowHandle parent, WindowHandle after,
                                       const char* className) const = 0;

    // WM_SETTEXT: replaces the window's text by `text` in the 8-bit code page.
    // Returns when the window has handled it, at once when the message cannot be
    // delivered (a null or stale handle, a window the system shields), or after a
    // short wait when the window's program does not answer (NotResponding). A
    // window that answers FALSE has not taken the text (NotTaken).
    virtual Delivery SetText(WindowHandle window, std::u16string_view text) = 0;

    // WM_CHAR with `code` as the character, delivered as SetText delivers; the
    // window's answer is not looked at.
    virtual Delivery SendChar(WindowHandle window, unsigned code) = 0;
};

}  // namespace lumivane
