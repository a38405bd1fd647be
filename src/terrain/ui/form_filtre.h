#pragma once
// TFormFiltre: the level filter dialog. Two bars set the altitudes between
// which level curves are drawn; the map is redrawn at every move.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <functional>

#include "mapview/display_options.h"
#include "terrain/view/filtre_seuils.h"

namespace orvex {

class TFormFiltre : public QDialog {
  Q_OBJECT
 public:
  // The bars open on the current thresholds, as far as their range goes.
  // `redessine` redraws the map.
  TFormFiltre(DisplayOptions& display, std::function<void()> redessine, QWidget* parent = nullptr);

  QSlider* TrackBarSeuilMini = nullptr;
  QSlider* TrackBarSeuilmaxi = nullptr;
  QLabel* LabelSeuilMini = nullptr;
  QLabel* LabelSeuilMaxi = nullptr;
  QCheckBox* Checklie = nullptr;
  QPushButton* BoutonOk = nullptr;

 private:
  void TrackBarSeuilMiniChange(int position);
  void TrackBarSeuilmaxiChange(int position);
  // Shows `seuils`, takes the thresholds that moved and redraws the map.
  void Applique(SeuilsFiltre seuils, bool changeMini, bool changeMaxi);
  // Bars and labels to `seuils`, without raising their own change handlers.
  void Affiche(SeuilsFiltre seuils);

  DisplayOptions& display_;
  std::function<void()> redessine_;
};

// "Altitude : " and the bar position.
QString TexteAltitude(int position);

}  // namespace orvex
