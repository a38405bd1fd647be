#pragma once
// TFormPropFond, "Propriétés de l'image de fond": shows the background
// picture and its correspondence, lets the user type the corners and save
// the .cor file, or start the tie-point procedure (two clicked points of
// known position). Opened with both tie points entered, it first computes
// the corners from them.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdint>
#include <filesystem>
#include <functional>

#include "geo/projection.h"
#include "images/background_image.h"
#include "platform/dialogs.h"

namespace orvex {

// The main window's state and hooks the dialog works on.
struct LiensPropFond {
  ImageFond& fond;
  ProjectionState& projection;
  std::int32_t& TiePointStep;
  Dialogs& dialogs;
  QLabel* StaticTextInfo;
  // Sizes the map picture from the background, applies fond.Coins and redraws.
  std::function<void()> appliquer;
};

inline constexpr std::int32_t kCalageComplet = 3;  // both tie points entered

class TFormPropFond : public QDialog {
  Q_OBJECT
 public:
  TFormPropFond(LiensPropFond liens, QWidget* parent = nullptr);

  QLineEdit* LgImgFondNW = nullptr;
  QLineEdit* LtImgFondNW = nullptr;
  QLineEdit* LgImgFondSE = nullptr;
  QLineEdit* LtImgFondSE = nullptr;
  QLabel* LabelImFond = nullptr;
  QLabel* LabelNomAss = nullptr;
  QLabel* LabelTaille = nullptr;
  QLabel* ErreurTexte = nullptr;
  QLabel* Image1 = nullptr;
  QPushButton* ButtonSauve = nullptr;
  QPushButton* ButtonRens = nullptr;
  QPushButton* ButtonAnul = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildWidgets();
  void ShowCorners();
  void CornersFromTiePoints();
  void ButtonSauveClick();
  void ButtonRensClick();
  void ButtonAnulClick();

  LiensPropFond liens_;
};

}  // namespace orvex
