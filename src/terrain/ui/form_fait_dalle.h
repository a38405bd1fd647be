#pragma once
// TFormFaitDalle: "Paramétrage de fabrication d'une dalle". Asks for the two
// steps, confirms, fabricates the grid from the level curves with its
// progress and writes dalles.dat; "Quitter" stops a running fabrication.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <filesystem>
#include <functional>

#include "database/tables.h"
#include "platform/dialogs.h"
#include "terrain/fabrication.h"

namespace orvex {

class TFormFaitDalle : public QDialog {
  Q_OBJECT
 public:
  // `fichier` is the dalles.dat to write; `cadre` shows the curves' box on
  // the map before the work starts.
  TFormFaitDalle(const TTableNiveaux& niveaux, std::filesystem::path fichier, Dialogs& dialogs,
                 std::function<void(const BoiteCourbes&)> cadre, QWidget* parent = nullptr);

  // Whether dalles.dat was written (whole, or with the rows made before a stop).
  bool Fabriquee() const { return fabriquee_; }

  QLineEdit* EditDeltaLg = nullptr;
  QLineEdit* EditDeltaLt = nullptr;
  QListWidget* ListBox1 = nullptr;
  QLabel* LabelInfo = nullptr;
  QLabel* Label5 = nullptr;
  QProgressBar* ProgressBar = nullptr;
  QPushButton* BoutonOk = nullptr;
  QPushButton* ButtonAnnule = nullptr;

  // Closing the dialog in any way stops a running fabrication.
  void reject() override;

 private:
  void BoutonOkClick();
  // A degree text to whole units; false with a message when it cannot be one.
  bool Pas(const QLineEdit* edit, std::int32_t& pas);

  const TTableNiveaux& niveaux_;
  std::filesystem::path fichier_;
  Dialogs& dialogs_;
  std::function<void(const BoiteCourbes&)> cadre_;
  bool StopFabrication = false;
  bool enCours_ = false;
  bool fabriquee_ = false;
};

}  // namespace orvex
