#include "browser/ui/form_trouve.h"

#include <QVBoxLayout>

#include "platform/ui/qt_text.h"

namespace orvex {

TFormTrouve::TFormTrouve(PlaceSearchScene scene, TrouveMode mode, QWidget* parent)
    : QDialog(parent), scene_(std::move(scene)) {
  setObjectName("FormTrouve");
  const bool lieu = mode == TrouveMode::Lieu;
  setWindowTitle(lieu ? QStringLiteral("Trouver un lieu") : QStringLiteral("Trouver un relais d'après la fréquence"));
  auto* layout = new QVBoxLayout(this);
  LabelQuoi = NewLabel(this, lieu ? QStringLiteral("Entrez la chaîne de recherche")
                                  : QStringLiteral("Entrez la fréquence (MHz)"));
  LabelQuoi->setObjectName("LabelQuoi");
  layout->addWidget(LabelQuoi);
  EditQuoi = new QLineEdit(this);
  EditQuoi->setObjectName("EditQuoi");
  layout->addWidget(EditQuoi);
  ButtonChercher = new QPushButton(QStringLiteral("Chercher"), this);
  ButtonChercher->setObjectName("ButtonChercher");
  ButtonChercher->setDefault(true);
  layout->addWidget(ButtonChercher);
  Label1 = NewLabel(this);
  Label1->setObjectName("Label1");
  layout->addWidget(Label1);
  connect(ButtonChercher, &QPushButton::clicked, this, &TFormTrouve::ChercherClick);
  EditQuoi->setFocus();
}

void TFormTrouve::ChercherClick() { Label1->setText(ToQString(SearchPlace(scene_, FromQString(EditQuoi->text())))); }

}  // namespace orvex
