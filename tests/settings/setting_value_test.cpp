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

std::u16string Repeated(char16_t c, std::size_t count) { return std::u16string(count, c); }

struct ReadBackRow {
    const char* what;
    std::u16string stored;
    std::u16string readBack;
    bool holds;
};

// What the profile services give back for a value that was stored, and what a
// lost or stale write gives back instead.
const ReadBackRow kReadBacks[] = {
    {"the value itself", u"16711680", u"16711680", true},
    {"an empty face", u"", u"", true},
    {"blanks around it are dropped", u"  Arial\t", u"Arial", true},
    {"a pair of quotes is dropped", u"\"Arial\"", u"Arial", true},
    {"blanks inside quotes", u" ' Arial ' ", u" Arial ", true},
    {"a long face, cut", Repeated(u'x', 1000), Repeated(u'x', 749), true},
    {"a long face cut just after a blank", Repeated(u'x', 748) + u" " + Repeated(u'y', 100),
     Repeated(u'x', 748) + u" ", true},
    {"nothing stored", u"255", u"", false},
    {"nothing stored for a face", u"Arial", u"", false},
    {"an older value", u"255", u"65280", false},
    {"an older face", u"Impact", u"Arial", false},
    {"a value cut short", u"16711680", u"1671", false},
    {"a value with more", u"255", u"2550", false},
    {"a long face, another front", Repeated(u'x', 1000), Repeated(u'x', 748) + u"y", false},
    {"a long face, nothing stored", Repeated(u'x', 1000), u"", false},
    {"a short value read back full", u"Arial", u"Arial" + Repeated(u'x', 744), false},
    {"a no-break space at an end may go too", u"Arial\u00a0", u"Arial", true},
    {"blanks inside count", u"Ari al", u"Arial", false},
};

TEST(ReadBackHolds, OnlyWhatTheProfileServicesDropOrCutIsForgiven) {
    for (const ReadBackRow& row : kReadBacks) {
        EXPECT_EQ(ReadBackHolds(row.stored, row.readBack), row.holds) << row.what;
    }
}

}  // namespace
}  // namespace lumivane
