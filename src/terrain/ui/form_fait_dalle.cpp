#include "terrain/ui/form_fait_dalle.h"

#include <QApplication>
#include <QGridLayout>
#include <cmath>
#include <limits>
#include <utility>

#include "geo/coordinate_text.h"
#include "platform/paths.h"
#include "platform/ui/qt_text.h"

namespace orvex {
namespace {

constexpr double kTrenteSecondes = 30.0 / 3600;

QLabel* Libelle(QWidget* parent, const char* nom, const QString& texte) {
  auto* libelle = NewLabel(parent, texte);
  libelle->setObjectName(nom);
  return libelle;
}

QLineEdit* EditDelta(QWidget* parent, const char* nom) {
  auto* edit = new QLineEdit(ToQString(DegreesToDms(kTrenteSecondes)), parent);
  edit->setObjectName(nom);
  return edit;
}

}  // namespace

TFormFaitDalle::TFormFaitDalle(const TTableNiveaux& niveaux, std::filesystem::path fichier, Dialogs& dialogs,
                               std::function<void(const BoiteCourbes&)> cadre, QWidget* parent)
    : QDialog(parent), niveaux_(niveaux), fichier_(std::move(fichier)), dialogs_(dialogs), cadre_(std::move(cadre)) {
  setObjectName("FormFaitDalle");
  setWindowTitle(QString::fromUtf8("Paramétrage de fabrication d'une dalle"));
  EditDeltaLg = EditDelta(this, "EditDeltaLg");
  EditDeltaLt = EditDelta(this, "EditDeltaLt");
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->addItems({QString::fromUtf8("Chaque point d'une grille régulière couvrant les courbes de niveau"),
                      QString::fromUtf8("prend l'altitude du point de courbe le plus proche."),
                      QString::fromUtf8("La grille est enregistrée dans le fichier dalles.dat de la région.")});
  ListBox1->setSelectionMode(QAbstractItemView::NoSelection);
  LabelInfo = Libelle(this, "LabelInfo", QString());
  Label5 = Libelle(this, "Label5", QString::fromUtf8("Les delta s'écrivent en degrés, minutes et secondes"));
  ProgressBar = new QProgressBar(this);
  ProgressBar->setObjectName("ProgressBar");
  ProgressBar->setRange(0, 100);
  ProgressBar->setValue(0);
  BoutonOk = new QPushButton(QStringLiteral("Fabrique dalle"), this);
  BoutonOk->setObjectName("BoutonOk");
  ButtonAnnule = new QPushButton(QStringLiteral("Quitter"), this);
  ButtonAnnule->setObjectName("ButtonAnnule");
  connect(BoutonOk, &QPushButton::clicked, this, &TFormFaitDalle::BoutonOkClick);
  connect(ButtonAnnule, &QPushButton::clicked, this, &TFormFaitDalle::reject);

  auto* grille = new QGridLayout(this);
  grille->addWidget(Libelle(this, "Label1", QStringLiteral("Delta de longitude")), 0, 0);
  grille->addWidget(EditDeltaLg, 0, 1);
  grille->addWidget(Libelle(this, "Label2", QStringLiteral("Entre deux dalles")), 0, 2);
  grille->addWidget(Libelle(this, "Label3", QStringLiteral("Delta de latitude")), 1, 0);
  grille->addWidget(EditDeltaLt, 1, 1);
  grille->addWidget(Libelle(this, "Label4", QStringLiteral("Entre deux dalles")), 1, 2);
  grille->addWidget(ListBox1, 2, 0, 1, 3);
  grille->addWidget(LabelInfo, 3, 0, 1, 3);
  grille->addWidget(Label5, 4, 0, 1, 3);
  grille->addWidget(ProgressBar, 5, 0, 1, 3);
  grille->addWidget(BoutonOk, 6, 1);
  grille->addWidget(ButtonAnnule, 6, 2);
}

void TFormFaitDalle::reject() {
  StopFabrication = true;
  QDialog::reject();
}

bool TFormFaitDalle::Pas(const QLineEdit* edit, std::int32_t& pas) {
  const double unites = std::nearbyint(TextToCoordinate(FromQString(edit->text())) * kFixedOne);
  if (!(std::fabs(unites) <= std::numeric_limits<std::int32_t>::max())) {
    dialogs_.Message(MessageKind::Error, "Delta illisible ou hors limites : " + edit->text().toStdString());
    return false;
  }
  pas = static_cast<std::int32_t>(unites);
  return true;
}

void TFormFaitDalle::BoutonOkClick() {
  if (enCours_) {
    return;
  }
  if (dialogs_.Ask("La fabrication d'un fichier de dalles à partir des courbes de niveaux "
                   "est assez longue si les delta sont petits, mais confère une grande "
                   "précision. Voulez-vous continuer ?",
                   false) != Answer::Yes) {
    return;
  }
  std::error_code ec;
  const std::string nom = PathText(fichier_);
  if (std::filesystem::exists(fichier_, ec) &&
      dialogs_.Ask("Le fichier " + nom + " existe déjà. Voulez vous l'écraser ?", false) != Answer::Yes) {
    return;
  }
  LabelInfo->setText(Utf8ToQString("Le fichier " + nom + " est en cours de fabrication "));
  Label5->clear();
  repaint();
  std::int32_t pasLg = 0;
  std::int32_t pasLt = 0;
  PlanFabrication plan;
  if (!Pas(EditDeltaLg, pasLg) || !Pas(EditDeltaLt, pasLt)) {
    return;
  }
  if (const std::string erreur = PlanifieFabrication(niveaux_, pasLg, pasLt, plan); !erreur.empty()) {
    dialogs_.Message(MessageKind::Error, erreur);
    return;
  }
  enCours_ = true;
  if (cadre_) {
    cadre_(plan.boite);
  }
  ProgressBar->setRange(0, static_cast<int>(std::min<std::int64_t>(plan.progressionMax, INT32_MAX)));
  const TDalle dalle =
      FabriqueDalles(niveaux_, plan,
                     {[this] { return StopFabrication; }, [] { QApplication::processEvents(); },
                      [this](std::int64_t noeuds) {
                        ProgressBar->setValue(static_cast<int>(std::min<std::int64_t>(noeuds, ProgressBar->maximum())));
                      }});
  enCours_ = false;
  if (const int status = EcritDalles(fichier_, dalle); status != 0) {
    dialogs_.Message(MessageKind::Error,
                     "Le fichier " + nom + " n'a pas pu être écrit : " + std::generic_category().message(status));
    return;
  }
  fabriquee_ = true;
  accept();
}

}  // namespace orvex
