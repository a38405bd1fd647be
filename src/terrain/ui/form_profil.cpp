#include "terrain/ui/form_profil.h"

#include <QPixmap>
#include <QVBoxLayout>

#include <utility>

#include "platform/ui/print_image.h"
#include "platform/ui/qt_text.h"
#include "terrain/view/dessin_profil.h"

namespace orvex {

TFormProfil::TFormProfil(TPointsProfil points, GeoPosition a, GeoPosition b, Dialogs& dialogs,
                         std::function<void(const TPointsProfil&)> marqueCarte, QWidget* parent)
    : QDialog(parent),
      dialogs_(dialogs),
      marqueCarte_(std::move(marqueCarte)),
      tries_(std::move(points)),
      canvas_(kLargeurSection, kHauteurSection) {
  setObjectName("FormProfil");
  setWindowTitle(QStringLiteral("Profil de niveau"));
  TriProfil(tries_, a.Longitude, a.Latitude, b.Longitude, b.Latitude);
  DessineSection(canvas_, tries_, CalculeSection(tries_, kLargeurSection, kHauteurSection));

  Image = NewLabel(this);
  Image->setObjectName("Image");
  Image->setFixedSize(kLargeurSection, kHauteurSection);
  Image->setPixmap(QPixmap::fromImage(canvas_.Image()));
  ButtonImprime = new QPushButton(QStringLiteral("Imprimer"), this);
  ButtonImprime->setObjectName("ButtonImprime");
  auto* colonne = new QVBoxLayout(this);
  colonne->addWidget(Image);
  colonne->addWidget(ButtonImprime, 0, Qt::AlignHCenter);
  colonne->setSizeConstraint(QLayout::SetFixedSize);
  connect(ButtonImprime, &QPushButton::clicked, this, &TFormProfil::ButtonImprimeClick);
}

void TFormProfil::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!carteMarquee_ && marqueCarte_) {
    carteMarquee_ = true;
    marqueCarte_(tries_);
  }
}

void TFormProfil::ButtonImprimeClick() {
  PrintImage(dialogs_, canvas_.Image(), "Profil de niveau", PrinterInstalled());
}

}  // namespace orvex
