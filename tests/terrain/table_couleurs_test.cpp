// The altitude colours: the 119-entry table and the colour, grey and plain
// scales.
#include <gtest/gtest.h>

#include "terrain/view/table_couleurs.h"

namespace orvex {
namespace {

TEST(TableCouleurs, RunsFromDarkBlueThroughYellowToRed) {
  ASSERT_EQ(TableCouleurs.size(), 119u);
  for (const auto& [index, couleur] :
       {std::pair<std::size_t, CouleurBgr>{0, 0x500000}, {1, 0x001000}, {14, 0x00D600}, {32, 0x00FF00}, {44, 0x00FF96},
        {58, 0x00FFFF}, {59, 0x00F0F0}, {73, 0x0065FF}, {84, 0x0013E3}, {99, 0x0000E0}, {114, 0x0000F0},
        {115, 0x0000FF}, {118, 0x0000FF}}) {
    EXPECT_EQ(TableCouleurs[index], couleur) << index;
  }
  // The table reads blue in the high byte: the first entry is blue, the last red.
  EXPECT_EQ(ToQColor(TableCouleurs.front()), QColor(0, 0, 0x50));
  EXPECT_EQ(ToQColor(TableCouleurs.back()), QColor(0xFF, 0, 0));
}

TEST(EchelleAltitude, AltitudesToTableColoursAndGreys) {
  struct Case { const char* what; EchelleAltitude echelle; double altitude; CouleurBgr attendue; };
  const Case cases[] = {
      {"lowest to the first colour", EchelleTableau(100, 336), 100, TableCouleurs[0]},
      {"highest to the last colour", EchelleTableau(100, 336), 336, TableCouleurs[118]},
      {"half way", EchelleTableau(100, 336), 218, TableCouleurs[59]},
      {"one step above the lowest", EchelleTableau(100, 336), 102, TableCouleurs[1]},
      {"below the scale keeps the first colour", EchelleTableau(100, 336), -50, TableCouleurs[0]},
      {"above the scale keeps the last colour", EchelleTableau(100, 336), 5000, TableCouleurs[118]},
      {"single altitude takes the last colour", EchelleTableau(250, 250), 250, TableCouleurs[118]},
      // k = 1, c = round(255 - 345) = -90.
      {"lowest to grey 10", EchelleGris(100, 345), 100, CouleurGris(10)},
      {"highest to white", EchelleGris(100, 345), 345, CouleurGris(255)},
      {"grey in between", EchelleGris(100, 345), 200, CouleurGris(110)},
      // k = 1.225, c = round(-112.5): ties go to the even -112, so 200 m is 245 - 112.
      {"offset rounded to even", EchelleGris(100, 300), 200, CouleurGris(133)},
      {"grey below the scale is black", EchelleGris(100, 345), -1000, kNoir},
      {"grey above the scale stays white", EchelleGris(100, 345), 1000, kBlanc},
      {"single altitude is white", EchelleGris(40, 40), 40, kBlanc},
      {"plain colour whatever the altitude", EchelleUnie(kVert), 1234, kVert},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CouleurAltitude(c.echelle, c.altitude), c.attendue) << c.what;
  }
}

}  // namespace
}  // namespace orvex
