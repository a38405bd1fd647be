#pragma once
// TFormIntroAlt: asks for the altitude of a level curve. The field is read
// whenever the dialog closes, however it is closed.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <cstdint>

namespace orvex {

class TFormIntroAlt : public QDialog {
  Q_OBJECT
 public:
  explicit TFormIntroAlt(QWidget* parent = nullptr);

  // The integer the field begins with, 0 when it holds none: 0 keeps the
  // curve's previous altitude.
  std::int32_t Altitude() const { return altitude_; }

  void done(int result) override;

  QLineEdit* EditAltitude = nullptr;
  QPushButton* BoutonOk = nullptr;

 private:
  std::int32_t altitude_ = 0;
};

}  // namespace orvex
