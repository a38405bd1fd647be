// The level profile and the visibility horizon on the real main window, over
// the region of profil_region.h.
#include <QApplication>
#include <QMenu>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>

#include <memory>

#include <gtest/gtest.h>

#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "app/ui/pointer_handlers.h"
#include "profil_region.h"
#include "support/map_picture.h"
#include "support/scripted_dialogs.h"
#include "terrain/ui/form_profil.h"

namespace orvex {
namespace {

constexpr CouleurBgr kBlanc = 0xFFFFFF;
constexpr CouleurBgr kVertTexte = 0x008000;

class ProfilForm : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EcritRegionProfil(dir_, "PeripheriqueCOM1=" + (dir_.path() / "no-such-tty").string() + "\r\n");
    form_ = std::make_unique<TFormPrinc>(dialogs_, dir_.path());
    ASSERT_TRUE(form_->FormCreate());
    form_->Timer1->stop();
    form_->MapCanvas().SetSize(600, 400);
    form_->ImageCarte->CanvasResized();
    form_->show();
    form_->RequestRedraw();
  }

  // The last vector drawn on the map.
  void Vecteur(double lgA, double ltA, double lgB, double ltB) {
    form_->Pointer().Interaction().MeasureOrigin = {lgA, ltA};
    form_->Pointer().Interaction().MeasureEnd = {lgB, ltB};
  }
  ScreenPoint Ecran(double lon, double lat) { return GeoToScreen(form_->State().projection, lon, lat, 0); }
  int Pixels(CouleurBgr couleur, const QRect& zone) { return testing::CountColour(form_->MapCanvas(), couleur, zone); }
  bool Croix(double lon, double lat) {
    const ScreenPoint c = Ecran(lon, lat);
    return Pixels(kBlanc, QRect(c.x - 10, c.y, 20, 1)) >= 19;
  }
  bool MarqueAuBord(double lon, double lat) {
    const ScreenPoint c = Ecran(lon, lat);
    return Pixels(kVertTexte, QRect(c.x + 2, c.y + 2, 10, 12)) > 10;
  }

  testing::TempDir dir_;
  testing::ScriptedDialogs dialogs_;
  std::unique_ptr<TFormPrinc> form_;
};

TEST_F(ProfilForm, ProfileOfTheDrawnVectorFromTheMenusShowsTheSectionMarksTheMapAndPrints) {
  const std::pair<const char*, const char*> menus[] = {{"Courbedeniveau1", "Profil de niveau"},
                                                       {"HorVisibilite", "Determiner horizon de visibilité"},
                                                       {"Profildeniveau", "Profil de niveau"}};
  for (const auto& [name, caption] : menus) {
    ASSERT_NE(form_->findChild<QAction*>(name), nullptr) << name;
    EXPECT_EQ(form_->findChild<QAction*>(name)->text(), QString::fromUtf8(caption)) << name;
  }
  QAction* popup = form_->findChild<QAction*>("Profildeniveau");
  EXPECT_TRUE(form_->Pointer().PopupMenuGeneral->actions().contains(popup));

  Vecteur(6.04, 49.608, 6.0, 49.608);  // east to west, above the rings
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
  popup->trigger();
  ASSERT_TRUE(shown);
  EXPECT_TRUE(testing::ReadFile(pdf).starts_with("%PDF"));
  EXPECT_TRUE(Croix(6.01, 49.608) && Croix(6.02, 49.608) && Croix(6.03, 49.608));
  EXPECT_TRUE(MarqueAuBord(6.01, 49.608));
  EXPECT_TRUE(MarqueAuBord(6.03, 49.608));
  EXPECT_FALSE(MarqueAuBord(6.02, 49.608));
}

TEST_F(ProfilForm, AnnuleStopsTheHorizonAfterTheCurrentDirection) {
  const auto* annule = form_->findChild<QToolButton*>("BoutonAnnule");
  ASSERT_NE(annule, nullptr);
  EXPECT_EQ(annule->text(), "Annule");
  EXPECT_EQ(annule->toolTip(), "Annule la fonction en cours");
  const ScreenPoint centre = Ecran(testing::kProfilLon, testing::kProfilLat);
  const QRect ouest(centre.x - 25, centre.y - 10, 20, 20);
  const QRect est(centre.x + 5, centre.y - 10, 20, 20);
  // Pressed while the events of the first direction (due east) are processed.
  QTimer::singleShot(0, [annule] { const_cast<QToolButton*>(annule)->click(); });
  form_->findChild<QAction*>("HorVisibilite")->trigger();
  EXPECT_GT(Pixels(kBlanc, est), 0);
  EXPECT_EQ(Pixels(kBlanc, ouest), 0);
  EXPECT_FALSE(form_->State().AnnuleFonction);
}

}  // namespace
}  // namespace orvex
