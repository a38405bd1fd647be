// The small entry dialogs of the map, shown without a modal loop and driven
// with QTest: the locator and zoom entry, the longitude/latitude entry and
// the altitude entry.
#include <QTest>

#include <gtest/gtest.h>

#include "app/ui/form_donnees.h"
#include "app/ui/form_intro_alt.h"
#include "app/ui/form_intro_lglt.h"
#include "support/scripted_dialogs.h"

namespace orvex {
namespace {

using testing::ScriptedDialogs;

// The form serves other entries too: here only the locator and zoom fields show.
TEST(FormDonnees, ShowsTheLocatorAndZoomFieldsOnly) {
  ScriptedDialogs dialogs;
  TFormDonnees dialog(dialogs, EntreeDonnees::LocatorFirst, {"JN39BO", "600", false});
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Introduire la donnée"));
  EXPECT_EQ(dialog.Label1->text() + "|" + dialog.Label2->text(), "Locator|Zoom");
  for (const QWidget* hidden : std::initializer_list<const QWidget*>{dialog.Label3, dialog.Label4, dialog.Intro3,
                                                                     dialog.Intro4, dialog.ComboFichier}) {
    EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
  }
}

// Typing shows an example of what the field wants, which a repaint keeps;
// Escape presses OK.
TEST(FormDonnees, TypingShowsAnExampleAndEscapePressesOk) {
  ScriptedDialogs dialogs;
  TFormDonnees dialog(dialogs, EntreeDonnees::LocatorFirst, {"JN39BO", "600", false});
  dialog.show();
  dialog.Intro1->clear();
  QTest::keyClicks(dialog.Intro1, "jo1");
  EXPECT_EQ(dialog.IntroMsg->text(), "Exemple : JO10XG");
  QTest::keyClicks(dialog.Intro2, "0");
  EXPECT_EQ(dialog.IntroMsg->text(), "Exemple : 10000");
  dialog.repaint();
  EXPECT_EQ(dialog.Intro1->text() + "|" + dialog.Intro2->text(), "jo1|6000");
  QTest::keyClick(dialog.Intro1, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.IntroMsg->text(), "Le QRA locotor est incorrect");
  dialog.Intro1->setText("JO10XG");
  QTest::keyClick(dialog.Intro1, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(FormDonnees, OkChecksLocatorThenZoom) {
  const struct {
    const char* locator;
    const char* zoom;
    bool spherical;
    const char* message;  // null when accepted
  } cases[] = {
      {"jo10xg", "10000", false, nullptr},
      {"JO10X", "10000", false, "Le QRA locotor est incorrect"},
      {"JO10X", "0", false, "Le QRA locotor est incorrect"},
      {"JO10XG", "50001", false, "Le zoom doit être compris entre 1 et 30000"},
      {"JO10XG", "50000", false, nullptr},
      {"", "600", true, nullptr},
      {"", "", true, "Le zoom doit être compris entre 1 et 30000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.locator) + " " + c.zoom);
    ScriptedDialogs dialogs;
    TFormDonnees dialog(dialogs, EntreeDonnees::ZoomFirst, {c.locator, c.zoom, c.spherical});
    dialog.show();
    QTest::mouseClick(dialog.BoutonOkIntro, Qt::LeftButton);
    EXPECT_EQ(dialog.isVisible(), c.message != nullptr);
    EXPECT_EQ(dialogs.beeps, c.message != nullptr ? 1 : 0);
    if (c.message == nullptr) {
      EXPECT_EQ(dialog.result(), QDialog::Accepted);
      EXPECT_EQ(dialog.LocatorText(), c.locator);
    } else {
      EXPECT_EQ(dialog.IntroMsg->text(), QString::fromUtf8(c.message));
    }
  }
}

TEST(FormIntroLgLt, OkNeedsTwoNonZeroCoordinates) {
  const struct {
    const char* longitude;
    const char* latitude;
    bool accepted;
  } cases[] = {{"6.125", "49.6", true},
               {"06\xC2\xB0" "07'30\"E", "49\xC2\xB0" "36'00\"N", true},
               {"0", "49.6", false},
               {"6.1", "", false},
               {"abc", "49.6", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.longitude);
    TFormIntroLgLt dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Introduire longitude et latitude");
    dialog.EditLg->setText(QString::fromUtf8(c.longitude));
    dialog.EditLt->setText(QString::fromUtf8(c.latitude));
    QTest::mouseClick(dialog.BoutonOk, Qt::LeftButton);
    EXPECT_EQ(dialog.isVisible(), !c.accepted);
    EXPECT_EQ(dialog.Repointer(), !c.accepted);
    if (c.accepted) {
      EXPECT_DOUBLE_EQ(dialog.Longitude(), 6.125);
      EXPECT_DOUBLE_EQ(dialog.Latitude(), 49.6);
    } else {
      EXPECT_EQ(dialog.LabelExplication2->text(), QString::fromUtf8("Au moins une donnée incorrecte"));
      EXPECT_TRUE(dialog.LabelExplication1->text().isEmpty());
    }
  }
  TFormIntroLgLt dialog;  // "Repointer" closes asking for the click again
  dialog.show();
  dialog.EditLg->setText("6.1");
  dialog.EditLt->setText("49.6");
  QTest::mouseClick(dialog.BoutonRepointer, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(dialog.Repointer());
}

TEST(FormIntroAlt, TheFieldIsReadHoweverTheDialogCloses) {
  const std::pair<const char*, std::int32_t> cases[] = {{"", 0}, {"350", 350}, {"-12 m", -12}, {"m12", 0}};
  for (const auto& [text, altitude] : cases) {
    for (const bool escape : {false, true}) {
      TFormIntroAlt dialog;
      dialog.show();
      EXPECT_EQ(dialog.windowTitle(), "Introduire l'altitude");
      dialog.EditAltitude->setText(text);
      if (escape) {
        QTest::keyClick(dialog.EditAltitude, Qt::Key_Escape);
      } else {
        QTest::mouseClick(dialog.BoutonOk, Qt::LeftButton);
      }
      EXPECT_FALSE(dialog.isVisible());
      EXPECT_EQ(dialog.Altitude(), altitude) << text;
    }
  }
}

}  // namespace
}  // namespace orvex
