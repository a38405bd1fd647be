#include "app/ui/form_aide.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <vector>

#include "platform/paths.h"
#include "platform/text_file.h"
#include "platform/ui/qt_text.h"

namespace orvex {
namespace {

constexpr const char* kFichierAide = "orvex.hlp";

QLabel* Texte(QWidget* parent, const QString& texte, const char* nom) {
  auto* libelle = NewLabel(parent, texte);
  libelle->setObjectName(nom);
  return libelle;
}

}  // namespace

TFormAide::TFormAide(const std::filesystem::path& repertoire, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
  setObjectName("FormAide");
  setWindowTitle(QStringLiteral("Micro aide..."));
  ListBoxAide = new QListWidget(this);
  ListBoxAide->setObjectName("ListBoxAide");
  ListBoxAide->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));  // the file lines up its columns
  ListBoxAide->addItem(QStringLiteral("ORVEX, micro-aide"));
  std::vector<std::string> lignes;
  int statut = 0;
  const std::string nom = FindEntry(repertoire, kFichierAide);
  fichierLu_ = !nom.empty() && ReadLines(repertoire / nom, lignes, statut);
  if (fichierLu_) {
    for (const std::string& ligne : lignes) {
      ListBoxAide->addItem(ToQString(ligne));  // items are plain text
    }
  } else {
    ListBoxAide->addItem(QStringLiteral("Fichier ") + kFichierAide + QString::fromUtf8(" non trouvé"));
  }
  auto* bon = new QPushButton(QStringLiteral("Bon"), this);
  bon->setObjectName("BoutonBon");
  connect(bon, &QPushButton::clicked, this, &QDialog::accept);
  auto* colonne = new QVBoxLayout(this);
  colonne->addWidget(ListBoxAide);
  colonne->addWidget(bon, 0, Qt::AlignRight);
  resize(640, 480);
}

void TFormAide::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!fichierLu_) {
    QTimer::singleShot(0, this,
                       [this] { dialogs_.Message(MessageKind::Information, "Erreur sur le fichier ORVEX.HLP"); });
  }
}

TFormAPropos::TFormAPropos(QWidget* parent) : QDialog(parent) {
  setObjectName("FormAPropos");
  setWindowTitle(QStringLiteral("A propos de ORVEX 32"));
  auto* colonne = new QVBoxLayout(this);
  colonne->addWidget(Texte(this, QStringLiteral("ORVEX32"), "LabelNom"));
  colonne->addWidget(Texte(this, QString::fromUtf8("Cartographie numérique vectorisée"), "LabelTitre"));
  colonne->addWidget(Texte(this, QStringLiteral("Version"), "LabelVersion"));
  colonne->addWidget(Texte(this, QCoreApplication::applicationVersion(), "version"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  colonne->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace orvex
