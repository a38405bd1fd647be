#pragma once
// TFormVueSol ("Vue du sol"): the view of an observer standing at the start
// of the measurement vector, looking towards its end. Sliders set the eye
// height, the bearing and the altitude correction; four buttons walk the
// observer; "photographie" paints the view filled.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <functional>

#include "database/tables.h"
#include "geo/geo_position.h"
#include "mapview/display_options.h"
#include "terrain/ui/image_canvas.h"
#include "terrain/view/vue_sol.h"

namespace orvex {

struct DonneesVueSol {
  GeoPosition& observateur;  // MeasureOrigin, moved by the dialog
  GeoPosition& visee;        // MeasureEnd
  double& correctionAltitude;
  const TTableNiveaux& niveaux;
  const TTableOM& om;
  const DisplayOptions& display;
  std::function<void(const VueSol&)> montreCone;  // the view's cone on the map
};

class TFormVueSol : public QDialog {
  Q_OBJECT
 public:
  explicit TFormVueSol(DonneesVueSol donnees, QWidget* parent = nullptr);

  // Sets the sliders from the vector and draws: what activation does.
  void Active();
  double Hauteur() const;
  const VueSol& Vue() const { return vue_; }

  ImageCanvas* ImageVueSol = nullptr;
  ImageCanvas* Cercle = nullptr;  // the compass
  QSlider* TrackBarAlt = nullptr;
  QSlider* TrackBarAngle = nullptr;
  QSlider* TrackBarCorAlt = nullptr;
  QLabel* Labelalt = nullptr;
  QLabel* LabelAngle = nullptr;
  QLabel* LabelCor = nullptr;
  QPushButton* SBHaut = nullptr;
  QPushButton* SBBas = nullptr;
  QPushButton* SBGauche = nullptr;
  QPushButton* SBDroit = nullptr;
  QPushButton* ButtonOK = nullptr;
  QPushButton* ButtonPhoto = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void TrackBarAltChange(int position);
  void TrackBarCorAltChange(int position);
  void TrackBarAngleChange(int position);
  void Pas(PasObservateur pas);
  void PrepareVue();
  void Dessine();
  void ButtonPhotoClick();
  // Draws (or erases, drawn again) the compass needle at angle `phi`.
  void Aiguille(double phi);

  DonneesVueSol donnees_;
  VueSol vue_;
  double distanceVisee_ = 0;
  double phi_ = 0;  // angle of the needle now drawn
  bool aiguilleTracee_ = false;
};

// The bearing slider's position turned into the needle's angle: east of
// north clockwise becomes counter-clockwise from east.
double AngleAiguille(int position);

}  // namespace orvex
