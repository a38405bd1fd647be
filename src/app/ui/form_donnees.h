#pragma once
// TFormDonnees: the small data-entry dialog of the map. In its entry modes it
// takes a locator and a zoom to move the map to; Ok checks both before the
// dialog closes. In its city mode it takes the name of a city drawn on the
// map and the file to store it in. Enter and Escape both press Ok.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include "platform/dialogs.h"

namespace orvex {

// Which field the entry starts in, or the city mode.
enum class EntreeDonnees { LocatorFirst, ZoomFirst, Ville };

// What the dialog opens with: the texts of the main window's locator and
// zoom labels, and whether the map is in globe view (the locator then goes
// unchecked).
struct DonneesPointeur {
  QString locator;
  QString zoom;
  bool spherical = false;
};

class TFormDonnees : public QDialog {
  Q_OBJECT
 public:
  TFormDonnees(Dialogs& dialogs, EntreeDonnees mode, DonneesPointeur valeurs, QWidget* parent = nullptr);

  // The accepted texts, as typed.
  QString LocatorText() const { return Intro1->text(); }
  QString ZoomText() const { return Intro2->text(); }
  // City mode: the city files to choose from, in table order, followed by
  // "(nouveau fichier)"; the first is chosen.
  void SetFichiersVilles(const QStringList& fichiers);
  // City mode: the name typed, and the index of the chosen file (the number
  // of files for "(nouveau fichier)").
  QString NomVille() const { return Intro1->text(); }
  int FichierChoisi() const { return ComboFichier->currentIndex(); }

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* IntroMsg = nullptr;
  QLineEdit* Intro1 = nullptr;
  QLineEdit* Intro2 = nullptr;
  QLineEdit* Intro3 = nullptr;
  QLineEdit* Intro4 = nullptr;
  QComboBox* ComboFichier = nullptr;
  QPushButton* BoutonOkIntro = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void ShowEntryFields();
  void ShowCityFields();
  void BoutonOkIntroClick();
  // Beep and the reason in the message line; the dialog stays open.
  void Refuse(const char* message);

  Dialogs& dialogs_;
  EntreeDonnees mode_;
  DonneesPointeur valeurs_;
};

}  // namespace orvex
