#include "chat/chat_room_locator.h"

namespace lumivane {
namespace {

// A document window is a chat room when each marking class has a direct child in
// it. All four lookups are made every time, and a null candidate is looked into
// like any other: the system takes it as a search of the top-level windows.
bool CountsAsChatRoom(const WindowSystem& system, WindowHandle candidate) {
    const WindowHandle input = system.FindWindowExA(candidate, 0, "RICHCNTL");
    const WindowHandle people = system.FindWindowExA(candidate, 0, "_AOL_Listbox");
    const WindowHandle icon = system.FindWindowExA(candidate, 0, "_AOL_Icon");
    const WindowHandle label = system.FindWindowExA(candidate, 0, "_AOL_Static");
    return input != 0 && people != 0 && icon != 0 && label != 0;
}

}  // namespace

// Frame, then its document area, then the document windows in the area's order of
// children (front-most first). No handle is tested before it is passed on: with no
// frame the lookups below it search the top-level windows and find nothing there.
WindowHandle FindChatRoom(const WindowSystem& system) {
    const WindowHandle frame = system.FindWindowA("AOL Frame25");
    const WindowHandle area = system.FindWindowExA(frame, 0, "MDIClient");
    WindowHandle candidate = system.FindWindowExA(area, 0, "AOL Child");
    if (CountsAsChatRoom(system, candidate)) return candidate;
    for (;;) {
        candidate = system.FindWindowExA(area, candidate, "AOL Child");
        if (CountsAsChatRoom(system, candidate)) return candidate;
        if (candidate == 0) return 0;
    }
}

}  // namespace lumivane
