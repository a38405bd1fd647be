#pragma once
// TFormSurvol ("Survol  X-Y"): the perspective survey of the projected grid,
// drawn line by line when the dialog shows.
#include <QDialog>

#include "mapview/display_options.h"
#include "terrain/ui/image_canvas.h"
#include "terrain/view/matrice_ecran.h"

namespace orvex {

class TFormSurvol : public QDialog {
  Q_OBJECT
 public:
  TFormSurvol(const MatriceEcran& matrice, const DisplayOptions& display, QWidget* parent = nullptr);

  // Draws the survey, showing each line as it is done.
  void Dessine();

  ImageCanvas* Imagevol = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const MatriceEcran& matrice_;
  const DisplayOptions& display_;
};

}  // namespace orvex
