// The level profile and the visibility horizon on the real main window, over
// a region written by the test: three north-south curves met west to east at
// 300, 500 and 400 m, and three rings around the map centre.
#include <QApplication>
#include <QMenu>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>

#include <cmath>
#include <memory>
#include <numbers>
#include <sstream>

#include <gtest/gtest.h>

#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "app/ui/pointer_handlers.h"
#include "support/map_picture.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "terrain/ui/form_profil.h"

namespace orvex {
namespace {

constexpr double kLon = 6.017;  // the map centre, off the three curves
constexpr double kLat = 49.6;
constexpr CouleurBgr kBlanc = 0xFFFFFF;

std::string Courbe(std::int32_t altitude, const std::vector<std::pair<double, double>>& lonLat) {
  std::ostringstream text;
  text.precision(10);
  text << lonLat.size() << "\r\n" << altitude << "\r\n";
  for (const auto& [lon, lat] : lonLat) {
    text << lat << "," << lon << "\r\n";
  }
  return text.str();
}

std::string Anneau(std::int32_t altitude, double rayon) {
  std::vector<std::pair<double, double>> points;
  for (int k = 0; k <= 360; ++k) {
    const double t = 2 * std::numbers::pi * (k + 0.25) / 360;
    points.emplace_back(kLon + 1.5 * rayon * std::cos(t), kLat + rayon * std::sin(t));
  }
  return Courbe(altitude, points);
}

class ProfilForm : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("ORVEX.INI", "PeripheriqueCOM1=" + (dir_.path() / "no-such-tty").string() +
                                "\r\nProtocoleGPS=COM1:4800,N,8,1\r\nInterface=3\r\nTrame=1\r\nPeriodeGPS=2\r\n"
                                "Canaux=3\r\nLgDemarre=6.017\r\nLtDemarre=49.6\r\nZoomDemarre=10000\r\n"
                                "CarteDemarre=X\r\nRepertoireLieu=r\r\n");
    dir_.Write("lieux/r/niveaux/lignes.dat", Courbe(500, {{6.02, 49.59}, {6.02, 49.61}}) +
                                                 Courbe(300, {{6.01, 49.59}, {6.01, 49.61}}) +
                                                 Courbe(400, {{6.03, 49.59}, {6.03, 49.61}}));
    dir_.Write("lieux/r/niveaux/anneaux.dat", Anneau(100, 0.002) + Anneau(200, 0.004) + Anneau(300, 0.006));
    dir_.MakeDir("relais");
    dir_.Write("canaux.dat", "R1,145.6125\r\n");
    form_ = std::make_unique<TFormPrinc>(dialogs_, dir_.path());
    ASSERT_TRUE(form_->FormCreate());
    form_->Timer1->stop();
    form_->MapCanvas().SetSize(600, 400);
    form_->ImageCarte->CanvasResized();
    form_->show();
    form_->RequestRedraw();
  }

  void Vecteur(double lgA, double ltA, double lgB, double ltB) {
    PointerInteraction& s = form_->Pointer().Interaction();
    s.MeasureOrigin = {lgA, ltA};
    s.MeasureEnd = {lgB, ltB};
  }

  ScreenPoint Ecran(double lon, double lat) { return GeoToScreen(form_->State().projection, lon, lat, 0); }
  int Blancs(const QRect& zone) { return testing::CountColour(form_->MapCanvas(), kBlanc, zone); }

  testing::TempDir dir_;
  testing::ScriptedDialogs dialogs_;
  std::unique_ptr<TFormPrinc> form_;
};

TEST_F(ProfilForm, CommandsCarryTheirCaptions) {
  const std::pair<const char*, const char*> actions[] = {
      {"Courbedeniveau1", "Profil de niveau"},
      {"HorVisibilite", "Determiner horizon de visibilité"},
      {"Profildeniveau", "Profil de niveau"},
  };
  for (const auto& [name, caption] : actions) {
    const auto* action = form_->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    EXPECT_EQ(action->text(), QString::fromUtf8(caption)) << name;
  }
  EXPECT_TRUE(form_->Pointer().PopupMenuGeneral->actions().contains(form_->findChild<QAction*>("Profildeniveau")));
  const auto* annule = form_->findChild<QToolButton*>("BoutonAnnule");
  ASSERT_NE(annule, nullptr);
  EXPECT_EQ(annule->text(), "Annule");
  EXPECT_EQ(annule->toolTip(), "Annule la fonction en cours");
}

TEST_F(ProfilForm, ProfileOfTheDrawnVectorShowsTheSectionMarksTheMapAndPrints) {
  // Drawn east to west, above the rings.
  Vecteur(6.04, 49.608, 6.0, 49.608);
  const std::string pdf = (dir_.path() / "profil.pdf").string();
  dialogs_.fileNames.push_back(pdf);
  dialogs_.printer = [&pdf](QPrinter& printer) {
    printer.setOutputFileName(QString::fromStdString(pdf));
    return true;
  };
  bool shown = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<TFormProfil*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    shown = true;
    EXPECT_EQ(dialog->windowTitle(), "Profil de niveau");
    std::vector<std::int32_t> altitudes;
    for (const TPointProfil& point : dialog->Tries()) {
      altitudes.push_back(point.Altitude);
    }
    EXPECT_EQ(altitudes, (std::vector<std::int32_t>{300, 500, 400}));
    EXPECT_EQ(dialog->Section().size(), QSize(585, 113));
    EXPECT_EQ(dialog->ButtonImprime->text(), "Imprimer");
    dialog->ButtonImprime->click();
    dialog->accept();
  });
  form_->ProfilNiveauCmdExecute();
  ASSERT_TRUE(shown);
  EXPECT_TRUE(testing::ReadFile(pdf).starts_with("%PDF"));
  for (const double lon : {6.01, 6.02, 6.03}) {
    const ScreenPoint c = Ecran(lon, 49.608);
    EXPECT_GE(Blancs(QRect(c.x - 10, c.y, 20, 1)), 19) << lon;  // the cross
  }
  const ScreenPoint a = Ecran(6.01, 49.608);
  const ScreenPoint b = Ecran(6.03, 49.608);
  const ScreenPoint milieu = Ecran(6.02, 49.608);
  EXPECT_GT(testing::CountColour(form_->MapCanvas(), 0x008000, QRect(a.x + 2, a.y + 2, 10, 12)), 10);
  EXPECT_GT(testing::CountColour(form_->MapCanvas(), 0x008000, QRect(b.x + 2, b.y + 2, 10, 12)), 10);
  EXPECT_EQ(testing::CountColour(form_->MapCanvas(), 0x008000, QRect(milieu.x + 2, milieu.y + 2, 10, 12)), 0);
}

TEST_F(ProfilForm, ASingleCrossingShowsNoDialog) {
  Vecteur(6.0, 49.608, 6.015, 49.608);
  bool dialogShown = false;
  QTimer::singleShot(0, [&] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      dialogShown = true;
      dialog->close();
    }
  });
  form_->ProfilNiveauCmdExecute();
  QApplication::processEvents();
  EXPECT_FALSE(dialogShown);
  const ScreenPoint c = Ecran(6.01, 49.608);
  EXPECT_GE(Blancs(QRect(c.x - 10, c.y, 20, 1)), 19);  // its cross is drawn all the same
}

TEST_F(ProfilForm, HorizonRunsOverEveryDirectionUnlessCancelled) {
  const ScreenPoint centre = Ecran(kLon, kLat);
  // The rays reach the outer ring, 0.006 degrees of latitude from the centre.
  const QRect ouest(centre.x - 120, centre.y - 20, 100, 40);
  const QRect est(centre.x + 20, centre.y - 20, 100, 40);
  form_->HorVisibiliteClick();
  EXPECT_GT(Blancs(ouest), 20);
  EXPECT_GT(Blancs(est), 20);
  EXPECT_FALSE(form_->State().AnnuleFonction);

  form_->RequestRedraw();
  ASSERT_EQ(Blancs(ouest), 0);
  // "Annule" pressed while the events of the first direction are processed.
  QTimer::singleShot(0, [this] { form_->findChild<QToolButton*>("BoutonAnnule")->click(); });
  form_->HorVisibiliteClick();
  EXPECT_GT(Blancs(est), 0);
  EXPECT_EQ(Blancs(ouest), 0);
  EXPECT_FALSE(form_->State().AnnuleFonction);
}

}  // namespace
}  // namespace orvex
