#include "NamedColorTable.h"

#include <algorithm>

namespace corvane {

// Lookup order; the values are unique, so the order never decides a match.
const std::array<NamedColor, 65> NamedColorTable = {{
    {0xFFD2B48Cu, "Ash"},
    {0xFF0080FFu, "Azure"},
    {0xFF000000u, "Black"},
    {0xFFB16162u, "Bloodwood"},
    {0xFF0000FFu, "Blue Colored Wood"},
    {0xFF804000u, "Chestnut Brown Colored Wood"},
    {0xFF9A4E2Fu, "Bubinga"},
    {0xFFD0A791u, "Cherry"},
    {0xFF00FFFFu, "Cyan Colored Wood"},
    {0xFF404080u, "Dark Lilac Colored Wood"},
    {0xFF004040u, "Deep Teal Colored Wood"},
    {0xFF004000u, "Dark Green Colored Wood"},
    {0xFF804080u, "Plum Colored Wood"},
    {0xFF400000u, "Deep Maroon Colored Wood"},
    {0xFF004080u, "Midnight Blue Colored Wood"},
    {0xFF400040u, "Eggplant Colored Wood"},
    {0xFF804040u, "Brick Red Colored Wood"},
    {0xFF008040u, "Dark Jade Colored Wood"},
    {0xFFFF8000u, "Burnt Orange Colored Wood"},
    {0xFF80FFFFu, "Electric Blue Colored Wood"},
    {0xFF008000u, "Forest Green Colored Wood"},
    {0xFF808080u, "Gray Colored Wood"},
    {0xFF00FF00u, "Green Colored Wood"},
    {0xFF400080u, "Indigo Colored Wood"},
    {0xFF8080FFu, "Lavender Blue Colored Wood"},
    {0xFF00FF80u, "Aquamarine Colored Wood"},
    {0xFFF0F0F0u, "Light Gray"},
    {0xFF80FF80u, "Mint Green Colored Wood"},
    {0xFFFF80FFu, "Light Magenta Colored Wood"},
    {0xFF8080C0u, "Light Purple Colored Wood"},
    {0xFFFF8080u, "Salmon Colored Wood"},
    {0xFFFFFF80u, "Light Yellow Colored Wood"},
    {0xFF80FF00u, "Lime Colored Wood"},
    {0xFFFF00FFu, "Magenta Colored Wood"},
    {0xFFC04000u, "Mahogany"},
    {0xFFEFDDD4u, "Maple"},
    {0xFF800000u, "Maroon Colored Wood"},
    {0xFF0000A0u, "Royal Blue Colored Wood"},
    {0xFF000080u, "Navy Colored Wood"},
    {0xFF808000u, "Olive Colored Wood"},
    {0xFF808040u, "Olive Drab Colored Wood"},
    {0xFFFF8040u, "Orange Colored Wood"},
    {0xFFF8D38Cu, "Osage Orange"},
    {0xFF000040u, "Oxford Blue Colored Wood"},
    {0xFFDB7046u, "Padauk"},
    {0xFF0080C0u, "Sky Blue Colored Wood"},
    {0xFFFF80C0u, "Pink Colored Wood"},
    {0xFFFF0080u, "Bright Pink Colored Wood"},
    {0xFF800080u, "Purple Colored Wood"},
    {0xFF68315Bu, "Purpleheart"},
    {0xFFFF0000u, "Red Colored Wood"},
    {0xFFFFC69Bu, "Red Oak"},
    {0xFF9B5133u, "Sapele"},
    {0xFFC0C0C0u, "Silver Colored Wood"},
    {0xFFC19A6Bu, "Teak"},
    {0xFF008080u, "Teal Colored Wood"},
    {0xFF408080u, "Dark Teal Colored Wood"},
    {0xFF00FF40u, "Turquoise Colored Wood"},
    {0xFF800040u, "Violet Red Colored Wood"},
    {0xFF8000FFu, "Violet Colored Wood"},
    {0xFF8B4513u, "Walnut"},
    {0xFFFFFFFFu, "blank"},
    {0xFFE1C8A0u, "White Oak"},
    {0xFFFFFF00u, "Yellow Colored Wood"},
    {0xFFF0DC96u, "Yellowwood"},
}};

// Five menu texts are spelled differently from the names the segments carry
// (BloodWood/Bloodwood, Paduak/Padauk, ...); both spellings are kept as users know them.
const std::array<WoodCommand, 15> WoodCommands = {{
    {32803, "Ash", 0xFFD2B48Cu},
    {32789, "BloodWood", 0xFFB16162u},
    {32790, "Bubinga", 0xFF9A4E2Fu},
    {32791, "Cherry", 0xFFD0A791u},
    {32792, "Mahogany", 0xFFC04000u},
    {32793, "Maple", 0xFFEFDDD4u},
    {32794, "Osage Orange", 0xFFF8D38Cu},
    {32795, "Paduak", 0xFFDB7046u},
    {32796, "PurpleHeart", 0xFF68315Bu},
    {32797, "Red Oak", 0xFFFFC69Bu},
    {32798, "Sepele", 0xFF9B5133u},
    {32799, "Teak", 0xFFC19A6Bu},
    {32800, "Walnut", 0xFF8B4513u},
    {32801, "White Oak", 0xFFE1C8A0u},
    {32802, "YellowWood", 0xFFF0DC96u},
}};

std::string ColorNameOf(Argb color) {
    const auto match =
        std::find_if(NamedColorTable.begin(), NamedColorTable.end(),
                     [color](const NamedColor& entry) { return entry.value == color; });
    return match != NamedColorTable.end() ? match->name : kCustomColorName;
}

Argb ArgbFromRgb(int red, int green, int blue) {
    const auto byte = [](int value) { return static_cast<Argb>(value) & 0xFFu; };
    return 0xFF000000u | byte(red) << 16 | byte(green) << 8 | byte(blue);
}

}  // namespace corvane
