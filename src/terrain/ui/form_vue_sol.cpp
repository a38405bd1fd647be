#include "terrain/ui/form_vue_sol.h"

#include <QGridLayout>
#include <QSignalBlocker>
#include <cmath>
#include <utility>

#include "geo/angle_constants.h"
#include "geo/distance.h"
#include "platform/ui/qt_text.h"
#include "terrain/view/table_couleurs.h"

namespace orvex {
namespace {

constexpr int kHauteurMaxi = 500;  // metres, TrackBarAlt
constexpr int kHauteurOuverture = 200;
constexpr int kCorrectionMaxi = 200;  // per cent, TrackBarCorAlt
constexpr int kLargeurMinimale = 400;
constexpr int kLargeurImage = 640;
constexpr int kHauteurImage = 480;
constexpr int kCoteBoussole = 60;
constexpr int kLongueurAiguille = 20;
constexpr int kEcartImage = 10;  // pixels between the picture and the controls

QSlider* Barre(QWidget* parent, Qt::Orientation sens, const char* nom, const QString& indication, int mini, int maxi) {
  auto* barre = new QSlider(sens, parent);
  barre->setObjectName(nom);
  barre->setToolTip(indication);
  barre->setRange(mini, maxi);
  return barre;
}

QLabel* Libelle(QWidget* parent, const char* nom) {
  auto* libelle = NewLabel(parent);
  libelle->setObjectName(nom);
  return libelle;
}

QString TextePourcent(double correction) { return QString::number(std::lround(correction * 100)) + QLatin1Char('%'); }

bool AngleDroit(int position) { return position % 90 == 0; }

}  // namespace

double AngleAiguille(int position) { return (360 - position) * kDegreesToRadians + kPi / 2; }

TFormVueSol::TFormVueSol(DonneesVueSol donnees, QWidget* parent) : QDialog(parent), donnees_(std::move(donnees)) {
  setObjectName("FormVueSol");
  setWindowTitle(QStringLiteral("Vue du sol"));
  // The picture takes the width the controls leave, 10 pixels before them.
  ImageVueSol =
      new ImageCanvas(kLargeurMinimale, kHauteurImage, "ImageVueSol", this, ImageCanvas::Taille::SuitLeWidget);
  Cercle = new ImageCanvas(kCoteBoussole, kCoteBoussole, "Cercle", this);
  Canvas& boussole = Cercle->Dessin();
  boussole.SetPenColor(kBlanc);
  boussole.SetBrushStyle(BrushStyle::Clear);
  boussole.Ellipse(0, 0, kCoteBoussole, kCoteBoussole);
  TrackBarAlt = Barre(this, Qt::Vertical, "TrackBarAlt", QStringLiteral("Altitude de l'observateur"), 0, kHauteurMaxi);
  TrackBarAngle = Barre(this, Qt::Horizontal, "TrackBarAngle", QStringLiteral("Angle de l'observateur"), 0, 360);
  TrackBarCorAlt =
      Barre(this, Qt::Vertical, "TrackBarCorAlt", QStringLiteral("Correction facteur altitude"), 1, kCorrectionMaxi);
  // A vertical bar's maximum is at the top, so that a higher eye sits higher.
  TrackBarAlt->setInvertedAppearance(true);
  TrackBarCorAlt->setInvertedAppearance(true);
  Labelalt = Libelle(this, "Labelalt");
  LabelAngle = Libelle(this, "LabelAngle");
  LabelCor = Libelle(this, "LabelCor");
  SBHaut = NewButton(this, QStringLiteral("Avancer"), "SBHaut");
  SBBas = NewButton(this, QStringLiteral("Reculer"), "SBBas");
  SBGauche = NewButton(this, QStringLiteral("Gauche"), "SBGauche");
  SBDroit = NewButton(this, QStringLiteral("Droite"), "SBDroit");
  ButtonOK = NewButton(this, QStringLiteral("OK"), "ButtonOK");
  ButtonPhoto = NewButton(this, QStringLiteral("photographie"), "ButtonPhoto");

  auto* grille = new QGridLayout(this);
  grille->addWidget(ImageVueSol, 0, 0, 10, 1);
  grille->setColumnMinimumWidth(1, kEcartImage);
  grille->addWidget(TrackBarAlt, 0, 2, 3, 1);
  grille->addWidget(TrackBarCorAlt, 0, 4, 3, 1);
  grille->addWidget(Labelalt, 3, 2);
  grille->addWidget(LabelCor, 3, 4);
  grille->addWidget(Cercle, 4, 2, 1, 3, Qt::AlignCenter);
  grille->addWidget(TrackBarAngle, 5, 2, 1, 3);
  grille->addWidget(LabelAngle, 6, 3);
  auto* pas = new QGridLayout;
  pas->addWidget(SBHaut, 0, 1);
  pas->addWidget(SBGauche, 1, 0);
  pas->addWidget(SBDroit, 1, 2);
  pas->addWidget(SBBas, 2, 1);
  grille->addLayout(pas, 7, 2, 1, 3);
  grille->addWidget(ButtonPhoto, 8, 2, 1, 3);
  grille->addWidget(ButtonOK, 9, 2, 1, 3);
  grille->setColumnStretch(0, 1);

  connect(TrackBarAlt, &QSlider::valueChanged, this, &TFormVueSol::TrackBarAltChange);
  connect(TrackBarCorAlt, &QSlider::valueChanged, this, &TFormVueSol::TrackBarCorAltChange);
  connect(TrackBarAngle, &QSlider::valueChanged, this, &TFormVueSol::TrackBarAngleChange);
  connect(SBHaut, &QPushButton::clicked, this, [this] { Pas(PasObservateur::Avant); });
  connect(SBBas, &QPushButton::clicked, this, [this] { Pas(PasObservateur::Arriere); });
  connect(SBGauche, &QPushButton::clicked, this, [this] { Pas(PasObservateur::Gauche); });
  connect(SBDroit, &QPushButton::clicked, this, [this] { Pas(PasObservateur::Droite); });
  connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(ButtonPhoto, &QPushButton::clicked, this, &TFormVueSol::ButtonPhotoClick);
  connect(ImageVueSol, &ImageCanvas::Redimensionnee, this, &TFormVueSol::Dessine);
  resize(kLargeurImage + kEcartImage + sizeHint().width() - kLargeurMinimale, sizeHint().height());
}

void TFormVueSol::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Active();
}

double TFormVueSol::Hauteur() const { return TrackBarAlt->maximum() - TrackBarAlt->value(); }

void TFormVueSol::Active() {
  const GeoPosition a = donnees_.observateur;
  const GeoPosition b = donnees_.visee;
  const int cap = ScreenBearing(a.Longitude, a.Latitude, b.Longitude, b.Latitude);
  {
    const QSignalBlocker bloqueAlt(TrackBarAlt);
    const QSignalBlocker bloqueAngle(TrackBarAngle);
    const QSignalBlocker bloqueCor(TrackBarCorAlt);
    TrackBarAlt->setValue(TrackBarAlt->maximum() - kHauteurOuverture);
    TrackBarAngle->setValue(cap);
    TrackBarCorAlt->setValue(TrackBarCorAlt->maximum() -
                             static_cast<int>(std::lround(donnees_.correctionAltitude * 100)));
  }
  Labelalt->setText(QString::number(Hauteur()) + QStringLiteral("m "));
  LabelAngle->setText(QString::number(cap) + QString::fromUtf8("°"));
  LabelCor->setText(TextePourcent(donnees_.correctionAltitude));
  distanceVisee_ = std::hypot(a.Longitude - b.Longitude, a.Latitude - b.Latitude);
  PrepareVue();
  if (aiguilleTracee_) {
    Aiguille(phi_);
  }
  phi_ = AngleAiguille(cap);
  Aiguille(phi_);
  Dessine();
}

void TFormVueSol::TrackBarAltChange(int position) {
  Labelalt->setText(QString::number(TrackBarAlt->maximum() - position) + QStringLiteral("m "));
  PrepareVue();
  Dessine();
}

void TFormVueSol::TrackBarCorAltChange(int position) {
  donnees_.correctionAltitude = (TrackBarCorAlt->maximum() - position) / 100.0;
  LabelCor->setText(TextePourcent(donnees_.correctionAltitude));
  Dessine();
}

// Right angles only erase the needle: the view stays as it was.
void TFormVueSol::TrackBarAngleChange(int position) {
  if (aiguilleTracee_) {
    Aiguille(phi_);
  }
  if (AngleDroit(position)) {
    return;
  }
  LabelAngle->setText(QString::number(position) + QString::fromUtf8("°"));
  phi_ = AngleAiguille(position);
  donnees_.visee = ViseeVersCap(donnees_.observateur, distanceVisee_, position);
  Aiguille(phi_);
  PrepareVue();
  Dessine();
}

void TFormVueSol::Pas(PasObservateur pas) {
  DeplaceObservateur(donnees_.observateur, donnees_.visee, pas);
  PrepareVue();
  Dessine();
}

void TFormVueSol::PrepareVue() {
  vue_ = PrepareVueSol(donnees_.observateur, donnees_.visee, Hauteur());
  if (donnees_.montreCone) {
    donnees_.montreCone(vue_);
  }
}

void TFormVueSol::Dessine() {
  DessineVueSol(ImageVueSol->Dessin(), vue_, donnees_.niveaux, donnees_.om, donnees_.display,
                donnees_.correctionAltitude);
  ImageVueSol->update();
}

void TFormVueSol::ButtonPhotoClick() {
  PhotographieVueSol(ImageVueSol->Dessin(), vue_, donnees_.niveaux, donnees_.display, donnees_.correctionAltitude);
  ImageVueSol->update();
}

void TFormVueSol::Aiguille(double phi) {
  Canvas& boussole = Cercle->Dessin();
  const int centre = kCoteBoussole / 2;
  boussole.SetPenColor(kBlanc);
  boussole.SetPenWidth(1);
  boussole.SetPenMode(PenMode::Xor);
  boussole.MoveTo(centre, centre);
  boussole.LineTo(centre + static_cast<int>(std::lround(kLongueurAiguille * std::cos(phi))),
                  centre - static_cast<int>(std::lround(kLongueurAiguille * std::sin(phi))));
  boussole.SetPenMode(PenMode::Copy);
  aiguilleTracee_ = !aiguilleTracee_;
  Cercle->update();
}

}  // namespace orvex
