#pragma once
// TForm3D ("Contrôle 3D"): the non-modal 3D controller. Sliders turn, tilt
// and zoom the map and correct the altitude exaggeration; four buttons move
// the centre. Created once, then only shown again.
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWidget>
#include <functional>

#include "geo/projection.h"
#include "mapview/display_options.h"
#include "mapview/redraw.h"
#include "terrain/view/controle_3d.h"

namespace orvex {

struct Liens3D {
  std::function<void()> redessine;  // full redraw of the map
  std::function<void()> prepare;    // graticule now, layers at the next tick
};

class TForm3D : public QWidget {
  Q_OBJECT
 public:
  TForm3D(ProjectionState& projection, RedrawState& redraw, const DisplayOptions& display, Liens3D liens,
          QWidget* parent = nullptr);

  // Sliders to the state, without moving anything.
  void AfficheEtat();
  // The redraw's angle labels, in degrees.
  void AfficheAngles(const ControllerAngles& angles);

  QSlider* TrackBarAlpha = nullptr;
  QSlider* TrackBarBeta = nullptr;
  QSlider* TrackBarGamma = nullptr;
  QSlider* TrackBarZoom = nullptr;
  QSlider* TrackBarCorrZ = nullptr;
  QLabel* LabelAlphaGP4 = nullptr;
  QLabel* LabelBetaGP4 = nullptr;
  QLabel* LabelGammaGP4 = nullptr;
  QPushButton* SpeedButtonHaut = nullptr;
  QPushButton* SpeedButtonbas = nullptr;
  QPushButton* SpeedButtonDroit = nullptr;
  QPushButton* SpeedButton1Gauche = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Angle(AxeRotation axe, int position);
  void TrackBarZoomChange(int position);
  void TrackBarCorrZChange(int position);
  void Deplace(DirectionCentre direction);
  void ApresCurseur();

  ProjectionState& projection_;
  RedrawState& redraw_;
  const DisplayOptions& display_;
  Liens3D liens_;
};

}  // namespace orvex
