// Lumivane: types a line into the open chat room, faded through three colours.
#include <windows.h>

#include "ui/form1.h"
#include "ui/library_search.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    lumivane::RestrictLibrarySearch();
    HWND form = lumivane::CreateForm1(instance);
    if (!form) return 1;
    lumivane::Form_Load(form);
    return lumivane::RunForm1(form);
}
