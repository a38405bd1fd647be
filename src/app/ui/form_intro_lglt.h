#pragma once
// TFormIntroLgLt: asks for the longitude and latitude of a clicked point,
// as decimal degrees or degrees, minutes and seconds. "Ok" closes only when
// both read as non-zero; "Repointer ce point" lets the user click again.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvex {

class TFormIntroLgLt : public QDialog {
  Q_OBJECT
 public:
  explicit TFormIntroLgLt(QWidget* parent = nullptr);

  // True unless the dialog was closed by a valid "Ok" (closing the window
  // asks for the point again too).
  bool Repointer() const { return repointer_; }
  double Longitude() const { return longitude_; }
  double Latitude() const { return latitude_; }

  QLineEdit* EditLg = nullptr;
  QLineEdit* EditLt = nullptr;
  QLabel* LabelExplication1 = nullptr;
  QLabel* LabelExplication2 = nullptr;
  QPushButton* BoutonOk = nullptr;
  QPushButton* BoutonRepointer = nullptr;

 private:
  void BoutonOkClick();

  bool repointer_ = true;
  double longitude_ = 0;
  double latitude_ = 0;
};

}  // namespace orvex
