#include "ui/settings_not_saved.h"

namespace lumivane {

std::wstring SystemReason(unsigned long error) {
    if (error == 0) return {};
    wchar_t* words = nullptr;
    const DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length =
        FormatMessageW(flags, nullptr, error, 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
    std::wstring reason(words ? words : L"", words ? length : 0);
    if (words) LocalFree(words);
    const std::size_t end = reason.find_last_not_of(L"\r\n ");
    reason.erase(end == std::wstring::npos ? 0 : end + 1);
    return reason;
}

std::wstring SettingsNotSavedText(const SaveFailure& failure) {
    const std::wstring file(failure.file.begin(), failure.file.end());
    std::wstring why;
    if (failure.error == 0) {
        why = L"Windows gave no reason, but the file does not hold them.";
    } else {
        const std::wstring reason = SystemReason(failure.error);
        const std::wstring code = L"error " + std::to_wstring(failure.error);
        why = reason.empty() ? L"Windows gave " + code + L"."
                             : L"Windows says: " + reason + L" (" + code + L")";
    }
    return L"Lumivane could not save your colours and font face. They belong in this file, "
           L"beside lumivane.exe:\n\n" +
           file + L"\n\n" + why +
           L"\n\nThe next time Lumivane starts, it will not have them. To keep them, move "
           L"lumivane.exe to a folder you can write to, such as one in Documents, and start it "
           L"from there.";
}

void TellSettingsNotSaved(HWND form, const SaveFailure& failure) {
    MessageBoxW(form, SettingsNotSavedText(failure).c_str(), L"Lumivane", MB_OK | MB_ICONWARNING);
}

}  // namespace lumivane
