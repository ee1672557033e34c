// Text crossing into and out of the 8-bit (...A) profile-file interface.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace lumivane {

// `text` in the 8-bit code page; characters it cannot represent become the code
// page's default character.
std::string ToCodePage(std::u16string_view text, UINT codePage = CP_ACP);

// The wide text of `bytes` in the 8-bit code page. A lead byte of a double-byte
// code page left alone at the end (a value cut in the middle of a character) is
// dropped rather than turned into a stray character.
std::u16string FromCodePage(std::string_view bytes, UINT codePage = CP_ACP);

}  // namespace lumivane
