// The names under which the window's four settings are kept in the settings file.
#pragma once

#include <string_view>

namespace lumivane {

// The one section of the settings file; passed exactly in this form.
inline constexpr std::u16string_view kSettingsSection = u"lumivane";

// The keys of the three swatch colours, Color1 to Color3, in the order they are
// read at start-up and written at close.
inline constexpr std::u16string_view kColorKeys[3] = {u"Colors1", u"Colors2", u"Colors3"};

// The key of the font face, read and written after the three colours.
inline constexpr std::u16string_view kFaceKey = u"Font Face";

}  // namespace lumivane
