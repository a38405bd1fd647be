#pragma once
// TFormProfil: the section of the level curves crossed by the drawn vector,
// west to east, with "A" and "B" under its ends, and its printing.
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <functional>

#include "geo/geo_position.h"
#include "mapview/canvas.h"
#include "platform/dialogs.h"
#include "terrain/profil.h"
#include "terrain/section_profil.h"

namespace orvex {

class TFormProfil : public QDialog {
  Q_OBJECT
 public:
  // `points`: the crossings of the vector AB in table order, at least two.
  // `marqueCarte` writes "A" and "B" on the map when the dialog shows; it
  // gets the crossings sorted west to east.
  TFormProfil(TPointsProfil points, GeoPosition a, GeoPosition b, Dialogs& dialogs,
              std::function<void(const TPointsProfil&)> marqueCarte, QWidget* parent = nullptr);

  const TPointsProfil& Tries() const { return tries_; }
  const QImage& Section() const { return canvas_.Image(); }
  void ButtonImprimeClick();

  QLabel* Image = nullptr;
  QPushButton* ButtonImprime = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Dialogs& dialogs_;
  std::function<void(const TPointsProfil&)> marqueCarte_;
  TPointsProfil tries_;
  Canvas canvas_;
  bool carteMarquee_ = false;
};

}  // namespace orvex
