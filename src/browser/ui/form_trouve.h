#pragma once
// TFormTrouve: "Trouver un lieu" or "Trouver un relais d'après la fréquence"
// (the same search under two captions). Stays open until closed.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "browser/map_pointing.h"

namespace orvex {

enum class TrouveMode { Lieu, RelaisFrequence };

class TFormTrouve : public QDialog {
  Q_OBJECT
 public:
  TFormTrouve(PlaceSearchScene scene, TrouveMode mode, QWidget* parent = nullptr);

  void ChercherClick();

  QLabel* LabelQuoi = nullptr;
  QLineEdit* EditQuoi = nullptr;
  QPushButton* ButtonChercher = nullptr;
  QLabel* Label1 = nullptr;

 private:
  PlaceSearchScene scene_;
};

}  // namespace orvex
