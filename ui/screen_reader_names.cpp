#include "ui/screen_reader_names.h"

#include <objbase.h>
#include <oleacc.h>

#include "ui/form_layout.h"

namespace lumivane {
namespace {

// The annotation service and its property names, spelled out here rather than
// taken from an import library.
constexpr CLSID kAccPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kNameProperty = {
    0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kRoleProperty = {
    0xcb905ff2, 0x7bd1, 0x4c05, {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};

constexpr wchar_t kFontBoxName[] = L"Font Face / Font Style";

struct ControlName {
    ControlId id;
    const wchar_t* name;
    bool pushButton;
};

// Text1 would be named after the static text before it, Combo1 after nothing,
// Command1 and the labels after their captions.
constexpr ControlName kControlNames[] = {
    {kText1, L"Text To Send To The Chat", false},
    {kCombo1, kFontBoxName, false},
    {kCommand1, L"Send", false},
    {kLabel1, L"Minimize", true},
    {kLabel2, L"Close", true},
};

void Name(IAccPropServices& services, HWND window, LONG object, const wchar_t* name) {
    services.SetHwndPropStr(window, static_cast<DWORD>(object), CHILDID_SELF, kNameProperty, name);
}

void MakePushButton(IAccPropServices& services, HWND window) {
    VARIANT role = {};
    role.vt = VT_I4;
    role.lVal = ROLE_SYSTEM_PUSHBUTTON;
    services.SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kRoleProperty,
                         role);
}

}  // namespace

// The thread's apartment stays open: the annotations belong to the window for
// its whole life. A name the service cannot set is left as the system gives it.
void NameForScreenReaders(HWND form) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                                kAccPropServicesInterface, reinterpret_cast<void**>(&services))) ||
        !services) {
        return;
    }
    Name(*services, form, OBJID_WINDOW, kForm1Name);
    Name(*services, form, OBJID_CLIENT, kForm1Name);
    for (const ControlName& control : kControlNames) {
        HWND window = GetDlgItem(form, control.id);
        Name(*services, window, OBJID_CLIENT, control.name);
        if (control.pushButton) MakePushButton(*services, window);
    }
    // The font box's edit field, which has the focus while the font box has it.
    COMBOBOXINFO combo = {};
    combo.cbSize = sizeof combo;
    if (GetComboBoxInfo(GetDlgItem(form, kCombo1), &combo) && combo.hwndItem) {
        Name(*services, combo.hwndItem, OBJID_CLIENT, kFontBoxName);
    }
    services->Release();
}

}  // namespace lumivane
