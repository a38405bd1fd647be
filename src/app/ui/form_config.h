#pragma once
// TFormConfig ("Configuration"): five tabs showing the running program's
// settings. "Ok" checks and takes everything, "Appliquer" the serial line, the
// picture size and the region, "Annuler" nothing; "Sauver" writes the values
// shown into ORVEX.INI. Three buttons only ask the main window to run
// something once the dialog has closed.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/config_edition.h"

namespace orvex {

class TFormPrinc;

// What the main window runs after the dialog.
enum class DemandeConfig { Aucune, Demo3D, ZoomContinu, Test640 };

class TFormConfig : public QDialog {
  Q_OBJECT
 public:
  explicit TFormConfig(TFormPrinc& principale);

  DemandeConfig Demande() const { return demande_; }

  void ConfigButtonOKClick();
  void ConfigButtonAppliquerClick();
  void ConfigButtonSauverClick();

  QTabWidget* Onglets = nullptr;
  QWidget* OngletCarte = nullptr;
  QLabel* ErreurMsg1 = nullptr;
  QLineEdit* ConfigLgCentre = nullptr;
  QLineEdit* ConfigLtCentre = nullptr;
  QLineEdit* ConfigLgCour = nullptr;
  QLineEdit* ConfigLtCour = nullptr;
  QLineEdit* ConfigZoomDemarre = nullptr;
  QSlider* BarrePourcent = nullptr;
  QLabel* LabelPC = nullptr;
  QCheckBox* CheckIndexPays = nullptr;
  QCheckBox* CheckAffContinu = nullptr;
  QCheckBox* CheckPays = nullptr;
  QCheckBox* CheckVilles = nullptr;
  QCheckBox* CheckStruct = nullptr;
  QCheckBox* CheckAffNiveau = nullptr;
  QCheckBox* CheckOM = nullptr;
  QCheckBox* CheckRelais = nullptr;
  QRadioButton* RadioButtonCourbeCouleur = nullptr;
  QRadioButton* RadioButtonCourbeNB = nullptr;
  QRadioButton* RadioButtonCourbeUni = nullptr;
  QCheckBox* CheckDalle = nullptr;
  QCheckBox* CheckGrillage = nullptr;
  QCheckBox* CheckPolyPlein = nullptr;
  QRadioButton* RadioButtonOmbre = nullptr;
  QRadioButton* RadioButtonCouleur = nullptr;
  QCheckBox* CheckVueSol = nullptr;
  QRadioButton* RBCourbe1erPlan = nullptr;
  QRadioButton* RBCourbeArrierePlan = nullptr;
  QComboBox* ChoixBaud = nullptr;
  QComboBox* ChoixParite = nullptr;
  QComboBox* ChoixDataBits = nullptr;
  QComboBox* ChoixStopBits = nullptr;
  QComboBox* ChoixPort = nullptr;
  QComboBox* ChoixProtocole = nullptr;
  QCheckBox* CheckAvertir = nullptr;
  QComboBox* ChoixInterface = nullptr;
  QCheckBox* CheckMobile = nullptr;
  QComboBox* ComboLieu = nullptr;
  QTreeWidget* TreeViewDB = nullptr;
  QLineEdit* EditNomCarte = nullptr;
  QPushButton* ConfigButtonOK = nullptr;
  QPushButton* ConfigButtonSauver = nullptr;
  QPushButton* ConfigButtonAppliquer = nullptr;
  QPushButton* ConfigButtonAnnuler = nullptr;
  QPushButton* BoutonDemo3D = nullptr;
  QPushButton* Bouton640 = nullptr;
  QPushButton* BoutonZoomCont = nullptr;

 private:
  QWidget* TabCarte();
  QWidget* TabRelief();
  QWidget* TabGps();
  QWidget* TabBases();
  QWidget* TabDivers();
  QWidget* TabIni();
  void Remplit();
  // The checks of "Ok" and "Sauver": the message and focus on failure.
  std::optional<ValeursCarte> Valide();
  // The serial, interface and protocol choices into `config`.
  void LitLigneSerie(Configuration& config) const;
  void ApplyStep();
  void Demande(DemandeConfig demande);

  TFormPrinc& principale_;
  DemandeConfig demande_ = DemandeConfig::Aucune;
};

}  // namespace orvex
