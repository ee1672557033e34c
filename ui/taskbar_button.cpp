#include "ui/taskbar_button.h"

#include <objbase.h>
#include <shobjidl.h>

namespace lumivane {
namespace {

// The taskbar's list object and its interface, spelled out here rather than
// taken from an import library.
constexpr CLSID kTaskbarListClass = {
    0x56fdf344, 0xfd6d, 0x11d0, {0x95, 0x8a, 0x00, 0x60, 0x97, 0xc9, 0xa0, 0x90}};
constexpr IID kTaskbarListInterface = {
    0x56fdf342, 0xfd6d, 0x11d0, {0x95, 0x8a, 0x00, 0x60, 0x97, 0xc9, 0xa0, 0x90}};

void SetTaskbarStyle(HWND window, LONG_PTR add, LONG_PTR remove) {
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    SetWindowLongPtrW(window, GWL_EXSTYLE, (exStyle & ~remove) | add);
}

// Asks the taskbar to drop the window's button. Where the taskbar cannot be
// reached (no shell, no COM) the button stays until the window is next hidden;
// the window itself is right either way.
void DeleteTaskbarTab(HWND window) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ITaskbarList* taskbar = nullptr;
    if (SUCCEEDED(CoCreateInstance(kTaskbarListClass, nullptr, CLSCTX_INPROC_SERVER,
                                   kTaskbarListInterface, reinterpret_cast<void**>(&taskbar)))) {
        if (SUCCEEDED(taskbar->HrInit())) taskbar->DeleteTab(window);
        taskbar->Release();
    }
    if (SUCCEEDED(com)) CoUninitialize();
}

}  // namespace

void GiveTaskbarButton(HWND window) {
    ShowWindow(window, SW_HIDE);
    SetTaskbarStyle(window, WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
    ShowWindow(window, SW_SHOWMINNOACTIVE);
}

void TakeTaskbarButtonAway(HWND window) {
    SetTaskbarStyle(window, WS_EX_TOOLWINDOW, WS_EX_APPWINDOW);
    // The frame is drawn anew for the style, and the window goes to the top of
    // the top-most windows; the place, size and activation stay as they are.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DeleteTaskbarTab(window);
}

}  // namespace lumivane
