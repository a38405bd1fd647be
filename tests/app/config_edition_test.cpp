// The configuration dialog's checks and the ORVEX.INI writer of "Sauver":
// what start-up reads back, what the file keeps, read-only files.
#include "app/config_edition.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_dir.h"

namespace orvex {
namespace {

TextesCarte Valides() {
  return {
      "06\xB0"
      "07'51\"E",
      "49\xB0"
      "36'42\"N",
      "06\xB0"
      "06'00\"E",
      "49\xB0"
      "45'00\"N",
      "600"};
}

TEST(ValideCarte, RefusesWithMessageAndField) {
  struct Case {
    const char* what;
    std::string TextesCarte::*champ;
    std::string texte;
    std::optional<ErreurConfig> erreur;
  };
  const ErreurConfig longitude{"La longitude est incorrecte", ChampConfig::LgCour};
  const ErreurConfig zoom{"Le Zoom entré est incorrect", ChampConfig::Zoom};
  const Case cases[] = {
      {"all valid", &TextesCarte::zoom, "600", std::nullopt},
      {"0°0'0\" is the refusal value", &TextesCarte::lgCour,
       "0\xB0"
       "0'0\"E",
       longitude},
      {"decimal without degree sign", &TextesCarte::lgCour, "6.13", longitude},
      {"latitude of the observer", &TextesCarte::ltCour, "abc",
       ErreurConfig{"La latitude est incorrecte", ChampConfig::LtCour}},
      {"centre longitude out of range", &TextesCarte::lgCentre,
       "200\xB0"
       "00'00\"E",
       ErreurConfig{"La longitude est incorrecte", ChampConfig::LgCentre}},
      {"centre latitude out of range", &TextesCarte::ltCentre,
       "95\xB0"
       "00'00\"N",
       ErreurConfig{"La latitude est incorrecte", ChampConfig::LtCentre}},
      {"zoom 50000 accepted", &TextesCarte::zoom, "50000", std::nullopt},
      {"zoom 50001", &TextesCarte::zoom, "50001", zoom},
      {"zoom 0", &TextesCarte::zoom, "0", zoom},
      {"six digits whatever their value", &TextesCarte::zoom, "000600", zoom},
      {"sign", &TextesCarte::zoom, "-5", zoom},
      {"empty", &TextesCarte::zoom, "", zoom},
  };
  for (const Case& c : cases) {
    TextesCarte textes = Valides();
    textes.*c.champ = c.texte;
    const auto resultat = ValideCarte(textes);
    if (c.erreur) {
      ASSERT_TRUE(std::holds_alternative<ErreurConfig>(resultat)) << c.what;
      EXPECT_EQ(std::get<ErreurConfig>(resultat), *c.erreur) << c.what;
    } else {
      EXPECT_TRUE(std::holds_alternative<ValeursCarte>(resultat)) << c.what;
    }
  }
  const ValeursCarte v = std::get<ValeursCarte>(ValideCarte(Valides()));
  EXPECT_NEAR(v.lgCour, 6 + 7 / 60.0 + 51 / 3600.0, 1e-12);
  EXPECT_NEAR(v.ltCentre, 49.75, 1e-12);
  EXPECT_EQ(v.zoom, 600);
}

const char kIni[] =
    "/ ORVEX32 : fichier de configuration\r\n"
    "lgcourant:06\xB0"
    "07'51\"E\r\n"
    "LtCourant=49\xB0"
    "36'42\"N\r\n"
    "ProtocoleRotor=Aucun\r\n"
    "ProtocoleGPS=COM1:4800,N,8,1\r\n"
    "/ Interface 1..4\r\n"
    "Interface=3\r\n"
    "Trame=1\r\n"
    "PeriodeGPS=2\r\n"
    "Canaux=3\r\n"
    "LgDemarre=6.10\r\n"
    "LtDemarre=49.75\r\n"
    "ZoomDemarre=600\r\n"
    "Inconnue=garde-moi\r\n"
    "PeripheriqueCOM1=/dev/ttyUSB0\r\n"
    "RepertoireLieu=luxembourg\r\n"
    "Trame=2\r\n";

TEST(SauveConfiguration, RoundTripKeepsTheRestAndIsStable) {
  testing::TempDir dir;
  const auto fichier = dir.Write("ORVEX.INI", kIni);
  std::vector<std::string> lignes;
  ASSERT_TRUE(LoadConfigurationLines(fichier, lignes));
  Configuration config;
  DecodeFailure echec;
  ASSERT_TRUE(DecodeConfiguration(lignes, config, echec));
  config.LgCourant = -(1 + 30 / 60.0);
  config.LtDemarre = 43 + 42 / 60.0 + 7 / 3600.0;
  config.PortGPS = 3;
  config.IndexVitesse = 7;
  config.IndexParite = 2;
  config.IndexBits = 2;
  config.BitsStop = 2;
  config.TypeTrame = 2;
  config.ZoomDemarre = 1234;
  config.CarteDemarre = "carte.bmp";
  ASSERT_EQ(SauveConfiguration(fichier, ValeursAEcrire(config)), 0);

  const std::string ecrit = testing::ReadFile(fichier);
  for (const char* garde : {"/ ORVEX32 : fichier de configuration\r\n", "/ Interface 1..4\r\n",
                            "ProtocoleRotor=Aucun\r\n", "Inconnue=garde-moi\r\n", "PeripheriqueCOM1=/dev/ttyUSB0\r\n",
                            "lgcourant:01\xB0"
                            "30'00\"O\r\n",
                            "ProtocoleGPS=COM3:9600,E,7,2\r\n", "Trame=2\r\nPeriodeGPS", "\r\nTrame=2\r\n"}) {
    EXPECT_NE(ecrit.find(garde), std::string::npos) << garde;
  }
  EXPECT_TRUE(ecrit.ends_with("RepertoireLieu=luxembourg\r\nTrame=2\r\nCarteDemarre=carte.bmp\r\n")) << ecrit;
  EXPECT_LT(ecrit.find("LgDemarre"), ecrit.find("LtDemarre"));

  Configuration relue;
  ASSERT_TRUE(LoadConfigurationLines(fichier, lignes));
  ASSERT_TRUE(DecodeConfiguration(lignes, relue, echec)) << echec.text;
  EXPECT_DOUBLE_EQ(relue.LgCourant, config.LgCourant);
  EXPECT_NEAR(relue.LtDemarre, config.LtDemarre, 1e-12);
  EXPECT_EQ(std::tuple(relue.PortGPS, relue.IndexVitesse, relue.IndexParite, relue.IndexBits, relue.BitsStop,
                       relue.TypeTrame, relue.ZoomDemarre, relue.CarteDemarre, relue.PeripheriquesCOM.at(1)),
            std::tuple(3, 7, 2, 2, 2, 2, 1234, std::string("carte.bmp"), std::string("/dev/ttyUSB0")));

  ASSERT_EQ(SauveConfiguration(fichier, ValeursAEcrire(relue)), 0);
  EXPECT_EQ(testing::ReadFile(fichier), ecrit) << "a second save is byte-identical";
}

TEST(SauveConfiguration, ReadOnlyFileStaysAsItWas) {
  testing::TempDir dir;
  const auto fichier = dir.Write("ORVEX.INI", kIni);
  ASSERT_EQ(chmod(fichier.c_str(), 0444), 0);
  Configuration config;
  config.ZoomDemarre = 9;
  EXPECT_EQ(SauveConfiguration(fichier, ValeursAEcrire(config)), EACCES);
  EXPECT_EQ(testing::ReadFile(fichier), kIni);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1)
      << "no temporary file left";
}

TEST(SauveConfiguration, LineEndsOfTheFileAreKept) {
  EXPECT_EQ(ReecritConfiguration("/ c\nTrame=1", {{"Trame", "2"}, {"Interface", "3"}}), "/ c\nTrame=2\nInterface=3\n");
  EXPECT_EQ(ReecritConfiguration("", {{"Trame", "2"}}), "Trame=2\n");
  EXPECT_EQ(ReecritConfiguration("Trame\r\n", {{"Trame", "2"}}), "Trame=2\r\n");
}

}  // namespace
}  // namespace orvex
