#include "terrain/ui/form_filtre.h"

#include <QGridLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

#include "platform/ui/qt_text.h"

namespace orvex {
namespace {

constexpr int kPasPage = 10;
constexpr int kLargeurBarre = 320;

QSlider* NouvelleBarre(QWidget* parent, const char* nom) {
  auto* barre = new QSlider(Qt::Horizontal, parent);
  barre->setObjectName(nom);
  barre->setRange(kSeuilBarreMin, kSeuilBarreMax);
  barre->setSingleStep(1);
  barre->setPageStep(kPasPage);
  barre->setMinimumWidth(kLargeurBarre);
  return barre;
}

QLabel* NouveauLibelle(QWidget* parent, const char* nom, const QString& texte) {
  auto* libelle = NewLabel(parent, texte);
  libelle->setObjectName(nom);
  return libelle;
}

}  // namespace

QString TexteAltitude(int position) { return QStringLiteral("Altitude : ") + QString::number(position); }

TFormFiltre::TFormFiltre(DisplayOptions& display, std::function<void()> redessine, QWidget* parent)
    : QDialog(parent), display_(display), redessine_(std::move(redessine)) {
  setWindowTitle(QStringLiteral("Filtrage courbe de niveaux"));
  auto* explication = NouveauLibelle(
      this, "LabelExplication",
      QString::fromUtf8("Le filtrage permet de déterminer un seuil à partir duquel ou jusqu'à l'altitude désirée "
                        "sera affichée"));
  explication->setWordWrap(true);
  TrackBarSeuilMini = NouvelleBarre(this, "TrackBarSeuilMini");
  TrackBarSeuilmaxi = NouvelleBarre(this, "TrackBarSeuilmaxi");
  LabelSeuilMini = NouveauLibelle(this, "LabelSeuilMini", TexteAltitude(0));
  LabelSeuilMaxi = NouveauLibelle(this, "LabelSeuilMaxi", TexteAltitude(0));
  Checklie = new QCheckBox(QString::fromUtf8("Lier les deux paramètres"), this);
  Checklie->setObjectName("Checklie");
  BoutonOk = new QPushButton(QStringLiteral("Ok"), this);
  BoutonOk->setObjectName("BoutonOk");

  auto* grille = new QGridLayout;
  grille->addWidget(NewLabel(this, QString::fromUtf8("Seuil mini d'altitude d'affichage des courbes de niveau")), 0,
                    0, 1, 2);
  grille->addWidget(TrackBarSeuilMini, 1, 0);
  grille->addWidget(LabelSeuilMini, 1, 1);
  grille->addWidget(NewLabel(this, QString::fromUtf8("Seuil maxi d'altitude d'affichage des courbes de niveau")), 2,
                    0, 1, 2);
  grille->addWidget(TrackBarSeuilmaxi, 3, 0);
  grille->addWidget(LabelSeuilMaxi, 3, 1);
  auto* colonne = new QVBoxLayout(this);
  colonne->addWidget(explication);
  colonne->addLayout(grille);
  colonne->addWidget(Checklie);
  colonne->addWidget(BoutonOk, 0, Qt::AlignHCenter);

  // Made afresh at each use: the bars open at their ends and both labels at
  // 0, whatever the thresholds; opening changes none of them.
  Affiche({kSeuilBarreMin, kSeuilBarreMax});
  LabelSeuilMaxi->setText(TexteAltitude(kSeuilBarreMin));
  connect(TrackBarSeuilMini, &QSlider::valueChanged, this, &TFormFiltre::TrackBarSeuilMiniChange);
  connect(TrackBarSeuilmaxi, &QSlider::valueChanged, this, &TFormFiltre::TrackBarSeuilmaxiChange);
  connect(BoutonOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormFiltre::Affiche(SeuilsFiltre seuils) {
  const QSignalBlocker bloqueMini(TrackBarSeuilMini);
  const QSignalBlocker bloqueMaxi(TrackBarSeuilmaxi);
  TrackBarSeuilMini->setValue(seuils.mini);
  TrackBarSeuilmaxi->setValue(seuils.maxi);
  LabelSeuilMini->setText(TexteAltitude(seuils.mini));
  LabelSeuilMaxi->setText(TexteAltitude(seuils.maxi));
}

void TFormFiltre::TrackBarSeuilMiniChange(int position) {
  const bool lie = Checklie->isChecked();
  Applique(DeplaceSeuilMini({TrackBarSeuilMini->value(), TrackBarSeuilmaxi->value()}, position, lie), true, lie);
}

void TFormFiltre::TrackBarSeuilmaxiChange(int position) {
  const bool lie = Checklie->isChecked();
  Applique(DeplaceSeuilMaxi({TrackBarSeuilMini->value(), TrackBarSeuilmaxi->value()}, position, lie), lie, true);
}

void TFormFiltre::Applique(SeuilsFiltre seuils, bool changeMini, bool changeMaxi) {
  Affiche(seuils);
  if (changeMini) {
    display_.FiltreMin = seuils.mini;
  }
  if (changeMaxi) {
    display_.FiltreMax = seuils.maxi;
  }
  if (redessine_) {
    redessine_();
  }
}

}  // namespace orvex
