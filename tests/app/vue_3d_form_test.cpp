// The 3D commands on the real main window: the controller's sliders and the
// deferred layers, "Vue 3D", the fly-over and "Annule", the ground view's
// refusal without a vector.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "app/ui/form_princ.h"
#include "app/ui/pointer_handlers.h"
#include "geo/angle_constants.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "terrain/ui/form_3d.h"

namespace orvex {
namespace {

class Vue3DForm : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("ORVEX.INI", "PeripheriqueCOM1=" + (dir_.path() / "no-such-tty").string() +
                                "\r\nProtocoleGPS=COM1:4800,N,8,1\r\nInterface=3\r\nTrame=1\r\nPeriodeGPS=2\r\n"
                                "Canaux=3\r\nLgDemarre=6.1\r\nLtDemarre=49.6\r\nZoomDemarre=1500\r\n"
                                "CarteDemarre=X\r\nRepertoireLieu=r\r\n");
    dir_.Write("lieux/r/niveaux/n.dat", "3\r\n300\r\n49.55,6.05\r\n49.65,6.15\r\n49.6,6.2\r\n");
    dir_.Write("lieux/r/villes/v.dat", "Ville,6.1,49.6,0,1,40\r\n");
    dir_.MakeDir("relais");
    dir_.Write("canaux.dat", "R1,145.6125\r\n");
    form_ = std::make_unique<TFormPrinc>(dialogs_, dir_.path());
    ASSERT_TRUE(form_->FormCreate());
    form_->Timer1->stop();
    form_->MapCanvas().SetSize(400, 300);
    form_->RequestRedraw();
  }

  ProjectionState& Projection() { return form_->State().projection; }
  void Press(const char* button) {
    auto* widget = form_->findChild<QToolButton*>(button);
    ASSERT_NE(widget, nullptr) << button;
    widget->click();
  }
  void Tick() { ASSERT_TRUE(QMetaObject::invokeMethod(form_->Timer1, "timeout", Qt::DirectConnection)); }
  // What a full redraw of the current state paints.
  QImage FullRedraw() {
    form_->RequestRedraw();
    return form_->Picture().copy();
  }
  QImage GraticuleOnly() {
    MapScene scene = form_->CurrentScene();
    PrepareView(scene);
    return form_->Picture().copy();
  }

  testing::TempDir dir_;
  testing::ScriptedDialogs dialogs_;
  std::unique_ptr<TFormPrinc> form_;
};

TEST_F(Vue3DForm, ControllerIsCreatedOnceAndShowsTheState) {
  Projection().Alpha.Set(0.5);
  Projection().NoRotation = false;
  Press("ToolButtonC3D");
  TForm3D* controleur = form_->Controleur3D();
  ASSERT_NE(controleur, nullptr);
  EXPECT_EQ(controleur->windowTitle(), QString::fromUtf8("Contrôle 3D"));
  EXPECT_EQ(controleur->TrackBarAlpha->value(), 29);
  EXPECT_EQ(controleur->TrackBarZoom->value(), 1500);
  EXPECT_EQ(controleur->TrackBarCorrZ->value(), 50);
  form_->RequestRedraw();
  EXPECT_EQ(controleur->LabelAlphaGP4->text(), QStringLiteral("28.60").replace('.', QLocale().decimalPoint()));
  Press("ToolButtonC3D");
  EXPECT_EQ(form_->Controleur3D(), controleur) << "shown again, not created anew";
}

TEST_F(Vue3DForm, WithoutContinuousDrawingTheLayersComeAtTheNextTick) {
  Press("ToolButtonC3D");
  TForm3D* controleur = form_->Controleur3D();
  form_->State().display.AffichageContinu = false;
  controleur->TrackBarAlpha->setValue(20);
  EXPECT_DOUBLE_EQ(Projection().Alpha.Radians, 20 * kPi / 180);
  const QImage affiche = form_->Picture().copy();
  EXPECT_EQ(affiche, GraticuleOnly()) << "only the graticule at once";
  Tick();
  const QImage apresTic = form_->Picture().copy();
  EXPECT_NE(apresTic, affiche);
  EXPECT_EQ(apresTic, FullRedraw()) << "the layers at the next tick";

  form_->State().display.AffichageContinu = true;
  controleur->TrackBarGamma->setValue(-30);
  EXPECT_EQ(form_->Picture().copy(), FullRedraw()) << "continuous drawing: everything at once";
  controleur->SpeedButtonHaut->click();
  EXPECT_GT(Projection().CentreLatitude, 49.6);
}

TEST_F(Vue3DForm, Vue3DTiltsAndTheLayersComeBackAtTheTick) {
  Press("ToolButtonVue3D");
  EXPECT_DOUBLE_EQ(Projection().Alpha.Radians, 0.9);
  EXPECT_DOUBLE_EQ(Projection().Gamma.Radians, 0.5);
  EXPECT_FALSE(Projection().NoRotation);
  EXPECT_EQ(form_->State().redraw.RedrawCountdown, 1);
  Tick();
  EXPECT_EQ(form_->State().redraw.RedrawCountdown, 0);
}

TEST_F(Vue3DForm, AnnuleStopsTheFlyOverAfterOneFramePerPhase) {
  const std::int32_t zoom = Projection().Zoom;
  int redrawsDuring = 0;
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(form_->State().SurvolEnCours);
    const QImage avant = form_->Picture().copy();
    form_->RequestRedraw();  // a redraw asked for meanwhile does not draw over the flight
    redrawsDuring += form_->Picture() != avant;
    Press("BoutonAnnule");
  });
  Press("BoutonVol3D");
  EXPECT_EQ(redrawsDuring, 0);
  EXPECT_NEAR(Projection().Alpha.Radians, 0.06, 1e-9);
  EXPECT_NEAR(Projection().Gamma.Radians, 0.03, 1e-9);
  EXPECT_EQ(Projection().Zoom, zoom + 10);
  EXPECT_FALSE(form_->State().SurvolEnCours);
  EXPECT_FALSE(form_->State().AnnuleFonction);
}

TEST_F(Vue3DForm, GroundViewNeedsAVector) {
  auto* menu = form_->findChild<QAction*>("MenuVueDuSol");
  ASSERT_NE(menu, nullptr);
  menu->trigger();
  EXPECT_EQ(form_->StaticTextInfo->text(),
            QStringLiteral("Pour utiliser cette option, dessinez un vecteur sur la carte"));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  for (const char* name : {"Contrleur1", "survolXY"}) {
    EXPECT_NE(form_->findChild<QAction*>(name), nullptr) << name;
  }
}

}  // namespace
}  // namespace orvex
