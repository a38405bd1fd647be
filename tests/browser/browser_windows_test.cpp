// The browser and the place search dialog, driven as a user does.
#include <QApplication>
#include <QIdentityProxyModel>
#include <gtest/gtest.h>

#include "browser/browser_tables.h"
#include "browser/ui/form_trouve.h"
#include "browser/ui/form_visu.h"

namespace orvex {
namespace {

class CountingProxy : public QIdentityProxyModel {
 public:
  QVariant data(const QModelIndex& index, int role) const override {
    ++calls;
    return QIdentityProxyModel::data(index, role);
  }
  mutable int calls = 0;
};

struct Browser {
  explicit Browser(BrowserKind kind)
      : form(sample.Tables(), {projection, display, [] {}, [](int, int) {}}, kind) {}
  testing::SampleTables sample;
  ProjectionState projection;
  DisplayOptions display;
  TFormVisu form;
};

TEST(BrowserWindow, SearchSelectsTheFoundCell) {
  Browser b(BrowserKind::Villes);
  EXPECT_EQ(b.form.windowTitle(), "Visualisation");
  const QModelIndex none = b.form.StringGrid1->currentIndex();
  b.form.Edit1->setText("");
  b.form.SearchBrowser(true);
  EXPECT_EQ(b.form.StringGrid1->currentIndex(), none);  // an empty text finds nothing

  b.form.Edit1->setText("ville");
  b.form.SearchBrowser(true);
  EXPECT_EQ(b.form.StringGrid1->currentIndex(), b.form.Model().index(2, 3));
  b.form.SearchBrowser(false);  // "Suivant" in the city grid finds the same city
  EXPECT_EQ(b.form.StringGrid1->currentIndex(), b.form.Model().index(2, 3));

  b.form.FillBrowser(BrowserKind::Relais);
  b.form.Edit1->setText("jn");
  b.form.SearchBrowser(true);
  EXPECT_EQ(b.form.StringGrid1->currentIndex(), b.form.Model().index(0, 2));
  b.form.SearchBrowser(false);  // the next repeater, right after the current one
  EXPECT_EQ(b.form.StringGrid1->currentIndex(), b.form.Model().index(1, 2));

  b.form.FillBrowser(BrowserKind::Structures);
  b.form.Edit1->setText("a31");
  b.form.SearchBrowser(true);  // structures are not searched
  EXPECT_FALSE(b.form.StringGrid1->currentIndex().isValid());
}

TEST(BrowserWindow, AMillionPointsOpenWithoutAMillionItems) {
  Browser b(BrowserKind::None);
  auto& contours = b.sample.places.TableContours.Fichiers;
  contours.resize(1);
  contours[0].Elements.assign(1'000'000, TPointLgLt{ToFixed(6.1), ToFixed(49.6)});
  contours[0].Elements.back() = {ToFixed(-1.5), ToFixed(-2.5)};
  CountingProxy proxy;
  proxy.setSourceModel(&b.form.Model());
  b.form.StringGrid1->setModel(&proxy);
  b.form.FillBrowser(BrowserKind::Contours);
  b.form.show();
  QApplication::processEvents();
  b.form.StringGrid1->scrollToBottom();
  QApplication::processEvents();
  EXPECT_EQ(proxy.rowCount(), 1'000'000);
  EXPECT_LT(proxy.calls, 20'000);
  EXPECT_LT(b.form.findChildren<QWidget*>().size(), 100);
  EXPECT_EQ(proxy.index(999'999, 1).data().toString().toDouble(), -1.5);
}

TEST(PlaceSearchWindow, CaptionsAndTheMessageLabel) {
  testing::SampleTables sample;
  Canvas canvas(100, 100);
  ProjectionState projection;
  DisplayOptions display;
  for (const auto& [mode, caption, prompt] :
       {std::tuple(TrouveMode::Lieu, "Trouver un lieu", "Entrez la chaîne de recherche"),
        std::tuple(TrouveMode::RelaisFrequence, "Trouver un relais d'après la fréquence", "Entrez la fréquence (MHz)")}) {
    TFormTrouve form({{projection, display, [] {}, [](int, int) {}}, canvas, sample.places, 6, 49, {}}, mode);
    EXPECT_EQ(form.windowTitle().toStdString(), caption);
    EXPECT_EQ(form.LabelQuoi->text().toStdString(), prompt);
    form.EditQuoi->setText("<b>zzz</b>");
    form.ButtonChercher->click();
    EXPECT_EQ(form.Label1->text(), "Pas trouvé");
    EXPECT_EQ(form.Label1->textFormat(), Qt::PlainText);
  }
}

}  // namespace
}  // namespace orvex
