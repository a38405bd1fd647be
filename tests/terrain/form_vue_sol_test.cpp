// The ground view dialog: its opening state, the bearing slider and its
// compass needle, the observer's steps and the cone shown on the map.
#include "terrain/ui/form_vue_sol.h"

#include <gtest/gtest.h>

#include "support/map_picture.h"
#include "terrain/view/table_couleurs.h"

namespace orvex {
namespace {

struct Dialogue {
  GeoPosition a{6, 49};
  GeoPosition b{6, 49.1};
  double correction = 2.0;
  TTableNiveaux niveaux;
  TTableOM om;
  DisplayOptions display;
  std::vector<VueSol> cones;
  TFormVueSol form{
      DonneesVueSol{a, b, correction, niveaux, om, display, [this](const VueSol& vue) { cones.push_back(vue); }}};

  Dialogue() {
    niveaux.Fichiers.emplace_back();
    TCourbeNiveau courbe{150, {}};
    for (double lon = 5.95; lon <= 6.05; lon += 0.005) {
      courbe.Points.push_back({ToFixed(49.2 + (lon - 6) * (lon - 6) * 10), ToFixed(lon)});
    }
    niveaux.Fichiers.front().Elements.push_back(courbe);
    form.Active();
  }
  QImage Boussole() const { return form.Cercle->Dessin().Image(); }
  QImage Vue() const { return form.ImageVueSol->Dessin().Image(); }
};

TEST(TFormVueSol, OpensAtTwoHundredMetresFacingTheVector) {
  Dialogue d;
  EXPECT_EQ(d.form.windowTitle(), QStringLiteral("Vue du sol"));
  EXPECT_EQ(d.form.Hauteur(), 200);
  EXPECT_EQ(d.form.Labelalt->text(), QStringLiteral("200m "));
  EXPECT_EQ(d.form.TrackBarAngle->value(), 0);
  EXPECT_EQ(d.form.LabelCor->text(), QStringLiteral("200%"));
  EXPECT_EQ(d.form.TrackBarCorAlt->value(), 1) << "200 - 200 falls below the bar, which stops at 1";
  EXPECT_EQ(d.correction, 2.0) << "opening changes nothing";
  EXPECT_EQ(d.form.ButtonPhoto->text(), QStringLiteral("photographie"));
  ASSERT_FALSE(d.cones.empty());
  EXPECT_EQ(d.cones.back().hauteur, 200);
  EXPECT_GT(testing::CountInk(d.form.ImageVueSol->Dessin(), d.Vue().rect()), 20) << "the curve ahead";
}

TEST(TFormVueSol, RightAnglesEraseTheNeedleAndLeaveTheView) {
  Dialogue d;
  Canvas cercleSeul(60, 60);
  cercleSeul.SetPenColor(kBlanc);
  cercleSeul.SetBrushStyle(BrushStyle::Clear);
  cercleSeul.Ellipse(0, 0, 60, 60);
  EXPECT_NE(d.Boussole(), cercleSeul.Image()) << "the needle shows at opening";
  const QImage vue = d.Vue();
  const std::size_t cones = d.cones.size();
  d.form.TrackBarAngle->setValue(90);
  EXPECT_EQ(d.Boussole(), cercleSeul.Image()) << "needle erased";
  EXPECT_EQ(d.Vue(), vue);
  EXPECT_EQ(d.cones.size(), cones);
  EXPECT_DOUBLE_EQ(d.b.Latitude, 49.1);
  EXPECT_DOUBLE_EQ(d.b.Longitude, 6);

  d.form.TrackBarAngle->setValue(45);
  EXPECT_EQ(d.form.LabelAngle->text(), QString::fromUtf8("45°"));
  EXPECT_NEAR(d.b.Longitude, 6 + 0.1 * std::sqrt(0.5), 1e-9);
  EXPECT_NEAR(d.b.Latitude, 49 + 0.1 * std::sqrt(0.5), 1e-9);
  EXPECT_NE(d.Boussole(), cercleSeul.Image()) << "one needle again, not erased by the right angle's toggle";
  EXPECT_EQ(d.cones.size(), cones + 1);
  d.form.TrackBarAngle->setValue(180);
  EXPECT_EQ(d.Boussole(), cercleSeul.Image());
}

TEST(TFormVueSol, StepsMoveObserverAndTarget) {
  Dialogue d;
  d.form.SBHaut->click();
  EXPECT_NEAR(d.a.Latitude, 49.01, 1e-12);
  EXPECT_NEAR(d.b.Latitude, 49.11, 1e-12);
  EXPECT_DOUBLE_EQ(d.a.Longitude, 6);
  d.form.SBDroit->click();
  EXPECT_NEAR(d.a.Longitude, 6.01, 1e-12);
  EXPECT_NEAR(d.cones.back().observateur.Longitude, 6.01, 1e-12) << "the view follows";

  d.form.TrackBarAlt->setValue(d.form.TrackBarAlt->maximum() - 350);
  EXPECT_EQ(d.form.Labelalt->text(), QStringLiteral("350m "));
  EXPECT_EQ(d.cones.back().hauteur, 350);
  d.form.TrackBarCorAlt->setValue(d.form.TrackBarCorAlt->maximum() - 50);
  EXPECT_DOUBLE_EQ(d.correction, 0.5);
  EXPECT_EQ(d.form.LabelCor->text(), QStringLiteral("50%"));
}

}  // namespace
}  // namespace orvex
