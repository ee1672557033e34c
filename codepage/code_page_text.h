// Text and the system's 8-bit code page, in which the settings file is kept and the
// chat client takes its lines: the one conversion at the edge of the ...A interfaces.
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

// `text` as it comes back from the 8-bit code page: what a value keeps when it
// is stored as 8-bit text and read back (characters the code page lacks become
// its default character or the nearest one it has).
std::u16string ThroughCodePage(std::u16string_view text, UINT codePage = CP_ACP);

}  // namespace lumivane
