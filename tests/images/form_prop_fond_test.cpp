// The background properties dialog: typed corners refused or saved, and the
// corners computed from two tie points.
#include "images/ui/form_prop_fond.h"

#include <QLocale>

#include <gtest/gtest.h>

#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

class PropFond : public ::testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QImage scan(1000, 800, QImage::Format_RGB32);
    scan.fill(Qt::gray);
    PoseImageFond(fond_, projection_, scan, dir_.path() / "jean.dupont" / "carte1.bmp", 100);
    fond_.Coins = {2, 47, 3, 46.5};
  }
  void TearDown() override { QLocale::setDefault(QLocale::c()); }

  LiensPropFond Liens() { return {fond_, projection_, step_, dialogs_, &status_, [this] { ++applied_; }}; }

  testing::TempDir dir_;
  testing::ScriptedDialogs dialogs_;
  ImageFond fond_;
  ProjectionState projection_;
  std::int32_t step_ = 0;
  QLabel status_;
  int applied_ = 0;
};

QString Corners(const TFormPropFond& d) {
  return QStringList{d.LgImgFondNW->text(), d.LtImgFondNW->text(), d.LgImgFondSE->text(), d.LtImgFondSE->text()}
      .join('|');
}

TEST_F(PropFond, ShowsThePictureAndItsCorners) {
  TFormPropFond dialog(Liens());
  dialog.show();
  EXPECT_EQ(Corners(dialog), "2,00000|47,00000|3,00000|46,50000");
  EXPECT_TRUE(dialog.LabelImFond->text().endsWith("jean.dupont/carte1.bmp"));
  EXPECT_TRUE(dialog.LabelNomAss->text().endsWith("jean.dupont/carte1.cor"));
  EXPECT_EQ(dialog.LabelTaille->text(), "1000 x 800 pixels");
  EXPECT_EQ(dialog.LabelImFond->textFormat(), Qt::PlainText);
}

TEST_F(PropFond, RefusedCornersSaveNothing) {
  struct Case { const char* lgNW; const char* ltNW; const char* lgSE; const char* ltSE; const char* error; int edit; };
  const Case cases[] = {
      {"0", "47", "3", "46,5", "Longitude NW erronnée", 0},
      {"2", "nord", "3", "46,5", "Latitude NW erronnée", 1},
      {"2", "47", "", "46,5", "Longitude SE erronnée", 2},
      {"2", "47", "3", "0,0", "Latitude SE erronnée", 3},
      {"3", "47", "2", "46,5", "Longitude SE erronnée", 2},
      {"2", "47", "2,001", "46,5", "Coins trop proches ou trop éloignés pour la taille de l'image", 2},
  };
  for (const Case& c : cases) {
    TFormPropFond dialog(Liens());
    QLineEdit* const edits[] = {dialog.LgImgFondNW, dialog.LtImgFondNW, dialog.LgImgFondSE, dialog.LtImgFondSE};
    for (const auto& [edit, text] : {std::pair{edits[0], c.lgNW}, {edits[1], c.ltNW}, {edits[2], c.lgSE},
                                     {edits[3], c.ltSE}}) {
      edit->setText(QString::fromUtf8(text));
    }
    dialog.ButtonSauve->click();
    EXPECT_EQ(dialog.ErreurTexte->text().toStdString(), c.error);
    EXPECT_EQ(dialog.focusWidget(), edits[c.edit]) << c.error;
  }
  EXPECT_TRUE(dialogs_.fileRequests.empty());
  EXPECT_EQ(applied_, 0);
}

TEST_F(PropFond, SavesTheTypedCornersBesideThePicture) {
  const auto file = dir_.MakeDir("jean.dupont") / "carte1.cor";
  dialogs_.fileNames.push_back(file.string());
  TFormPropFond dialog(Liens());
  dialog.LgImgFondNW->setText(QString::fromUtf8("1°30'00\"E"));
  dialog.LtImgFondSE->setText("46.25");
  dialog.ButtonSauve->click();
  ASSERT_EQ(dialogs_.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs_.fileRequests[0].title, "Sauver un fichier correspondance");
  EXPECT_EQ(dialogs_.fileRequests[0].directory, file.string());
  EXPECT_EQ(testing::ReadFile(file), file.string() + "\r\n/LgNW\r\n1,50000\r\n/LtNW\r\n47,00000\r\n/LgSE\r\n"
                                                     "3,00000\r\n/LtSE\r\n46,25000\r\n");
  EXPECT_EQ(fond_.Coins, (Correspondance{1.5, 47, 3, 46.25}));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(applied_, 1);
}

TEST_F(PropFond, TiePointsGiveTheCornersWhenTheDialogOpens) {
  fond_.Calage[0] = {100, 50, 2, 47};
  fond_.Calage[1] = {900, 650, 3, 46};
  step_ = kCalageComplet;
  TFormPropFond dialog(Liens());
  EXPECT_EQ(step_, 0);
  EXPECT_EQ(applied_, 1);
  EXPECT_EQ(Corners(dialog), "1,87516|47,08153|3,12360|45,75042");
  EXPECT_TRUE(dialog.ErreurTexte->text().isEmpty());

  fond_.Calage[1] = {900, 650, 1, 46};  // east clicked to the west
  step_ = kCalageComplet;
  TFormPropFond refused(Liens());
  EXPECT_EQ(step_, 0);
  EXPECT_EQ(applied_, 1);
  EXPECT_FALSE(refused.ErreurTexte->text().isEmpty());
}

TEST_F(PropFond, RenseignerStartsTheClicksAndAnnulerStopsThem) {
  TFormPropFond dialog(Liens());
  dialog.ButtonRens->click();
  EXPECT_EQ(step_, 1);
  EXPECT_TRUE(status_.font().bold());
  EXPECT_EQ(status_.text(), QString::fromUtf8("Cliquez sur le premier point dont vous renseignerez les coordonnées"));
  TFormPropFond again(Liens());
  again.ButtonAnul->click();
  EXPECT_EQ(step_, 0);
  EXPECT_FALSE(status_.font().bold());
  EXPECT_EQ(status_.text(), " ");
}

}  // namespace
}  // namespace orvex
