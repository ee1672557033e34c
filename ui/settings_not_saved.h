// What the user is told when a close could not save the colours and the font face.
#pragma once

#include <windows.h>

#include <string>

#include "settings/settings_save.h"

namespace lumivane {

// The system's own words for `error`, in the user's language, without the line
// end; the empty text for 0 or an error the system has no words for.
std::wstring SystemReason(unsigned long error);

// The message: what was not saved, the settings file's full path, the system's
// reason, and what to do about it.
std::wstring SettingsNotSavedText(const SaveFailure& failure);

// Shows the message in a box owned by `form` and returns once the user answers it.
void TellSettingsNotSaved(HWND form, const SaveFailure& failure);

}  // namespace lumivane
