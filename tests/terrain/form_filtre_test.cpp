// The level filter: moving one threshold with or without the link, and the
// dialog's texts, bars and redraws.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "terrain/ui/form_filtre.h"
#include "terrain/view/filtre_seuils.h"

namespace orvex {
namespace {

TEST(FiltreSeuils, MovingOneBarWithOrWithoutTheLink) {
  struct Case { const char* what; bool mini; SeuilsFiltre avant; std::int32_t position; bool lie; SeuilsFiltre apres; };
  const Case cases[] = {
      {"linked minimum pulls the maximum 10 m above", true, {0, 500}, 200, true, {200, 210}},
      {"unlinked minimum moves alone", true, {0, 500}, 200, false, {200, 500}},
      {"linked minimum near the top: the maximum stops at the bar's end", true, {0, 500}, 495, true, {495, 500}},
      {"linked maximum pulls the minimum 10 m below", false, {0, 500}, 300, true, {290, 300}},
      {"unlinked maximum moves alone", false, {100, 500}, 300, false, {100, 300}},
      {"linked maximum near the bottom: the minimum stops at 0", false, {0, 500}, 4, true, {0, 4}},
      {"a position past the bar is kept on it", true, {0, 500}, 900, false, {500, 500}},
  };
  for (const Case& c : cases) {
    const SeuilsFiltre apres =
        c.mini ? DeplaceSeuilMini(c.avant, c.position, c.lie) : DeplaceSeuilMaxi(c.avant, c.position, c.lie);
    EXPECT_EQ(apres, c.apres) << c.what;
  }
}

struct Dialogue {
  DisplayOptions display;
  int redessins = 0;
  TFormFiltre form{display, [this] { ++redessins; }};

  // Bars, their labels and the thresholds all at (mini, maxi).
  void Attend(int mini, int maxi) const {
    EXPECT_EQ(std::pair(form.TrackBarSeuilMini->value(), form.TrackBarSeuilmaxi->value()), std::pair(mini, maxi));
    EXPECT_EQ(form.LabelSeuilMini->text(), QStringLiteral("Altitude : %1").arg(mini));
    EXPECT_EQ(form.LabelSeuilMaxi->text(), QStringLiteral("Altitude : %1").arg(maxi));
    EXPECT_EQ(std::pair(display.FiltreMin, display.FiltreMax), std::pair(mini, maxi));
  }
};

TEST(TFormFiltre, TextsAndStartingPositions) {
  Dialogue d;
  EXPECT_EQ(d.form.windowTitle(), QStringLiteral("Filtrage courbe de niveaux"));
  EXPECT_EQ(d.form.Checklie->text(), QString::fromUtf8("Lier les deux paramètres"));
  EXPECT_FALSE(d.form.Checklie->isChecked());
  EXPECT_EQ(d.form.TrackBarSeuilMini->minimum(), 0);
  EXPECT_EQ(d.form.TrackBarSeuilMini->maximum(), 500);
  EXPECT_EQ(d.form.TrackBarSeuilmaxi->maximum(), 500);
  // Start-up thresholds 0 and 10000: the bars open at their ends, and
  // opening the dialog changes no threshold.
  EXPECT_EQ(std::pair(d.form.TrackBarSeuilMini->value(), d.form.TrackBarSeuilmaxi->value()), std::pair(0, 500));
  EXPECT_EQ(d.form.LabelSeuilMini->text(), QStringLiteral("Altitude : 0"));
  EXPECT_EQ(d.form.LabelSeuilMaxi->text(), QStringLiteral("Altitude : 0"));
  EXPECT_EQ(d.display.FiltreMax, 10000);
  EXPECT_EQ(d.redessins, 0);
  QStringList textes;
  for (const QLabel* label : d.form.findChildren<QLabel*>()) {
    textes << label->text();
  }
  for (const char* texte : {"Le filtrage permet de déterminer un seuil à partir duquel ou jusqu'à l'altitude désirée "
                            "sera affichée",
                            "Seuil mini d'altitude d'affichage des courbes de niveau",
                            "Seuil maxi d'altitude d'affichage des courbes de niveau"}) {
    EXPECT_TRUE(textes.contains(QString::fromUtf8(texte))) << texte;
  }
}

TEST(TFormFiltre, OpensAtTheBarsEndsWhateverTheThresholds) {
  DisplayOptions display;
  display.FiltreMin = 120;
  display.FiltreMax = 130;
  TFormFiltre form(display, {});
  EXPECT_EQ(std::pair(form.TrackBarSeuilMini->value(), form.TrackBarSeuilmaxi->value()), std::pair(0, 500));
  EXPECT_EQ(std::pair(form.LabelSeuilMini->text(), form.LabelSeuilMaxi->text()),
            std::pair(QStringLiteral("Altitude : 0"), QStringLiteral("Altitude : 0")));
  EXPECT_EQ(std::pair(display.FiltreMin, display.FiltreMax), std::pair(120, 130));
}

TEST(TFormFiltre, LinkedBarsFollowEachOtherAndRedraw) {
  Dialogue d;
  d.form.show();
  // On the box itself: the row is wider than the box and its text.
  QTest::mouseClick(d.form.Checklie, Qt::LeftButton, {}, QPoint(6, d.form.Checklie->height() / 2));
  ASSERT_TRUE(d.form.Checklie->isChecked());
  for (int k = 0; k < 20; ++k) {
    QTest::keyClick(d.form.TrackBarSeuilMini, Qt::Key_PageUp);
  }
  d.Attend(200, 210);
  EXPECT_EQ(d.redessins, 20) << "one redraw per move";
  QTest::keyClick(d.form.TrackBarSeuilmaxi, Qt::Key_Left);
  d.Attend(199, 209);
  EXPECT_EQ(d.redessins, 21);
}

TEST(TFormFiltre, UnlinkedBarMovesAloneAndOkCloses) {
  Dialogue d;
  d.form.show();
  QTest::keyClick(d.form.TrackBarSeuilmaxi, Qt::Key_Home);
  QTest::keyClick(d.form.TrackBarSeuilmaxi, Qt::Key_PageUp);
  d.Attend(0, 10);
  QTest::mouseClick(d.form.BoutonOk, Qt::LeftButton);
  EXPECT_FALSE(d.form.isVisible());
  EXPECT_EQ(d.form.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace orvex
