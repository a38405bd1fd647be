#include "terrain/ui/form_3d.h"

#include <QGridLayout>
#include <QSignalBlocker>
#include <utility>

#include "mapview/locale_number.h"
#include "platform/ui/qt_text.h"

namespace orvex {
namespace {

constexpr int kZoomMaxiCurseur = 10000;
constexpr int kPasZoom = 10;
constexpr int kCorrectionMaxi = 100;
constexpr int kLargeurBarre = 260;

QSlider* Barre(QWidget* parent, const char* nom, const QString& indication, int mini, int maxi) {
  auto* barre = new QSlider(Qt::Horizontal, parent);
  barre->setObjectName(nom);
  barre->setToolTip(indication);
  barre->setRange(mini, maxi);
  barre->setMinimumWidth(kLargeurBarre);
  return barre;
}

QLabel* Libelle(QWidget* parent, const char* nom) {
  auto* libelle = NewLabel(parent);
  libelle->setObjectName(nom);
  libelle->setMinimumWidth(60);
  return libelle;
}

void Positionne(QSlider* barre, PlageCurseur plage, int position) {
  const QSignalBlocker bloque(barre);
  barre->setRange(plage.mini, plage.maxi);
  barre->setValue(position);
}

}  // namespace

TForm3D::TForm3D(ProjectionState& projection, RedrawState& redraw, const DisplayOptions& display, Liens3D liens,
                 QWidget* parent)
    : QWidget(parent, Qt::Tool), projection_(projection), redraw_(redraw), display_(display), liens_(std::move(liens)) {
  setObjectName("Form3D");
  setWindowTitle(QString::fromUtf8("Contrôle 3D"));
  TrackBarAlpha = Barre(this, "TrackBarAlpha", QStringLiteral("Angle alpha, axe X"), -90, 90);
  TrackBarBeta = Barre(this, "TrackBarBeta", QString::fromUtf8("Angle bêta, axe Y"), -90, 90);
  TrackBarGamma = Barre(this, "TrackBarGamma", QStringLiteral("Angle gamma, axe Z"), -90, 90);
  TrackBarZoom = Barre(this, "TrackBarZoom", QStringLiteral("Variation du Zoom"), kMinZoom, kZoomMaxiCurseur);
  TrackBarZoom->setSingleStep(kPasZoom);
  TrackBarCorrZ = Barre(this, "TrackBarCorrZ", QStringLiteral("Correction facteur altitude"), 0, kCorrectionMaxi);
  LabelAlphaGP4 = Libelle(this, "LabelAlphaGP4");
  LabelBetaGP4 = Libelle(this, "LabelBetaGP4");
  LabelGammaGP4 = Libelle(this, "LabelGammaGP4");
  SpeedButtonHaut = NewButton(this, QStringLiteral("Haut"), "SpeedButtonHaut");
  SpeedButtonbas = NewButton(this, QStringLiteral("Bas"), "SpeedButtonbas");
  SpeedButtonDroit = NewButton(this, QStringLiteral("Droite"), "SpeedButtonDroit");
  SpeedButton1Gauche = NewButton(this, QStringLiteral("Gauche"), "SpeedButton1Gauche");

  auto* grille = new QGridLayout(this);
  int rangee = 0;
  const auto ligne = [&](const QString& titre, QSlider* barre, QLabel* valeur) {
    grille->addWidget(NewLabel(this, titre), rangee, 0);
    grille->addWidget(barre, rangee, 1, 1, 3);
    if (valeur != nullptr) {
      grille->addWidget(valeur, rangee, 4);
    }
    ++rangee;
  };
  ligne(QStringLiteral("Rotation axe X"), TrackBarAlpha, LabelAlphaGP4);
  ligne(QStringLiteral("Rotation axe Y"), TrackBarBeta, LabelBetaGP4);
  ligne(QStringLiteral("Rotation axe Z"), TrackBarGamma, LabelGammaGP4);
  ligne(QStringLiteral("Zoom"), TrackBarZoom, nullptr);
  ligne(QStringLiteral("Correction Z"), TrackBarCorrZ, nullptr);
  grille->addWidget(SpeedButtonHaut, rangee, 2);
  grille->addWidget(SpeedButton1Gauche, rangee + 1, 1);
  grille->addWidget(SpeedButtonDroit, rangee + 1, 3);
  grille->addWidget(SpeedButtonbas, rangee + 2, 2);

  connect(TrackBarAlpha, &QSlider::valueChanged, this, [this](int v) { Angle(AxeRotation::Alpha, v); });
  connect(TrackBarBeta, &QSlider::valueChanged, this, [this](int v) { Angle(AxeRotation::Beta, v); });
  connect(TrackBarGamma, &QSlider::valueChanged, this, [this](int v) { Angle(AxeRotation::Gamma, v); });
  connect(TrackBarZoom, &QSlider::valueChanged, this, &TForm3D::TrackBarZoomChange);
  connect(TrackBarCorrZ, &QSlider::valueChanged, this, &TForm3D::TrackBarCorrZChange);
  connect(SpeedButtonHaut, &QPushButton::clicked, this, [this] { Deplace(DirectionCentre::Haut); });
  connect(SpeedButtonbas, &QPushButton::clicked, this, [this] { Deplace(DirectionCentre::Bas); });
  connect(SpeedButtonDroit, &QPushButton::clicked, this, [this] { Deplace(DirectionCentre::Droite); });
  connect(SpeedButton1Gauche, &QPushButton::clicked, this, [this] { Deplace(DirectionCentre::Gauche); });
  AfficheEtat();
}

void TForm3D::showEvent(QShowEvent* event) {
  AfficheEtat();
  QWidget::showEvent(event);
}

void TForm3D::AfficheEtat() {
  const PositionsControleur positions = PositionsDepuisEtat(projection_);
  Positionne(TrackBarAlpha, positions.plageAlpha, positions.alpha);
  Positionne(TrackBarBeta, {-90, 90}, positions.beta);
  Positionne(TrackBarGamma, positions.plageGamma, positions.gamma);
  Positionne(TrackBarZoom, {kMinZoom, kZoomMaxiCurseur}, positions.zoom);
  if (positions.avecCorrectionZ) {
    Positionne(TrackBarCorrZ, {0, kCorrectionMaxi}, positions.correctionZ);
  }
}

void TForm3D::AfficheAngles(const ControllerAngles& angles) {
  LabelAlphaGP4->setText(FixedNotation(angles.alpha, 3, 2));
  LabelBetaGP4->setText(FixedNotation(angles.beta, 3, 2));
  LabelGammaGP4->setText(FixedNotation(angles.gamma, 3, 2));
}

void TForm3D::Angle(AxeRotation axe, int position) {
  RegleAngle(projection_, axe, position);
  ApresCurseur();
}

void TForm3D::TrackBarZoomChange(int position) {
  projection_.Zoom = position;
  redraw_.Zoom3DChanged = true;
  ApresCurseur();
}

void TForm3D::TrackBarCorrZChange(int position) {
  projection_.ZFactor = position / 100.0;
  liens_.redessine();
}

void TForm3D::Deplace(DirectionCentre direction) {
  DeplaceCentre(projection_, direction);
  liens_.redessine();
}

void TForm3D::ApresCurseur() {
  if (RedessinCompletApresCurseur(display_)) {
    liens_.redessine();
  } else {
    liens_.prepare();
  }
}

}  // namespace orvex
