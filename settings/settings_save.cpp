#include "settings/settings_save.h"

#include <utility>

#include "settings/ini_store.h"
#include "settings/setting_names.h"
#include "settings/setting_value.h"

namespace lumivane {

void SettingsSave::Write(std::u16string_view key, std::u16string_view value,
                         std::u16string_view file) {
    IniWrite write = WriteIniValue(kSettingsSection, key, value, file);
    writes_.push_back({std::u16string(key), std::move(write.value), std::u16string(file),
                       write.stored, write.error});
}

std::optional<SaveFailure> SettingsSave::Check() const {
    for (const Written& write : writes_) {
        if (!write.stored) return SaveFailure{write.file, write.error};
    }
    // A write that reports success can still store nothing; only the file tells.
    for (const Written& write : writes_) {
        if (!ReadBackHolds(write.value, ReadIniValue(kSettingsSection, write.key, write.file))) {
            return SaveFailure{write.file, 0};
        }
    }
    return std::nullopt;
}

}  // namespace lumivane
