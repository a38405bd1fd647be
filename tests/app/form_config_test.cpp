// The configuration dialog on the real main window over a copy of the
// bundled region: checks with their messages and focus, "Ok" against
// "Appliquer", the region change, the display modes seen on the map,
// "Sauver", and the help and about boxes.
#include "app/ui/form_config.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include "app/ui/form_aide.h"
#include "app/ui/form_princ.h"
#include "geo/coordinate_text.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

class ConfigForm : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(ORVEX_SOURCE_DIR "/data", dir_.path(), std::filesystem::copy_options::recursive);
    ini_ =
        "/ essai\r\nLgCourant=06\xB0"
        "07'51\"E\r\nLtCourant=49\xB0"
        "36'42\"N\r\nPeripheriqueCOM1=" +
        (dir_.path() / "no-such-tty").string() +
        "\r\nProtocoleGPS=COM1:4800,N,8,1\r\nInterface=3\r\nTrame=1\r\nPeriodeGPS=2\r\nCanaux=3\r\n"
        "LgDemarre=6.1234\r\nLtDemarre=49.7654\r\nZoomDemarre=600\r\nCarteDemarre=X\r\nRepertoireLieu=luxembourg\r\n";
    dir_.Write("ORVEX.INI", ini_);
    dir_.Write("lieux/autre/villes/v.dat", "Ailleurs,6.0,49.5,0,1,40\r\n");
    form_ = std::make_unique<TFormPrinc>(dialogs_, dir_.path());
    ASSERT_TRUE(form_->FormCreate());
    form_->Timer1->stop();
    dialogs_.messages.clear();
    dialogs_.beeps = 0;
    form_->MapCanvas().SetSize(400, 300);
    form_->RequestRedraw();
    dialog_ = std::make_unique<TFormConfig>(*form_);
  }
  void TearDown() override {
    dialog_.reset();
    form_.reset();
  }

  ProgramState& State() { return form_->State(); }
  int Region(const char* nom) const {
    const auto& regions = form_->State().directories.ListeRegions;
    return static_cast<int>(std::find(regions.begin(), regions.end(), nom) - regions.begin());
  }
  QImage Map() {
    form_->RequestRedraw();
    return form_->Picture().copy();
  }

  testing::TempDir dir_;
  std::string ini_;
  testing::ScriptedDialogs dialogs_;
  std::unique_ptr<TFormPrinc> form_;
  std::unique_ptr<TFormConfig> dialog_;
};

TEST_F(ConfigForm, OpensOnTheRunningValues) {
  EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Configuration"));
  EXPECT_EQ(dialog_->ConfigLgCour->text(), QString::fromUtf8("06°07'51\"E"));
  EXPECT_EQ(dialog_->ConfigZoomDemarre->text(), QStringLiteral("600"));
  EXPECT_EQ(dialog_->LabelPC->text(), QStringLiteral("100%"));
  EXPECT_TRUE(dialog_->CheckVilles->isChecked());
  EXPECT_TRUE(dialog_->RadioButtonCourbeCouleur->isChecked());
  EXPECT_TRUE(dialog_->CheckDalle->isEnabled()) << "the region has a grid";
  EXPECT_FALSE(dialog_->CheckGrillage->isEnabled());
  dialog_->CheckDalle->setChecked(true);
  EXPECT_TRUE(dialog_->CheckGrillage->isEnabled() && dialog_->CheckPolyPlein->isEnabled());
  EXPECT_EQ(dialog_->ChoixProtocole->count(), static_cast<int>(NomsTrames.size()));
  EXPECT_EQ(dialog_->ChoixPort->currentText(), QStringLiteral("COM1"));
  EXPECT_EQ(dialog_->ComboLieu->currentText(), QStringLiteral("luxembourg"));
  EXPECT_EQ(dialog_->TreeViewDB->topLevelItem(0)->text(0), QStringLiteral("lieux"));
  EXPECT_EQ(dialog_->TreeViewDB->topLevelItem(0)->childCount(), 2);
  dialog_->RadioButtonOmbre->setChecked(true);
  EXPECT_TRUE(dialog_->RadioButtonCourbeNB->isChecked()) << "shading selects black and white";
}

TEST_F(ConfigForm, RefusedEntriesShowTheirMessageAndTakeTheFocus) {
  struct Case {
    QLineEdit* TFormConfig::*edit;
    const char* texte;
    const char* message;
    QLineEdit* TFormConfig::*focus;
  };
  const Case cases[] = {
      {&TFormConfig::ConfigLgCour, "0°0'0\"E", "La longitude est incorrecte", &TFormConfig::ConfigLgCour},
      {&TFormConfig::ConfigLgCentre, "6.13", "La longitude est incorrecte", &TFormConfig::ConfigLgCentre},
      {&TFormConfig::ConfigLtCour, "49", "La latitude est incorrecte", &TFormConfig::ConfigLtCour},
      {&TFormConfig::ConfigZoomDemarre, "50001", "Le Zoom entré est incorrect", &TFormConfig::ConfigZoomDemarre},
      {&TFormConfig::ConfigZoomDemarre, "0", "Le Zoom entré est incorrect", &TFormConfig::ConfigZoomDemarre},
      {&TFormConfig::ConfigZoomDemarre, "123456", "Le Zoom entré est incorrect", &TFormConfig::ConfigZoomDemarre},
  };
  for (const Case& c : cases) {
    TFormConfig dialog(*form_);
    dialog.show();
    dialog.Onglets->setCurrentIndex(2);
    (dialog.*c.edit)->setText(QString::fromUtf8(c.texte));
    dialog.ConfigButtonOK->click();
    EXPECT_EQ(dialog.ErreurMsg1->text(), QString::fromUtf8(c.message)) << c.texte;
    EXPECT_EQ(dialog.Onglets->currentWidget(), dialog.OngletCarte) << c.texte;
    EXPECT_EQ(dialog.focusWidget(), dialog.*c.focus) << c.texte;
    EXPECT_NE(dialog.result(), QDialog::Accepted) << c.texte;
    EXPECT_EQ(State().config.ZoomDemarre, 600) << "nothing reached the state";
  }
  TFormConfig dialog(*form_);
  dialog.ConfigZoomDemarre->setText("50000");
  dialog.ConfigButtonOK->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(State().config.ZoomDemarre, 50000);
  EXPECT_EQ(State().projection.Zoom, 600) << "the running zoom is not changed";
}

TEST_F(ConfigForm, OkTakesEverythingAppliquerOnlyTheLineAndTheRegion) {
  dialog_->CheckVilles->setChecked(false);
  dialog_->ChoixBaud->setCurrentIndex(6);
  dialog_->ConfigButtonAppliquerClick();
  EXPECT_TRUE(State().display.AfficheVilles);
  EXPECT_EQ(State().config.IndexVitesse, 7);
  EXPECT_EQ(dialogs_.beeps, 1) << "the serial line reopened and failed";
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_NE(dialogs_.messages[0].text.find("vous devriez modifier votre choix. "), std::string::npos);
  EXPECT_TRUE(dialogs_.questions.empty()) << "the region in use asks nothing";
  dialog_->ConfigButtonOKClick();
  EXPECT_FALSE(State().display.AfficheVilles);
}

TEST_F(ConfigForm, OkWithoutChangeTruncatesToWholeSeconds) {
  dialog_->ConfigButtonOKClick();
  // 6.1234 E is 6°07'24.24": the text holds 6°07'24", toward zero.
  EXPECT_DOUBLE_EQ(State().projection.CentreLongitude, 6 + 7 / 60.0 + 24 / 3600.0);
  EXPECT_DOUBLE_EQ(State().projection.CentreLatitude, 49 + 45 / 60.0 + 55 / 3600.0);
  EXPECT_DOUBLE_EQ(State().config.LgCourant, 6 + 7 / 60.0 + 51 / 3600.0);
}

TEST_F(ConfigForm, ANewRegionAsksRecompilesAndRedraws) {
  const QImage avant = Map();
  dialog_->ComboLieu->setCurrentIndex(Region("autre"));
  dialogs_.answers = {Answer::No};
  dialog_->ConfigButtonAppliquerClick();
  EXPECT_EQ(State().directories.IndexRegion, Region("luxembourg"));
  EXPECT_GT(State().tables.TableContours.NbFichiers(), 0);
  // A city edited in the region left is offered for saving there first.
  State().tables.TableVilles.Fichiers[0].Elements[0].Nom = "Chang\xE9" "e";
  State().tables.ModifVilles = true;
  dialogs_.answers = {Answer::Yes, Answer::Yes};
  dialog_->ConfigButtonAppliquerClick();
  ASSERT_EQ(dialogs_.questions.size(), 3u);
  EXPECT_EQ(dialogs_.questions[1],
            "Vous avez changé le lieu de visualisation.Les bases de données seront recompilées. "
            "Etes-vous sur de votre choix ?");
  EXPECT_EQ(dialogs_.questions[2].rfind("Les données des villes ont été modifiées.", 0), 0u) << dialogs_.questions[2];
  std::string saved;
  for (const auto& file : std::filesystem::directory_iterator(dir_.path() / "lieux/luxembourg/villes")) {
    saved += testing::ReadFile(file.path());
  }
  EXPECT_NE(saved.find("Chang\xE9" "e"), std::string::npos);
  EXPECT_FALSE(State().tables.ModifVilles) << "the new region's tables are unedited";
  EXPECT_EQ(State().directories.IndexRegion, Region("autre"));
  EXPECT_EQ(State().tables.TableContours.NbFichiers(), 0);
  ASSERT_EQ(State().tables.TableVilles.NbFichiers(), 1);
  EXPECT_EQ(State().dalle.NbX, 0) << "the old region's grid is gone";
  EXPECT_NE(form_->Picture(), avant);
}

TEST_F(ConfigForm, EveryDisplayModeChangesTheMap) {
  State().projection.Zoom = 1500;
  struct Case {
    const char* what;
    void (*choisit)(TFormConfig&);
  };
  const Case cases[] = {
      {"tiles", [](TFormConfig& d) { d.CheckDalle->setChecked(true); }},
      {"mesh", [](TFormConfig& d) { d.CheckPolyPlein->setChecked(false); }},
      {"grey outlines",
       [](TFormConfig& d) {
         d.CheckPolyPlein->setChecked(true);
         d.CheckGrillage->setChecked(true);
       }},
      {"shading", [](TFormConfig& d) { d.RadioButtonOmbre->setChecked(true); }},
      {"grey curves",
       [](TFormConfig& d) {
         d.CheckDalle->setChecked(false);
         d.RadioButtonCouleur->setChecked(true);
         d.RadioButtonCourbeNB->setChecked(true);
       }},
      {"plain curves", [](TFormConfig& d) { d.RadioButtonCourbeUni->setChecked(true); }},
      {"curves in the foreground", [](TFormConfig& d) { d.RBCourbe1erPlan->setChecked(true); }},
  };
  QImage avant = Map();
  for (const Case& c : cases) {
    TFormConfig dialog(*form_);
    c.choisit(dialog);
    dialog.ConfigButtonOKClick();
    const QImage apres = Map();
    EXPECT_NE(apres, avant) << c.what;
    avant = apres;
  }
}

TEST_F(ConfigForm, SauverWritesWhatTheDialogShows) {
  dialog_->ConfigZoomDemarre->setText("1234");
  dialog_->ChoixProtocole->setCurrentIndex(1);
  dialog_->ConfigButtonSauverClick();
  const std::string ecrit = testing::ReadFile(dir_.path() / "ORVEX.INI");
  EXPECT_NE(ecrit.find("ZoomDemarre=1234\r\n"), std::string::npos);
  EXPECT_NE(ecrit.find("Trame=2\r\n"), std::string::npos);
  EXPECT_NE(ecrit.find("LgDemarre=06\xB0"
                       "07'24\"E\r\n"),
            std::string::npos);
  EXPECT_TRUE(ecrit.starts_with("/ essai\r\n"));
  EXPECT_NE(ecrit.find("PeripheriqueCOM1="), std::string::npos);
  EXPECT_EQ(State().config.ZoomDemarre, 600) << "the running program keeps its values until Ok";
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].kind, MessageKind::Information);

  ASSERT_EQ(chmod((dir_.path() / "ORVEX.INI").c_str(), 0444), 0);
  dialog_->ConfigZoomDemarre->setText("99");
  dialog_->ConfigButtonSauverClick();
  EXPECT_EQ(testing::ReadFile(dir_.path() / "ORVEX.INI"), ecrit);
  ASSERT_EQ(dialogs_.messages.size(), 2u);
  EXPECT_EQ(dialogs_.messages[1].kind, MessageKind::Error);
  EXPECT_TRUE(dialogs_.messages[1].text.ends_with("ORVEX.INI : le fichier est en lecture seule."))
      << dialogs_.messages[1].text;
}

// Presses a button of the configuration dialog once it is open, from inside
// its modal loop.
void WhenConfigOpens(QPushButton* TFormConfig::*bouton) {
  QTimer::singleShot(0, [bouton] {
    auto* dialog = qobject_cast<TFormConfig*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    (dialog->*bouton)->click();
  });
}

TEST_F(ConfigForm, RequestsRunOnceTheDialogHasClosed) {
  WhenConfigOpens(&TFormConfig::Bouton640);
  form_->Configuration1->trigger();
  EXPECT_EQ(form_->Picture().size(), QSize(640 - 229, 480 - 150));

  const std::int32_t zoom = State().projection.Zoom;
  WhenConfigOpens(&TFormConfig::BoutonZoomCont);
  form_->Configuration1->trigger();
  EXPECT_EQ(State().projection.Zoom, zoom + 1005) << "5 by 5 until past 1000 more";

  // The demonstration stops at "Annule" and takes its zoom back from the label.
  WhenConfigOpens(&TFormConfig::BoutonDemo3D);
  QTimer annule;  // pressed once the demonstration has drawn a few frames
  QObject::connect(&annule, &QTimer::timeout, [this, &annule] {
    if (State().projection.CentreLatitude == 50.0 && State().projection.Zoom > 35) {
      form_->findChild<QToolButton*>("BoutonAnnule")->click();
      annule.stop();
    }
  });
  annule.start(1);
  form_->Configuration1->trigger();
  EXPECT_FALSE(State().AnnuleFonction);
  EXPECT_DOUBLE_EQ(State().projection.CentreLatitude, 50.0);
  EXPECT_EQ(QString::number(State().projection.Zoom), form_->ZoomGP1->text());
  EXPECT_LT(State().projection.Zoom, 30 + 150) << "stopped early";
}

TEST_F(ConfigForm, HelpAndAbout) {
  TFormAide aide(dir_.path(), dialogs_);
  ASSERT_GT(aide.ListBoxAide->count(), 20);
  EXPECT_EQ(aide.ListBoxAide->item(0)->text(), QStringLiteral("ORVEX, micro-aide"));
  EXPECT_EQ(aide.ListBoxAide->item(1)->text(), QString::fromUtf8("ORVEX32 - Cartographie numérique vectorisée"));
  std::filesystem::remove(dir_.path() / "orvex.hlp");
  TFormAide absente(dir_.path(), dialogs_);
  EXPECT_EQ(absente.ListBoxAide->item(1)->text(), QString::fromUtf8("Fichier orvex.hlp non trouvé"));
  absente.show();
  QApplication::processEvents();
  ASSERT_FALSE(dialogs_.messages.empty());
  EXPECT_EQ(dialogs_.messages.back().text, "Erreur sur le fichier ORVEX.HLP");

  QCoreApplication::setApplicationVersion("9.8.7");
  TFormAPropos apropos;
  EXPECT_EQ(apropos.windowTitle(), QStringLiteral("A propos de ORVEX 32"));
  EXPECT_EQ(apropos.findChild<QLabel*>("version")->text(), QStringLiteral("9.8.7"));
}

}  // namespace
}  // namespace orvex
