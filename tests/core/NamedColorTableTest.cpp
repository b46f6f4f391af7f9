#include "NamedColorTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace corvane {
namespace {

TEST(NamedColorTable, ValuesAreUniqueAndOpaque) {
    std::set<Argb> values;
    for (const NamedColor& entry : NamedColorTable) {
        EXPECT_EQ(entry.value & 0xFF000000u, 0xFF000000u) << entry.name;
        values.insert(entry.value);
    }
    EXPECT_EQ(values.size(), NamedColorTable.size());
    EXPECT_STREQ(NamedColorTable.front().name, "Ash");
    EXPECT_STREQ(NamedColorTable.back().name, "Yellowwood");
}

TEST(NamedColorTable, NamesMatchAllThirtyTwoBits) {
    const std::vector<std::pair<Argb, std::string>> cases = {
        {0xFF8B4513u, "Walnut"},
        {0xFFFF0000u, "Red Colored Wood"},
        {0xFF000000u, "Black"},
        {0xFFFFFFFFu, "blank"},
        {0xFFF0F0F0u, "Light Gray"},
        {0xFF123456u, "Custom Colored Wood"},
        {0x008B4513u, "Custom Colored Wood"},
        {0x00FFFFFFu, "Custom Colored Wood"},
    };
    for (const auto& [color, name] : cases) {
        EXPECT_EQ(ColorNameOf(color), name) << std::hex << color;
    }
}

TEST(NamedColorTable, PickedColoursBecomeOpaque) {
    EXPECT_EQ(ArgbFromRgb(139, 69, 19), 0xFF8B4513u);
    EXPECT_EQ(ArgbFromRgb(255, 255, 255), kBlankColor);
    EXPECT_EQ(ArgbFromRgb(0, 0, 0), kBlackColor);
    EXPECT_EQ(ArgbFromRgb(255, 0, 0), 0xFFFF0000u);
}

TEST(NamedColorTable, WoodCommandsInMenuOrderCarryTheTableNames) {
    struct Expected {
        int id;
        const char* menuText;
        const char* storedName;
    };
    const std::vector<Expected> expected = {
        {32803, "Ash", "Ash"},
        {32789, "BloodWood", "Bloodwood"},
        {32790, "Bubinga", "Bubinga"},
        {32791, "Cherry", "Cherry"},
        {32792, "Mahogany", "Mahogany"},
        {32793, "Maple", "Maple"},
        {32794, "Osage Orange", "Osage Orange"},
        {32795, "Paduak", "Padauk"},
        {32796, "PurpleHeart", "Purpleheart"},
        {32797, "Red Oak", "Red Oak"},
        {32798, "Sepele", "Sapele"},
        {32799, "Teak", "Teak"},
        {32800, "Walnut", "Walnut"},
        {32801, "White Oak", "White Oak"},
        {32802, "YellowWood", "Yellowwood"},
    };
    ASSERT_EQ(WoodCommands.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(WoodCommands[i].commandId, expected[i].id);
        EXPECT_STREQ(WoodCommands[i].menuText, expected[i].menuText);
        EXPECT_EQ(ColorNameOf(WoodCommands[i].color), expected[i].storedName);
    }
}

}  // namespace
}  // namespace corvane
