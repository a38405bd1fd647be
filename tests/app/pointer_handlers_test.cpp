// The pointer, keyboard and navigation handlers on the real main window over a
// region written by the test: a 600 x 400 picture at zoom 1000 centred on
// 6.0 E, 49.6 N, so that pixel (425, 200) lies on 6.125 E, 49.6 N.
#include <QApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/ui/form_donnees.h"
#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "app/ui/pointer_handlers.h"
#include "geo/distance.h"
#include "geo/locator.h"
#include "support/map_mouse.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "terrain/ui/form_filtre.h"

namespace orvex {
namespace {

const QLocale kFrench(QLocale::French, QLocale::France);

class PointerForm : public ::testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(kFrench);
    dir_.Write("ORVEX.INI", "PeripheriqueCOM1=" + (dir_.path() / "no-such-tty").string() +
                                "\r\nProtocoleGPS=COM1:4800,N,8,1\r\nInterface=3\r\nTrame=1\r\nPeriodeGPS=2\r\n"
                                "Canaux=3\r\nLgDemarre=6.1\r\nLtDemarre=49.6\r\nZoomDemarre=600\r\n"
                                "CarteDemarre=X\r\nRepertoireLieu=r\r\n");
    dir_.Write("lieux/r/niveaux/n.dat", "2\r\n300\r\n49.6,6.1\r\n49.7,6.2\r\n");
    dir_.MakeDir("relais");
    dir_.Write("canaux.dat", "R1,145.6125\r\n");
    form_ = std::make_unique<TFormPrinc>(dialogs_, dir_.path());
    ASSERT_TRUE(form_->FormCreate());
    form_->Timer1->stop();
    dialogs_.beeps = 0;  // the serial port warning's
    form_->MapCanvas().SetSize(600, 400);
    form_->ImageCarte->CanvasResized();
    form_->show();
    form_->activateWindow();
    form_->ImageCarte->setFocus();
    View(1000, 6.0, 49.6);
  }
  void TearDown() override {
    form_.reset();
    QLocale::setDefault(QLocale::c());
  }

  ProjectionState& Projection() { return form_->State().projection; }
  PointerInteraction& Pointer() { return form_->Pointer().Interaction(); }
  PointerHandlers& Handlers() { return form_->Pointer(); }
  // The pointer panel: decimal longitude and latitude, the same in degrees, locator, altitude.
  QString PointerLabels() const {
    return QStringList{form_->LgGP1C->text(), form_->LtGP1C->text(), form_->LgGP1->text(),
                       form_->LtGP1->text(),  form_->LocGP1->text(), form_->AltGP1->text()}
        .join('|');
  }

  void View(std::int32_t zoom, double lon, double lat) {
    Projection().Zoom = zoom;
    Projection().CentreLongitude = lon;
    Projection().CentreLatitude = lat;
    form_->RequestRedraw();
  }

  void Mouse(QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    testing::SendMouse(form_->ImageCarte, type, x, y, button);
  }
  void Move(int x, int y) { Mouse(QEvent::MouseMove, x, y, Qt::NoButton); }
  void Click(int x, int y) {
    Move(x, y);
    Mouse(QEvent::MouseButtonPress, x, y);
    Mouse(QEvent::MouseButtonRelease, x, y);
  }

  // Keys go where the keyboard focus is, as typed keys do.
  QWidget* KeyTarget() {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus->window() == form_.get() ? focus : form_->ImageCarte;
  }
  void Key(char c) { QTest::keyClick(KeyTarget(), c); }
  void Key(Qt::Key key) { QTest::keyClick(KeyTarget(), key); }
  void Tick() { ASSERT_TRUE(QMetaObject::invokeMethod(form_->Timer1, "timeout", Qt::DirectConnection)); }

  // Answers the data-entry dialog from inside its modal loop; a dialog the
  // answer leaves open is closed, so that a failing test never hangs.
  static void WhenDialogOpens(std::function<void(TFormDonnees&)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
      auto* dialog = qobject_cast<TFormDonnees*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      answer(*dialog);
      if (dialog->isVisible()) {
        ADD_FAILURE() << "the dialog was left open";
        dialog->reject();
      }
    });
  }

  testing::TempDir dir_;
  testing::ScriptedDialogs dialogs_;
  std::unique_ptr<TFormPrinc> form_;
};

QString Kilometres(double km) { return QLocale().toString(km, 'f', 2) + QStringLiteral(" km"); }

TEST_F(PointerForm, LabelsDescribeThePointedPlaceInTheRegionalFormat) {
  const std::tuple<QLocale, const char*, const char*> cases[] = {{kFrench, "6,12500", "49,60000"},
                                                                 {QLocale::c(), "6.12500", "49.60000"}};
  for (const auto& [locale, longitude, latitude] : cases) {
    QLocale::setDefault(locale);
    Move(425, 200);
    EXPECT_EQ(PointerLabels(), QString::fromUtf8("%1|%2|06°07'30\"E|49°36'00\"N|JN39BO|?").arg(longitude, latitude));
  }
  EXPECT_EQ(Pointer().PointerFixedLongitude, ToFixed(6.125));
}

TEST_F(PointerForm, AltitudeComesOnceThePointerRests) {
  Move(425, 200);
  Tick();
  EXPECT_EQ(form_->AltGP1->text(), "?");
  Tick();
  EXPECT_EQ(form_->AltGP1->text(), "300");
  Move(426, 200);
  EXPECT_EQ(form_->AltGP1->text(), "?");
}

TEST_F(PointerForm, RotatedViewEmptiesTheLabelsAndIgnoresClicks) {
  Move(425, 200);
  Key('d');
  EXPECT_FALSE(Projection().NoRotation);
  Move(100, 100);
  EXPECT_EQ(PointerLabels(), "|||||");
  EXPECT_EQ(Pointer().PointerLongitude, 6.125);
  EXPECT_EQ(Pointer().PointerX, 100);
  Click(100, 100);
  EXPECT_FALSE(Pointer().MeasureActive);
  Key('D');  // upper case does nothing
  EXPECT_DOUBLE_EQ(Projection().Alpha.Radians, -0.1);
  Handlers().BoutonRAZAngles->click();
  EXPECT_TRUE(Projection().NoRotation);
  Move(425, 200);
  EXPECT_EQ(form_->LocGP1->text(), "JN39BO");
}

TEST_F(PointerForm, MeasurementCumulatesSegmentsUntilEscapeOrADoubleClick) {
  Click(300, 200);
  EXPECT_EQ(form_->LgOrGP2->text(), QString::fromUtf8("06°00'00\"E"));
  Move(440, 200);
  const double east = Distance(6.0, 49.6, 6.14, 49.6);
  EXPECT_EQ(form_->AzGP2->text(), QString::fromUtf8("90°"));
  EXPECT_EQ(form_->DistGP2->text(), Kilometres(east));
  Click(440, 200);
  EXPECT_EQ(form_->DistTotGP2->text(), Kilometres(east));
  Click(440, 200);
  Move(440, 270);
  const double south = Distance(6.14, 49.6, 6.14, Pointer().PointerLatitude);
  EXPECT_EQ(form_->AzGP2->text(), QString::fromUtf8("180°"));
  EXPECT_EQ(form_->DistGP2->text(), Kilometres(south));
  EXPECT_EQ(form_->DistTotGP2->text(), Kilometres(east + south));
  EXPECT_TRUE(form_->DistTotGP2->text().contains(QRegularExpression("^1\\d,\\d\\d km$")));
  Key(Qt::Key_Escape);
  EXPECT_EQ(form_->DistTotGP2->text(), "0,00 km");
  EXPECT_EQ(Pointer().CumulativeDistance, 0);

  // A double click (press, release, press, double click, release) ends the
  // measure without starting another.
  Click(300, 200);
  Click(400, 250);
  EXPECT_GT(Pointer().CumulativeDistance, 0);
  Click(200, 100);
  for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    Mouse(type, 200, 100);
  }
  EXPECT_FALSE(Pointer().MeasureActive);
  EXPECT_EQ(Pointer().CumulativeDistance, 0);
}

TEST_F(PointerForm, RubberBandsLeaveThePictureAsItWas) {
  Click(100, 100);
  Move(300, 250);
  const QImage withLine = form_->Picture().copy();
  Move(500, 50);
  EXPECT_NE(form_->Picture(), withLine);
  Move(300, 250);
  EXPECT_EQ(form_->Picture(), withLine);

  Handlers().BoutonZoom->click();
  form_->RequestRedraw();
  const QImage clean = form_->Picture().copy();
  Click(100, 100);
  Move(300, 250);
  EXPECT_NE(form_->Picture(), clean);
  Move(100, 100);
  EXPECT_EQ(form_->Picture(), clean);
}

TEST_F(PointerForm, ZoomKeys) {
  // 49990 steps to 50056, which the redraw brings back to the largest zoom.
  const std::tuple<char, std::int32_t, std::int32_t> cases[] = {
      {'+', 199, 200},     {'+', 200, 206},     {'+', 400, 416}, {'+', 1000, 1066}, {'+', 49990, 50000},
      {'+', 50000, 50000}, {'-', 1, 1},         {'-', 206, 200}, {'-', 1066, 1000}};
  for (const auto& [key, zoom, expected] : cases) {
    View(zoom, 6.0, 49.6);
    Key(key);
    EXPECT_EQ(Projection().Zoom, expected) << key << " at " << zoom;
    EXPECT_EQ(form_->ZoomGP1->text(), QString::number(expected)) << key << " at " << zoom;
  }
}

TEST_F(PointerForm, SpaceAndZoomPopupsRecentreOnThePointedPlace) {
  const std::tuple<std::function<void()>, std::int32_t, std::int32_t> cases[] = {
      {[this] { Key(' '); }, 600, 600},
      {[this] { Handlers().PopPointe->trigger(); }, 600, 3000},
      {[this] { Handlers().PopPointe->trigger(); }, 10000, 10000},
      {[this] { Handlers().PopDepoint->trigger(); }, 600, 300},
      {[this] { Handlers().PopDepoint->trigger(); }, 3, 3}};
  for (const auto& [action, zoom, expected] : cases) {
    View(zoom, 6.0, 49.6);
    Move(450, 100);
    const double longitude = Pointer().PointerLongitude;
    const double latitude = Pointer().PointerLatitude;
    action();
    EXPECT_EQ(Projection().Zoom, expected) << zoom;
    EXPECT_EQ(Projection().CentreLongitude, longitude);
    EXPECT_EQ(Projection().CentreLatitude, latitude);
  }
}

TEST_F(PointerForm, ZoomRectangle) {
  Handlers().BoutonZoom->click();
  Click(300, 100);
  Click(300, 300);  // equal longitudes: no zoom change
  EXPECT_EQ(Projection().Zoom, 1000);
  EXPECT_DOUBLE_EQ(Projection().CentreLongitude, 6.0);
  EXPECT_NEAR(Projection().CentreLatitude, 49.6, 1e-12);
  EXPECT_FALSE(Pointer().ZoomMode);

  View(1000, 6.0, 49.6);
  Handlers().BoutonZoom->click();
  Click(200, 100);
  Click(350, 300);
  EXPECT_EQ(Projection().Zoom, 4000);
  EXPECT_DOUBLE_EQ(Projection().CentreLongitude, 5.975);
  EXPECT_FALSE(Pointer().MeasureActive);
}

TEST_F(PointerForm, NavigationAtTheBorderWhileTicked) {
  Handlers().Naviguer1->trigger();
  EXPECT_TRUE(Handlers().Naviguer1->isChecked());
  Move(10, 200);
  EXPECT_DOUBLE_EQ(Projection().CentreLongitude, 5.98);
  Handlers().Naviguer1->trigger();
  EXPECT_FALSE(Handlers().Naviguer1->isChecked());
  Move(10, 200);
  EXPECT_DOUBLE_EQ(Projection().CentreLongitude, 5.98);
}

TEST_F(PointerForm, ViewToggles) {
  Handlers().BoutonGrille->click();
  EXPECT_TRUE(form_->State().display.GridShown);
  Handlers().GrilleQRA->trigger();
  EXPECT_FALSE(form_->State().display.GridShown);
  const bool relais = form_->State().display.AfficheRelais;
  Handlers().BoutonRelais->click();
  EXPECT_NE(form_->State().display.AfficheRelais, relais);
  Handlers().MenuAfficheRelais->trigger();
  EXPECT_EQ(form_->State().display.AfficheRelais, relais);
  Handlers().ConversionQRALongLat2->trigger();
  EXPECT_EQ(form_->StaticTextInfo->text(), QString::fromUtf8("Option non encore implantée"));

  // The globe view has no pointer position: no measure, no zoom rectangle, no drawn trace.
  form_->DessinerUnTrace->setChecked(true);
  Click(300, 200);
  Handlers().BoutonProjection->click();
  EXPECT_TRUE(Projection().Spherical);
  EXPECT_FALSE(Handlers().BoutonZoom->isEnabled());
  EXPECT_FALSE(form_->DessinerUnTrace->isVisible());
  EXPECT_FALSE(form_->DessinerUnTrace->isChecked());
  EXPECT_FALSE(Pointer().MeasureActive);
  Click(300, 200);
  EXPECT_TRUE(form_->LgGP1->text().isEmpty());
  EXPECT_FALSE(Pointer().MeasureActive);
  Handlers().BoutonZoomClick();
  EXPECT_FALSE(Pointer().ZoomMode);
  Handlers().BoutonProjection->click();
  EXPECT_FALSE(Projection().Spherical);
  EXPECT_TRUE(Handlers().BoutonZoom->isEnabled());
  EXPECT_TRUE(form_->DessinerUnTrace->isVisible());
}

TEST_F(PointerForm, LocatorLabelOpensTheEntryOnTheLocator) {
  Move(425, 200);
  WhenDialogOpens([this](TFormDonnees& dialog) {
    EXPECT_EQ(dialog.focusWidget(), dialog.Intro1);
    EXPECT_EQ(dialog.Intro1->text() + "|" + dialog.Intro2->text(), "JN39BO|1000");
    dialog.Intro1->setText("JO10X");
    QTest::mouseClick(dialog.BoutonOkIntro, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.IntroMsg->text(), "Le QRA locotor est incorrect");
    EXPECT_EQ(dialogs_.beeps, 1);
    dialog.Intro1->setText("jo10xg");
    QTest::mouseClick(dialog.BoutonOkIntro, Qt::LeftButton);
  });
  QTest::mouseClick(form_->LocGP1, Qt::LeftButton);
  double longitude = 0;
  double latitude = 0;
  LocatorToCoordinate("JO10XG", longitude, latitude);
  EXPECT_EQ(Projection().CentreLongitude, longitude);
  EXPECT_EQ(Projection().CentreLatitude, latitude);
  EXPECT_EQ(Projection().Zoom, 1000);
  // The redraw that follows writes the pointer labels again, for the new view.
  EXPECT_EQ(form_->LocGP1->text(),
            QString::fromStdString(CoordinateToLocator(XToLon(Projection(), 425), YToLat(Projection(), 200))));
}

TEST_F(PointerForm, ZoomEntryChecksTheZoomAndClosingItLeavesTheMapAlone) {
  Move(425, 200);
  WhenDialogOpens([this](TFormDonnees& dialog) {
    EXPECT_EQ(dialog.focusWidget(), dialog.Intro2);
    dialog.Intro2->setText("50001");
    QTest::mouseClick(dialog.BoutonOkIntro, Qt::LeftButton);
    EXPECT_EQ(dialog.IntroMsg->text(), QString::fromUtf8("Le zoom doit être compris entre 1 et 30000"));
    EXPECT_EQ(dialogs_.beeps, 1);
    dialog.Intro2->setText("50000");
    QTest::mouseClick(dialog.BoutonOkIntro, Qt::LeftButton);
  });
  Handlers().PopZoom->trigger();
  EXPECT_EQ(Projection().Zoom, 50000);
  EXPECT_EQ(Projection().CentreLongitude, 6.0);
  EXPECT_EQ(form_->ZoomGP1->text(), "50000");

  WhenDialogOpens([](TFormDonnees& dialog) { dialog.close(); });
  Handlers().PopQRA->trigger();
  EXPECT_EQ(Projection().CentreLongitude, 6.0);
  EXPECT_EQ(Projection().CentreLatitude, 49.6);
}

// "Dessiner un tracé": every clicked point joins the drawn trace once, in
// order; the trace is saved and read back through the menu.
TEST_F(PointerForm, DrawnTraceTakesEveryClickOnce) {
  form_->DessinerUnTrace->trigger();
  EXPECT_EQ(form_->StaticTextInfo->text(),
            QString::fromUtf8("Dessin d'un tracé à la souris. Désélectionnez le menu pour arrêter"));
  // A zoom rectangle drawn meanwhile adds none of its corners.
  Handlers().BoutonZoom->click();
  Click(150, 100);
  Click(350, 300);
  EXPECT_TRUE(form_->State().traces.DrawnTrace.empty());
  const std::vector<QPoint> clicks = {{100, 100}, {200, 120}, {300, 200}, {320, 300}};
  for (const QPoint& at : clicks) {
    Move(at.x() - 3, at.y() - 3);
    Click(at.x(), at.y());
  }
  const auto& trace = form_->State().traces.DrawnTrace;
  ASSERT_EQ(trace.size(), clicks.size());
  for (std::size_t i = 0; i < clicks.size(); ++i) {
    EXPECT_EQ(trace[i].Lon, XToFixedLon(Projection(), clicks[i].x())) << i;
    EXPECT_EQ(trace[i].Lat, YToFixedLat(Projection(), clicks[i].y())) << i;
  }
  form_->DessinerUnTrace->trigger();
  EXPECT_EQ(form_->StaticTextInfo->text(), " ");

  const auto file = dir_.path() / "Traces" / "essai.trc";
  std::filesystem::create_directories(file.parent_path());
  dialogs_.fileNames = {file.string(), file.string()};
  form_->Sauverfichiertrac1->trigger();
  form_->Lirefichiertrac1->trigger();
  EXPECT_EQ(form_->State().traces.DrawnTrace.size(), clicks.size());
  form_->Lirefichiertrac1->trigger();  // cancelled: the drawn trace is emptied
  EXPECT_TRUE(form_->State().traces.DrawnTrace.empty());
}

// "Filtrage de niveau" opens the filter dialog on the map's thresholds.
TEST_F(PointerForm, LevelFilterMenuMovesTheThresholds) {
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<TFormFiltre*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Filtrage courbe de niveaux");
    dialog->TrackBarSeuilMini->setValue(200);
    dialog->accept();
  });
  form_->Filtragedeniveau1->trigger();
  EXPECT_EQ(form_->State().display.FiltreMin, 200);
}

}  // namespace
}  // namespace orvex
