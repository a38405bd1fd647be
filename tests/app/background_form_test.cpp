// Scanned maps in the real main window: loading a picture with or without
// its correspondence file, the command states, the tie-point clicks, the
// map of the pointed place and the picture named in ORVEX.INI.
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/ui/form_intro_lglt.h"
#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "app/ui/pointer_handlers.h"
#include "images/ui/form_prop_fond.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

constexpr QRgb kScanColour = 0xFF8040C0;

// Answers the next modal dialog of type T from inside its loop; one the
// answer leaves open is closed, so that a failing test never hangs.
template <typename T>
void WhenModalOpens(std::function<void(T&)> answer) {
  QTimer::singleShot(0, [answer = std::move(answer)] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    answer(*dialog);
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the dialog was left open";
      dialog->reject();
    }
  });
}

class BackgroundForm : public ::testing::Test {
 protected:
  void Start(const std::string& carteDemarre = "X") {
    dir_.Write("ORVEX.INI", "PeripheriqueCOM1=" + (dir_.path() / "no-such-tty").string() +
                                "\r\nProtocoleGPS=COM1:4800,N,8,1\r\nInterface=3\r\nTrame=1\r\nPeriodeGPS=2\r\n"
                                "Canaux=3\r\nLgDemarre=2.5\r\nLtDemarre=46.75\r\nZoomDemarre=100\r\n"
                                "CarteDemarre=" + carteDemarre + "\r\nRepertoireLieu=r\r\n");
    dir_.Write("lieux/r/villes/v.dat", "46.75,2.5,Centre\r\n");
    dir_.MakeDir("relais");
    dir_.Write("canaux.dat", "R1,145.6125\r\n");
    form_ = std::make_unique<TFormPrinc>(dialogs_, dir_.path());
    ASSERT_TRUE(form_->FormCreate());
    form_->Timer1->stop();
    form_->show();
    dialogs_.messages.clear();  // the serial port warning
  }
  void SetUp() override {
    QImage scan(1000, 800, QImage::Format_RGB32);
    scan.fill(kScanColour);
    scan_ = dir_.MakeDir("lieux/r/Cartes") / "scan1.bmp";
    ASSERT_TRUE(scan.save(QString::fromStdString(scan_.string()), "bmp"));
    dir_.Write("lieux/r/Cartes/scan1.cor", "/scan1.cor\r\n/LgNW\r\n2\r\n/LtNW\r\n47\r\n/LgSE\r\n3\r\n/LtSE\r\n46,5\r\n");
    ASSERT_TRUE(scan.save(QString::fromStdString((dir_.path() / "lieux/r/Cartes/nocor.png").string()), "png"));
  }
  void TearDown() override { form_.reset(); }

  ProjectionState& Projection() { return form_->State().projection; }
  PointerInteraction& Pointer() { return form_->Pointer().Interaction(); }
  QAction* Action(const char* name) { return form_->findChild<QAction*>(name); }
  QWidget* Widget(const char* name) { return form_->findChild<QWidget*>(name); }
  void Click(int x, int y) {
    const QPointF at(x, y);
    const QPointF global = form_->ImageCarte->mapToGlobal(at);
    QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    for (QMouseEvent* event : {&move, &press, &release}) {
      QApplication::sendEvent(form_->ImageCarte, event);
    }
  }
  // Which of the state-switched commands are visible and enabled.
  std::string CommandStates() {
    std::string states;
    for (const char* name : {"MenuPropfond", "MenuAnnuleFond", "MenuAjoutervilles", "MenuApercuFichierImage",
                             "PopZoom", "PopPointe"}) {
      states += Action(name)->isVisible() ? "v" : "-";
    }
    for (const char* name : {"BoutonZoom", "BoutonProjection"}) {
      states += Widget(name)->isEnabled() ? "e" : "-";
    }
    return states;
  }

  testing::TempDir dir_;
  testing::ScriptedDialogs dialogs_;
  std::unique_ptr<TFormPrinc> form_;
  std::filesystem::path scan_;
};

TEST_F(BackgroundForm, APictureWithItsCorrespondenceFixesTheViewUntilCancelled) {
  Start();
  const QSize vectorSize = form_->Picture().size();
  EXPECT_EQ(CommandStates(), "---vvvee");
  form_->ChargeImageFond(dir_.Write("lieux/r/Cartes/faux.bmp", "pas une image"));  // leaves all as it was
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_NE(dialogs_.messages[0].text.find("Impossible de lire l'image "), std::string::npos);
  EXPECT_EQ(std::tuple(Projection().BackgroundActive, form_->Picture().size(), Projection().Zoom, CommandStates()),
            std::tuple(false, vectorSize, 100, std::string("---vvvee")));

  form_->ChargeImageFond(scan_);
  EXPECT_TRUE(dialogs_.questions.empty());
  EXPECT_TRUE(Projection().BackgroundActive);
  EXPECT_EQ(form_->Picture().size(), QSize(1000, 800));
  EXPECT_EQ(std::tuple(Projection().Zoom, Projection().ScaleY), std::tuple(1000, 1600));
  EXPECT_EQ(form_->Picture().pixel(500, 700), kScanColour);
  EXPECT_TRUE(form_->windowTitle().endsWith("/lieux/r/Cartes/scan1.bmp"));
  EXPECT_EQ(CommandStates(), "vvv-----");
  form_->ImageCarte->setFocus();
  for (const char key : {'+', '-'}) {
    QTest::keyClick(form_->ImageCarte, key);
  }
  EXPECT_EQ(std::tuple(Projection().Zoom, LonToX(Projection(), 2), LatToY(Projection(), 47)), std::tuple(1000, 0, 0));

  Action("MenuAnnuleFond")->trigger();
  EXPECT_FALSE(Projection().BackgroundActive);
  EXPECT_EQ(form_->Picture().size(), vectorSize);
  EXPECT_EQ(CommandStates(), "---vvvee");
  EXPECT_EQ(form_->windowTitle(), QString::fromUtf8("ORVEX32 - Cartographique numérique vectorisée"));
}

TEST_F(BackgroundForm, APictureWithoutCorrespondenceIsTiedByTwoClickedPoints) {
  Start();
  const auto cor = dir_.path() / "lieux/r/Cartes/nocor.cor";
  dialogs_.answers.push_back(Answer::Yes);
  WhenModalOpens<TFormPropFond>([](TFormPropFond& dialog) { dialog.ButtonRens->click(); });
  form_->ChargeImageFond(dir_.path() / "lieux/r/Cartes/nocor.png");
  ASSERT_EQ(dialogs_.questions.size(), 1u);
  EXPECT_EQ(dialogs_.questions[0], "Le fichier de correspondance " + cor.string() +
                                       " de l'image n'existe pas. Voulez-vous le définir maintenant?");
  EXPECT_EQ(std::tuple(Projection().BackgroundActive, Projection().Zoom, Pointer().TiePointStep),
            std::tuple(true, 100, 1));

  WhenModalOpens<TFormIntroLgLt>([](TFormIntroLgLt& dialog) {
    dialog.EditLg->setText("2");
    dialog.EditLt->setText("47");
    dialog.BoutonOk->click();
  });
  Click(100, 50);
  EXPECT_EQ(Pointer().TiePointStep, 2);
  QString corners;
  dialogs_.fileNames.push_back(cor.string());
  WhenModalOpens<TFormIntroLgLt>([&corners](TFormIntroLgLt& dialog) {
    dialog.EditLg->setText("3");
    dialog.EditLt->setText("46");
    WhenModalOpens<TFormPropFond>([&corners](TFormPropFond& prop) {
      corners = prop.LgImgFondNW->text() + "|" + prop.LtImgFondSE->text();
      prop.ButtonSauve->click();
    });
    dialog.BoutonOk->click();
  });
  Click(900, 650);
  EXPECT_EQ(corners, QStringLiteral("1.87516|45.75042"));
  EXPECT_EQ(std::tuple(Pointer().TiePointStep, Projection().Zoom, Projection().ScaleY), std::tuple(0, 801, 601));
  EXPECT_NEAR(LonToX(Projection(), 2), 100, 1);
  EXPECT_NEAR(LatToY(Projection(), 46), 650, 1);
  Correspondance saved;
  ASSERT_EQ(LitCorrespondance(cor, saved), 0);
  EXPECT_NEAR(saved.LtSE, 45.75042, 1e-9);
}

TEST_F(BackgroundForm, PointedPlaceLoadsTheMapThatCoversIt) {
  Start();
  Pointer().PointerLongitude = 5;
  Pointer().PointerLatitude = 46.75;
  Action("Chargercartedulieupoint1")->trigger();
  EXPECT_EQ(form_->StaticTextInfo->text().toStdString(),
            "Pas de carte pour ce point dans " + (dir_.path() / "lieux/r").string());
  EXPECT_EQ(form_->StaticTextInfo->textFormat(), Qt::PlainText);
  EXPECT_FALSE(Projection().BackgroundActive);

  Pointer().PointerLongitude = 2.9;
  Pointer().PointerLatitude = 46.6;
  Action("Chargercartedulieupoint1")->trigger();
  ASSERT_TRUE(Projection().BackgroundActive);
  EXPECT_EQ(form_->State().fond.NomImageFond, scan_);
  const QWidget* viewport = form_->ScrollBox1->viewport();
  EXPECT_EQ(form_->ScrollBox1->horizontalScrollBar()->value(),
            std::min(900 - viewport->width() / 2, form_->ScrollBox1->horizontalScrollBar()->maximum()));
  EXPECT_EQ(form_->ScrollBox1->verticalScrollBar()->value(),
            std::min(640 - viewport->height() / 2, form_->ScrollBox1->verticalScrollBar()->maximum()));
}

TEST_F(BackgroundForm, PictureNamedInTheConfigurationOpensAtStartUp) {
  Start("lieux/R/cartes/SCAN1.bmp");  // names matched in any case, from the start directory
  EXPECT_TRUE(Projection().BackgroundActive);
  EXPECT_EQ(form_->State().fond.NomImageFond, scan_);
  EXPECT_EQ(std::tuple(Projection().Zoom, Projection().ScaleY), std::tuple(1000, 1600));
}

}  // namespace
}  // namespace orvex
