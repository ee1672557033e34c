// The window in the test's own process, its annotation service one that writes
// down what it is told: the window and the controls whose own text does not say
// what they are get the names a screen reader should say. (The service of the
// system itself keeps them; Wine's only accepts them.)
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "ui/form1.h"
#include "ui/form_layout.h"

namespace lumivane {
namespace {

// The system's annotation service and the properties it annotates, as the
// system names them.
constexpr CLSID kAccPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kNameProperty = {
    0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kRoleProperty = {
    0xcb905ff2, 0x7bd1, 0x4c05, {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};

struct Annotation {
    HWND window;
    DWORD object;
    DWORD child;
    GUID property;
    std::wstring text;  // a name
    long number;        // a role
};

// Writes down every annotation of a window; the rest it does not do.
class RecordingServices final : public IAccPropServices, public IClassFactory {
public:
    std::vector<Annotation> annotations;

    // One object for the whole test, on the stack: no counting.
    HRESULT WINAPI QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, kAccPropServicesInterface)) {
            *object = static_cast<IAccPropServices*>(this);
        } else if (IsEqualIID(iid, __uuidof(IClassFactory))) {
            *object = static_cast<IClassFactory*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        return S_OK;
    }
    ULONG WINAPI AddRef() override { return 2; }
    ULONG WINAPI Release() override { return 1; }

    HRESULT WINAPI CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (outer) return CLASS_E_NOAGGREGATION;
        return QueryInterface(iid, object);
    }
    HRESULT WINAPI LockServer(BOOL) override { return S_OK; }

    HRESULT WINAPI SetHwndProp(HWND window, DWORD object, DWORD child, MSAAPROPID property,
                               VARIANT value) override {
        annotations.push_back(
            {window, object, child, property, L"", value.vt == VT_I4 ? value.lVal : -1});
        return S_OK;
    }
    HRESULT WINAPI SetHwndPropStr(HWND window, DWORD object, DWORD child, MSAAPROPID property,
                                  LPCWSTR text) override {
        annotations.push_back({window, object, child, property, text ? text : L"", -1});
        return S_OK;
    }

    HRESULT WINAPI SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                 AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                     AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHwndProps(HWND, DWORD, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                      AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*, DWORD*) override {
        return E_NOTIMPL;
    }
};

// The name annotated last for the element, as a screen reader would be told it.
std::wstring NameOf(const std::vector<Annotation>& annotations, HWND window, LONG object) {
    std::wstring name = L"(none)";
    for (const Annotation& a : annotations) {
        if (a.window == window && a.object == static_cast<DWORD>(object) &&
            a.child == CHILDID_SELF && IsEqualGUID(a.property, kNameProperty)) {
            name = a.text;
        }
    }
    return name;
}

long RoleOf(const std::vector<Annotation>& annotations, HWND window) {
    long role = 0;
    for (const Annotation& a : annotations) {
        if (a.window == window && a.object == static_cast<DWORD>(OBJID_CLIENT) &&
            a.child == CHILDID_SELF && IsEqualGUID(a.property, kRoleProperty)) {
            role = a.number;
        }
    }
    return role;
}

struct NameRow {
    ControlId id;
    const wchar_t* name;
    long role;  // 0: the control's own
};

const NameRow kNames[] = {
    {kText1, L"Text To Send To The Chat", 0},
    {kCombo1, L"Font Face / Font Style", 0},
    {kCommand1, L"Send", 0},
    {kLabel1, L"Minimize", ROLE_SYSTEM_PUSHBUTTON},
    {kLabel2, L"Close", ROLE_SYSTEM_PUSHBUTTON},
};

TEST(Form1ScreenReader, TheWindowAndItsUnnamedControlsAreNamed) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    RecordingServices services;
    DWORD cookie = 0;
    ASSERT_EQ(CoRegisterClassObject(kAccPropServicesClass, static_cast<IClassFactory*>(&services),
                                    CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie),
              S_OK);
    HWND form = CreateForm1(GetModuleHandleW(nullptr));
    CoRevokeClassObject(cookie);
    ASSERT_NE(form, nullptr);
    const std::vector<Annotation>& said = services.annotations;
    EXPECT_EQ(NameOf(said, form, OBJID_WINDOW), L"Lumivane");
    EXPECT_EQ(NameOf(said, form, OBJID_CLIENT), L"Lumivane");
    for (const NameRow& row : kNames) {
        SCOPED_TRACE(ControlSpecOf(row.id).name);
        HWND control = GetDlgItem(form, row.id);
        EXPECT_EQ(NameOf(said, control, OBJID_CLIENT), row.name);
        EXPECT_EQ(RoleOf(said, control), row.role);
    }
    // The font box's edit field has the focus while the font box has it.
    COMBOBOXINFO combo = {};
    combo.cbSize = sizeof combo;
    ASSERT_TRUE(GetComboBoxInfo(GetDlgItem(form, kCombo1), &combo));
    EXPECT_EQ(NameOf(said, combo.hwndItem, OBJID_CLIENT), L"Font Face / Font Style");
    // The look stays: no caption changes for the names.
    wchar_t caption[32] = {};
    GetWindowTextW(form, caption, 32);
    EXPECT_STREQ(caption, L"");
    GetWindowTextW(GetDlgItem(form, kLabel2), caption, 32);
    EXPECT_STREQ(caption, L"X");
    DestroyWindow(form);
    CoUninitialize();
}

}  // namespace
}  // namespace lumivane
