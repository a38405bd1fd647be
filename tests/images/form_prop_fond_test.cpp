// The background properties dialog: typed corners refused or saved.
#include "images/ui/form_prop_fond.h"

#include <QLocale>

#include <array>
#include <tuple>

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

TEST_F(PropFond, RefusesUnsoundCornersThenSavesBesideThePicture) {
  const auto file = dir_.MakeDir("jean.dupont") / "carte1.cor";
  TFormPropFond dialog(Liens());
  dialog.show();
  QLineEdit* const edits[] = {dialog.LgImgFondNW, dialog.LtImgFondNW, dialog.LgImgFondSE, dialog.LtImgFondSE};
  const auto type = [&edits](std::array<const char*, 4> texts) {
    for (int i = 0; i < 4; ++i) {
      edits[i]->setText(QString::fromUtf8(texts[i]));
    }
  };
  EXPECT_EQ(QStringList({edits[0]->text(), edits[1]->text(), edits[2]->text(), edits[3]->text()}).join('|'),
            "2,00000|47,00000|3,00000|46,50000");
  EXPECT_EQ(dialog.LabelTaille->text(), "1000 x 800 pixels");
  EXPECT_EQ(dialog.LabelNomAss->text().toStdString(), file.string());
  struct Case { std::array<const char*, 4> texts; const char* error; int edit; };
  const Case cases[] = {
      {{"0", "47", "3", "46,5"}, "Longitude NW erronnée", 0},
      {{"2", "nord", "3", "46,5"}, "Latitude NW erronnée", 1},
      {{"2", "47", "", "46,5"}, "Longitude SE erronnée", 2},
      {{"2", "47", "3", "0,0"}, "Latitude SE erronnée", 3},
      {{"3", "47", "2", "46,5"}, "Longitude SE erronnée", 2},
      {{"2", "47", "2,001", "46,5"}, "Coins trop proches ou trop éloignés pour la taille de l'image", 2},
  };
  for (const Case& c : cases) {
    type(c.texts);
    dialog.ButtonSauve->click();
    EXPECT_EQ(dialog.ErreurTexte->text().toStdString(), c.error);
    EXPECT_EQ(dialog.focusWidget(), edits[c.edit]) << c.error;
  }
  EXPECT_TRUE(dialogs_.fileRequests.empty());
  EXPECT_EQ(applied_, 0);

  dialogs_.fileNames.push_back(file.string());
  type({"1°30'00\"E", "47,00000", "3", "46.25"});
  dialog.ButtonSauve->click();
  ASSERT_EQ(dialogs_.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs_.fileRequests[0].title, "Sauver un fichier correspondance");
  EXPECT_EQ(dialogs_.fileRequests[0].directory, file.string());
  EXPECT_EQ(testing::ReadFile(file), file.string() + "\r\n/LgNW\r\n1,50000\r\n/LtNW\r\n47,00000\r\n/LgSE\r\n"
                                                     "3,00000\r\n/LtSE\r\n46,25000\r\n");
  EXPECT_EQ(fond_.Coins, (Correspondance{1.5, 47, 3, 46.25}));
  EXPECT_EQ(std::tuple(dialog.result(), applied_), std::tuple(int(QDialog::Accepted), 1));
}

}  // namespace
}  // namespace orvex
