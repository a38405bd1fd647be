#include "app/ui/form_donnees.h"

#include <QGridLayout>
#include <QKeyEvent>

#include <utility>

#include "mapview/entry_checks.h"
#include "platform/ui/qt_text.h"

namespace orvex {
namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

TFormDonnees::TFormDonnees(Dialogs& dialogs, EntreeDonnees mode, DonneesPointeur valeurs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), mode_(mode), valeurs_(std::move(valeurs)) {
  setObjectName("FormDonnees");
  setWindowTitle(QString::fromUtf8("Introduction de données"));
  BuildControls();
  if (mode_ == EntreeDonnees::Ville) {
    ShowCityFields();
  } else {
    ShowEntryFields();
  }
}

void TFormDonnees::BuildControls() {
  Label1 = Named(NewLabel(this), "Label1");
  Label2 = Named(NewLabel(this), "Label2");
  Label3 = Named(NewLabel(this), "Label3");
  Label4 = Named(NewLabel(this), "Label4");
  IntroMsg = Named(NewLabel(this), "IntroMsg");
  Intro1 = Named(new QLineEdit(this), "Intro1");
  Intro2 = Named(new QLineEdit(this), "Intro2");
  Intro3 = Named(new QLineEdit(this), "Intro3");
  Intro4 = Named(new QLineEdit(this), "Intro4");
  ComboFichier = Named(new QComboBox(this), "ComboFichier");
  BoutonOkIntro = Named(new QPushButton(QStringLiteral("Ok"), this), "BoutonOkIntro");
  BoutonOkIntro->setDefault(true);

  auto* grid = new QGridLayout(this);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(Intro1, 0, 1);
  grid->addWidget(Label2, 1, 0);
  grid->addWidget(Intro2, 1, 1);
  grid->addWidget(Label3, 2, 0);
  grid->addWidget(Intro3, 2, 1);
  grid->addWidget(ComboFichier, 2, 1);
  grid->addWidget(Label4, 3, 0);
  grid->addWidget(Intro4, 3, 1);
  grid->addWidget(IntroMsg, 4, 0, 1, 2);
  grid->addWidget(BoutonOkIntro, 5, 0, 1, 2, Qt::AlignHCenter);

  connect(BoutonOkIntro, &QPushButton::clicked, this, &TFormDonnees::BoutonOkIntroClick);
  if (mode_ != EntreeDonnees::Ville) {
    connect(Intro1, &QLineEdit::textEdited, this, [this] { IntroMsg->setText(QStringLiteral("Exemple : JO10XG")); });
    connect(Intro2, &QLineEdit::textEdited, this, [this] { IntroMsg->setText(QStringLiteral("Exemple : 10000")); });
  }
}

void TFormDonnees::ShowEntryFields() {
  setWindowTitle(QString::fromUtf8("Introduire la donnée"));
  Label1->setText(QStringLiteral("Locator"));
  Label2->setText(QStringLiteral("Zoom"));
  for (QWidget* unused : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4),
                          static_cast<QWidget*>(Intro3), static_cast<QWidget*>(Intro4),
                          static_cast<QWidget*>(ComboFichier)}) {
    unused->hide();
  }
}

// The file list sits beside "Stocker dans fichier"; the typed zoom is not
// used: the dragged circle gives the city's zoom.
void TFormDonnees::ShowCityFields() {
  setWindowTitle(QString::fromUtf8("Données de la nouvelle ville"));
  Label1->setText(QStringLiteral("Nom de la ville"));
  Label2->setText(QString::fromUtf8("Zoom d'apparition"));
  Label3->setText(QStringLiteral("Stocker dans fichier"));
  for (QWidget* unused : {static_cast<QWidget*>(Label4), static_cast<QWidget*>(Intro3),
                          static_cast<QWidget*>(Intro4)}) {
    unused->hide();
  }
  SetFichiersVilles({});
  Intro1->setMinimumWidth(170);
  IntroMsg->setText(QStringLiteral("Introduisez les données"));
}

void TFormDonnees::SetFichiersVilles(const QStringList& fichiers) {
  ComboFichier->clear();
  ComboFichier->addItems(fichiers);
  ComboFichier->addItem(QStringLiteral("(nouveau fichier)"));
  ComboFichier->setCurrentIndex(0);
}

// The fields are filled when the dialog shows, not at every repaint, so that
// a repaint never throws away what the user typed.
void TFormDonnees::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Intro1->setText(mode_ == EntreeDonnees::Ville ? QString() : valeurs_.locator);
  Intro2->setText(valeurs_.zoom);
  (mode_ == EntreeDonnees::ZoomFirst ? Intro2 : Intro1)->setFocus();
}

// Escape presses Ok like Enter does: the dialog only closes on valid data.
void TFormDonnees::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    BoutonOkIntro->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TFormDonnees::Refuse(const char* message) {
  dialogs_.Beep();
  IntroMsg->setText(QString::fromUtf8(message));
}

void TFormDonnees::BoutonOkIntroClick() {
  if (mode_ == EntreeDonnees::Ville) {
    // A comma would end the name in the city file and shift the fields after it.
    if (Intro1->text().contains(QLatin1Char(','))) {
      Refuse("Le nom de la ville ne peut contenir de virgule");
      return;
    }
    accept();
    return;
  }
  if (!valeurs_.spherical && !LocatorEntryValid(FromQString(Intro1->text()))) {
    Refuse("Le QRA locotor est incorrect");
    return;
  }
  if (!ZoomEntryValid(FromQString(Intro2->text()))) {
    Refuse("Le zoom doit être compris entre 1 et 30000");
    return;
  }
  accept();
}

}  // namespace orvex
