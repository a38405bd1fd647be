// Level-curve editing, city entry and the save at close on the real main
// window, over a region written by the test: a 600 x 400 picture at zoom 1000
// centred on 6.0 E, 49.6 N. Curves are put on whole pixels, where a press
// finds them.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

#include <csignal>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/ui/edit_handlers.h"
#include "app/ui/form_donnees.h"
#include "app/ui/form_intro_alt.h"
#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "app/ui/pointer_handlers.h"
#include "app/ui/session_end.h"
#include "database/city_file.h"
#include "database/level_curve_file.h"
#include "database/om_file.h"
#include "platform/ui/qt_text.h"
#include "support/map_mouse.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

class EditingForm : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("ORVEX.INI", "PeripheriqueCOM1=" + (dir_.path() / "no-such-tty").string() +
                                "\r\nProtocoleGPS=COM1:4800,N,8,1\r\nInterface=3\r\nTrame=1\r\nPeriodeGPS=2\r\n"
                                "Canaux=3\r\nLgDemarre=6.0\r\nLtDemarre=49.6\r\nZoomDemarre=1000\r\n"
                                "CarteDemarre=X\r\nRepertoireLieu=r\r\n");
    dir_.Write("lieux/r/niveaux/n.dat", "2\r\n300\r\n49.6,6.1\r\n49.7,6.2\r\n");
    dir_.Write("lieux/r/villes/v.dat", "49.6,6.0,Ville\r\n");
    dir_.Write("lieux/r/OM/om.dat", "49\xB0" "36'00\"N,06\xB0" "00'00\"E,LX1AB,300\r\n");
    dir_.MakeDir("relais");
    dir_.Write("canaux.dat", "R1,145.6125\r\n");
    form_ = std::make_unique<TFormPrinc>(dialogs_, dir_.path());
    ASSERT_TRUE(form_->FormCreate());
    form_->Timer1->stop();
    form_->MapCanvas().SetSize(600, 400);
    form_->ImageCarte->CanvasResized();
    form_->show();
    form_->ImageCarte->setFocus();
    form_->RequestRedraw();
    dialogs_.messages.clear();
  }
  void TearDown() override { form_.reset(); }

  ProgramState& State() { return form_->State(); }
  EditHandlers& Edits() { return form_->Edits(); }
  std::vector<TCourbeNiveau>& Curves() { return State().tables.TableNiveaux.Fichiers.at(0).Elements; }
  // The point stored for pixel (x, y).
  TPointLtLg At(int x, int y) {
    const ProjectionState& p = State().projection;
    return {ToFixed(YToLat(p, y)), ToFixed(XToLon(p, x))};
  }
  // A curve at `altitude` through the listed pixels replaces the file's curves.
  void CurveThrough(std::int32_t altitude, std::initializer_list<QPoint> pixels) {
    TCourbeNiveau courbe{altitude, {}};
    for (const QPoint& pixel : pixels) {
      courbe.Points.push_back(At(pixel.x(), pixel.y()));
    }
    Curves() = {courbe};
    form_->RequestRedraw();
  }

  void Mouse(QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    testing::SendMouse(form_->ImageCarte, type, x, y, button);
  }
  void Move(int x, int y) { Mouse(QEvent::MouseMove, x, y, Qt::NoButton); }
  void Press(int x, int y) {
    Move(x, y);
    Mouse(QEvent::MouseButtonPress, x, y);
  }
  void Release(int x, int y) { Mouse(QEvent::MouseButtonRelease, x, y); }
  void Click(int x, int y) {
    Press(x, y);
    Release(x, y);
  }
  void Key(Qt::Key key) { QTest::keyClick(form_->ImageCarte, key); }
  QString Status() const { return form_->StaticTextInfo->text(); }

  // Answers the next modal dialog of type D from inside its modal loop.
  template <typename D>
  static void WhenDialogOpens(std::function<void(D&)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
      auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      answer(*dialog);
      if (dialog->isVisible()) {
        ADD_FAILURE() << "the dialog was left open";
        dialog->reject();
      }
    });
  }
  static void AnswerAltitude(const char* typed) {
    WhenDialogOpens<TFormIntroAlt>([typed](TFormIntroAlt& d) {
      d.EditAltitude->setText(typed);
      d.BoutonOk->click();
    });
  }

  testing::TempDir dir_;
  testing::ScriptedDialogs dialogs_;
  std::unique_ptr<TFormPrinc> form_;
};

TEST_F(EditingForm, CreatingACurveClickByClick) {
  Edits().Crerunecourbedeniveau1->trigger();
  EXPECT_TRUE(Status().endsWith(QString::fromUtf8("stockés dans le fichier N.DAT"))) << Status().toStdString();
  Click(100, 100);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Status(), "Trop peu de points pour constituer une courbe");
  Move(200, 150);
  Click(200, 150);
  Move(250, 300);
  const QImage beforeThird = form_->Picture().copy();
  Click(250, 300);
  Move(400, 300);
  Key(Qt::Key_Backspace);
  ASSERT_EQ(Curves().size(), 2u);
  EXPECT_EQ(Curves()[1].Points, (std::vector{At(100, 100), At(200, 150)}));
  Move(250, 300);
  EXPECT_EQ(form_->Picture(), beforeThird) << "the last segment and the bands were not taken back exactly";
  AnswerAltitude("450");
  Key(Qt::Key_Escape);
  EXPECT_EQ(Curves()[1].Altitude, 450);
  EXPECT_EQ(State().curveEditing.CreationCount, 0);
  EXPECT_TRUE(State().tables.ModifNiveaux);

  // A new curve's only point taken back removes the curve.
  Click(300, 300);
  EXPECT_EQ(Curves().size(), 3u);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Curves().size(), 2u);
}

// An altitude the files cannot hold keeps the curve under creation.
TEST_F(EditingForm, ACurveEndsOnlyWithAnAltitudeTheFilesHold) {
  Edits().Crerunecourbedeniveau1->trigger();
  Click(100, 100);
  Click(200, 100);
  AnswerAltitude("1");
  Key(Qt::Key_Escape);
  EXPECT_EQ(State().curveEditing.CreationCount, 2);
  EXPECT_EQ(Curves()[1].Altitude, 0);
  AnswerAltitude("");
  Key(Qt::Key_Escape);
  EXPECT_EQ(State().curveEditing.CreationCount, 2);
  AnswerAltitude("120 m");
  Key(Qt::Key_Escape);
  EXPECT_EQ(Curves()[1].Altitude, 120);
}

TEST_F(EditingForm, DraggingAPointMovesItAndTheBandsLeaveNoTrace) {
  CurveThrough(300, {{100, 200}, {200, 200}, {300, 250}});
  Edits().Editerunecourbedeniveau1->trigger();
  const QImage clean = form_->Picture().copy();
  Press(200, 200);
  EXPECT_EQ(Status(), QString::fromUtf8("300 m ; Courbe 0 ; Point 1 ; Fichier N.DAT"));
  EXPECT_NE(form_->Picture(), clean) << "no selection markers";
  Move(210, 180);
  const QImage at210 = form_->Picture().copy();
  Move(250, 120);
  Move(210, 180);
  EXPECT_EQ(form_->Picture(), at210);
  Release(210, 180);
  EXPECT_EQ(Curves()[0].Points, (std::vector{At(100, 200), At(210, 180), At(300, 250)}));
  EXPECT_TRUE(State().tables.ModifNiveaux);

  // A press away from the curves selects nothing, and a drag then moves nothing.
  Press(500, 50);
  Move(520, 60);
  Release(520, 60);
  EXPECT_EQ(Curves()[0].Points[1], At(210, 180));
  EXPECT_FALSE(Edits().Supprimerunpoint1->isVisible());

  // Markers left by a press go with a redraw; the next press must not bring
  // back the picture they covered.
  Click(100, 200);
  State().projection.Zoom = 1200;
  form_->RequestRedraw();
  const QImage zoomed = form_->Picture().copy();
  Click(500, 50);
  EXPECT_EQ(form_->Picture(), zoomed);
}

TEST_F(EditingForm, PointsAreInsertedOnlyBetweenNeighboursAndTheLastTwoStay) {
  CurveThrough(300, {{100, 200}, {200, 200}, {300, 250}, {400, 250}});
  Edits().Editerunecourbedeniveau1->trigger();
  const auto visible = [](QAction* a) { return a->isVisible(); };
  Click(100, 200);
  Click(300, 250);
  EXPECT_FALSE(visible(Edits().Ajouterunpoint1)) << "points 0 and 2 are not neighbours";
  Click(400, 250);
  EXPECT_TRUE(visible(Edits().Ajouterunpoint1));
  Edits().Ajouterunpoint1->trigger();
  const TPointLtLg a = At(300, 250);
  const TPointLtLg b = At(400, 250);
  ASSERT_EQ(Curves()[0].NbPoints(), 5);
  EXPECT_EQ(Curves()[0].Points[3], (TPointLtLg{(a.Lt + b.Lt) / 2, (a.Lg + b.Lg) / 2}));
  EXPECT_FALSE(visible(Edits().Ajouterunpoint1));

  for (const int x : {100, 200, 300}) {
    Click(x, x == 300 ? 250 : 200);
    Edits().Supprimerunpoint1->trigger();
  }
  ASSERT_EQ(Curves()[0].NbPoints(), 2);
  Click(400, 250);
  Edits().Supprimerunpoint1->trigger();
  EXPECT_EQ(Curves()[0].NbPoints(), 2);
  EXPECT_EQ(Status(), QString::fromUtf8("C'est l'avant dernier point de la courbe et il ne peut être supprimé. "
                                        "Pour supprimer une courbe, sélectionnez \"Supprimer la courbe\" dans le menu."));
}

TEST_F(EditingForm, AltitudeChangeAndCurveDeletionKeepTheFile) {
  CurveThrough(300, {{100, 200}, {200, 200}});
  Edits().Editerunecourbedeniveau1->trigger();
  Click(100, 200);
  AnswerAltitude("");
  Edits().ModifAltitude->trigger();
  EXPECT_EQ(Curves()[0].Altitude, 300) << "an empty field keeps the altitude";
  AnswerAltitude("650");
  Edits().ModifAltitude->trigger();
  EXPECT_EQ(Curves()[0].Altitude, 650);
  Edits().Supprimerlacourbe1->trigger();
  EXPECT_EQ(Curves().size(), 1u) << "answered No";
  dialogs_.answers = {Answer::Yes};
  Click(200, 200);
  Edits().Supprimerlacourbe1->trigger();
  EXPECT_EQ(dialogs_.questions.back(),
            "Vous êtes sur le point de supprimer la courbe de niveau n°0. Etes-vous sûr ?");
  EXPECT_TRUE(Curves().empty());
  EXPECT_EQ(State().tables.TableNiveaux.NbFichiers(), 1);
}

TEST_F(EditingForm, ExtendingFromTheFirstPointReversesTheCurve) {
  CurveThrough(300, {{100, 200}, {200, 200}, {300, 250}});
  Edits().Editerunecourbedeniveau1->trigger();
  Click(200, 200);
  Edits().ProlongeCoube->trigger();
  EXPECT_TRUE(Edits().EditModeTicked()) << "a middle point does not extend";
  Click(100, 200);
  Edits().ProlongeCoube->trigger();
  EXPECT_TRUE(Edits().Crerunecourbedeniveau1->isChecked());
  EXPECT_FALSE(Edits().EditModeTicked());
  Move(50, 150);
  Click(50, 150);
  EXPECT_EQ(Curves()[0].Points, (std::vector{At(300, 250), At(200, 200), At(100, 200), At(50, 150)}));
  EXPECT_EQ(Curves().size(), 1u);
}

TEST_F(EditingForm, ACityIsAddedByItsPlaceAndCircle) {
  Edits().MenuAjoutervilles->trigger();
  const struct {
    int radius;
    int file;  // the choice in the list; 1 is "(nouveau fichier)"
    const char* name;
    std::int32_t diametre;
    std::int32_t zoom;
    std::size_t entries;
  } cases[] = {{10, 0, "Ch\u00e2teau", 10, 900, 1}, {40, 1, "Grande", 40, 0, 2}, {0, 0, "Point", 0, 4400, 2}};
  for (const auto& c : cases) {
    WhenDialogOpens<TFormDonnees>([&c](TFormDonnees& d) {
      EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Données de la nouvelle ville"));
      EXPECT_EQ(QStringList({d.Label1->text(), d.Label2->text(), d.Label3->text(), d.IntroMsg->text(), d.Intro1->text()})
                    .join('|'),
                QString::fromUtf8("Nom de la ville|Zoom d'apparition|Stocker dans fichier|Introduisez les données|"));
      EXPECT_EQ(d.ComboFichier->itemText(d.ComboFichier->count() - 1), "(nouveau fichier)");
      d.Intro1->setText("a,b");
      d.BoutonOkIntro->click();
      EXPECT_TRUE(d.isVisible()) << "a comma is refused";
      d.Intro1->setText(QString::fromUtf8(c.name));
      d.ComboFichier->setCurrentIndex(c.file);
      d.BoutonOkIntro->click();
    });
    const QImage before = form_->Picture().copy();
    Press(300, 100);
    Move(300 + c.radius, 100);
    Release(300 + c.radius, 100);
    const auto& files = State().tables.TableVilles.Fichiers;
    ASSERT_EQ(files.size(), c.entries) << c.name;
    const TVille& ville = files[c.file].Elements.back();
    EXPECT_EQ(std::tuple(ville.Nom, ville.Diametre, ville.Zoom, ville.NomDessous, ville.Lg, ville.Lt),
              std::tuple(std::string(FromQString(QString::fromUtf8(c.name))), c.diametre, c.zoom, false,
                         At(300, 100).Lg, At(300, 100).Lt));
  }
  EXPECT_EQ(State().tables.TableVilles.Fichiers[1].NomFichier, "villes.dat");
  EXPECT_TRUE(State().tables.ModifVilles);
}

// Every way of closing asks the four questions once, in order; a No to one
// still asks the next.
TEST_F(EditingForm, ClosingAsksOnceForEachEditedTable) {
  const std::string curves = "Les courbes de niveaux ont été modifiées. Voulez-vous sauvegarder les modifications ? "
                             "(fichier {include *.dat})";
  const std::function<void(TFormPrinc&)> ways[] = {
      [](TFormPrinc& f) { f.close(); },
      [](TFormPrinc& f) { f.Quitter1->trigger(); },
      [](TFormPrinc&) { std::raise(SIGTERM); },
  };
  for (const auto& way : ways) {
    SetUp();
    CloseOnSessionEnd(*form_);
    State().tables.ModifNiveaux = State().tables.ModifVilles = State().tables.ModifOM = true;
    State().tables.ModifStructures = true;
    way(*form_);
    QTest::qWait(50);
    EXPECT_FALSE(form_->isVisible());
    form_->close();
    ASSERT_EQ(dialogs_.questions.size(), 4u);
    EXPECT_EQ(dialogs_.questions[0], curves);
    EXPECT_TRUE(dialogs_.questions[2].starts_with("Les données des OM ont été modifiées."));
    EXPECT_TRUE(dialogs_.questions[3].starts_with("Les données des structures ont été modifiées."));
    dialogs_.questions.clear();
  }
  std::signal(SIGTERM, SIG_DFL);
  std::signal(SIGHUP, SIG_DFL);
  std::signal(SIGINT, SIG_DFL);
}

// The saved files are those read at start, whatever the case of their names;
// a curve file whose curves were all deleted is emptied, and a new city file
// is made.
TEST_F(EditingForm, SavingWritesTheFilesTheTablesCameFrom) {
  CurveThrough(300, {{100, 200}, {200, 200}});
  State().tables.TableVilles.Fichiers.push_back({"villes.dat", {{ToFixed(6.5), ToFixed(49.5), "Nouvelle", 0, false, 5}}});
  State().tables.TableOM.Fichiers[0].Elements[0].Altitude = 410;
  Curves().clear();
  State().tables.ModifNiveaux = State().tables.ModifVilles = State().tables.ModifOM = true;
  dialogs_.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
  form_->close();
  const auto region = dir_.path() / "lieux" / "r";
  TTableNiveaux niveaux;
  ASSERT_EQ(CompileNiveaux(region / "niveaux" / "n.dat", "N.DAT", niveaux), 0);
  EXPECT_TRUE(niveaux.Fichiers[0].Elements.empty());
  TTableVilles villes;
  ASSERT_EQ(CompileVilles(region / "villes" / "v.dat", "V.DAT", villes), 0);
  ASSERT_EQ(CompileVilles(region / "villes" / "villes.dat", "villes.dat", villes), 0);
  EXPECT_EQ(villes.Fichiers, State().tables.TableVilles.Fichiers);
  TTableOM om;
  ASSERT_EQ(CompileOM(region / "OM" / "om.dat", "OM.DAT", om), 0);
  EXPECT_EQ(om.Fichiers, State().tables.TableOM.Fichiers);
  for (const char* sub : {"niveaux", "villes", "OM"}) {
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(region / sub), {}), sub == std::string("villes") ? 2 : 1)
        << sub << ": upper-case copies or temporary files were left";
  }
  EXPECT_TRUE(dialogs_.messages.empty());
}

// A file that cannot be written keeps its old contents; the others are still
// written and the user is told which was not. The unwritable place is a
// read-only directory, or, for root, whom permissions do not stop, a
// directory standing where the file goes.
TEST_F(EditingForm, AFileThatCannotBeWrittenKeepsItsOldContents) {
  const auto region = dir_.path() / "lieux" / "r";
  const std::string oldCities = testing::ReadFile(region / "villes" / "v.dat");
  State().tables.TableVilles.Fichiers[0].Elements[0].Nom = "Renamed";
  State().tables.TableOM.Fichiers[0].Elements[0].Altitude = 410;
  State().tables.ModifVilles = State().tables.ModifOM = true;
  const bool root = ::geteuid() == 0;
  if (root) {
    State().tables.TableVilles.Fichiers.push_back({"W.DAT", {}});
    dir_.Write("lieux/r/villes/W.DAT/inside", "");
    State().tables.TableVilles.Fichiers[1].Elements.push_back({});
  } else {
    ::chmod((region / "villes").c_str(), 0555);
  }
  dialogs_.answers = {Answer::Yes, Answer::Yes};
  form_->close();
  ::chmod((region / "villes").c_str(), 0755);
  if (!root) {
    EXPECT_EQ(testing::ReadFile(region / "villes" / "v.dat"), oldCities);
  }
  EXPECT_TRUE(std::filesystem::is_directory(region / "villes" / "W.DAT") || !root);
  EXPECT_NE(testing::ReadFile(region / "OM" / "om.dat").find(",LX1AB,410\r\n"), std::string::npos);
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_NE(dialogs_.messages[0].text.find(root ? "villes/W.DAT" : "villes/v.dat"), std::string::npos)
      << dialogs_.messages[0].text;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(region / "villes"), {}), root ? 2 : 1);
}

}  // namespace
}  // namespace orvex
