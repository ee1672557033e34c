#include "settings/setting_value.h"

#include <gtest/gtest.h>

#include <string>

namespace lumivane {
namespace {

struct ValueRow {
    std::u16string_view value;
    std::u16string_view stored;
};

constexpr ValueRow kValues[] = {
    {u"Arial", u"Arial"},
    {u"", u""},
    {u"Ari\r\nal", u"Ari  al"},
    {u"Ari\nal", u"Ari al"},
    {u"Ari\ral", u"Ari al"},
    {u"\n\r", u"  "},
    {u"Arial\r\n", u"Arial  "},
    {u"x\r\n[lumivane]\r\nCOLORS1=0", u"x  [lumivane]  COLORS1=0"},
    // Other controls and separators are not line breaks to the profile services.
    {u"a\tb\vc\fd", u"a\tb\vc\fd"},
    {u"a\u0085b\u2028c", u"a\u0085b\u2028c"},
    {u"Caf\u00e9 \u65e5\u672c", u"Caf\u00e9 \u65e5\u672c"},
};

TEST(OneLineValue, EachCarriageReturnAndLineFeedBecomesOneSpace) {
    for (const ValueRow& row : kValues) {
        const std::u16string stored = OneLineValue(row.value);
        EXPECT_EQ(stored, row.stored) << std::string(row.value.begin(), row.value.end());
        EXPECT_EQ(stored.size(), row.value.size());
    }
}

}  // namespace
}  // namespace lumivane
