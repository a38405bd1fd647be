#include "app/ui/form_intro_lglt.h"

#include <QGridLayout>

#include "geo/coordinate_text.h"
#include "platform/ui/qt_text.h"

namespace orvex {

TFormIntroLgLt::TFormIntroLgLt(QWidget* parent) : QDialog(parent) {
  setObjectName("FormIntroLgLt");
  setWindowTitle(QStringLiteral("Introduire longitude et latitude"));
  EditLg = new QLineEdit(this);
  EditLg->setObjectName("EditLg");
  EditLt = new QLineEdit(this);
  EditLt->setObjectName("EditLt");
  LabelExplication1 =
      NewLabel(this, QString::fromUtf8("Vous pouvez entrer longitude et latitude en centièmes de degrés"));
  LabelExplication1->setObjectName("LabelExplication1");
  LabelExplication2 = NewLabel(this, QString::fromUtf8("ou en degrés minutes secondes"));
  LabelExplication2->setObjectName("LabelExplication2");
  BoutonOk = new QPushButton(QStringLiteral("Ok"), this);
  BoutonOk->setObjectName("BoutonOk");
  BoutonOk->setDefault(true);
  BoutonRepointer = new QPushButton(QStringLiteral("Repointer ce point"), this);
  BoutonRepointer->setObjectName("BoutonRepointer");

  auto* grid = new QGridLayout(this);
  grid->addWidget(NewLabel(this, QStringLiteral("Longitude :")), 0, 0);
  grid->addWidget(EditLg, 0, 1);
  grid->addWidget(NewLabel(this, QStringLiteral("Latitude :")), 1, 0);
  grid->addWidget(EditLt, 1, 1);
  grid->addWidget(LabelExplication1, 2, 0, 1, 2);
  grid->addWidget(LabelExplication2, 3, 0, 1, 2);
  grid->addWidget(BoutonOk, 4, 0);
  grid->addWidget(BoutonRepointer, 4, 1);

  connect(BoutonOk, &QPushButton::clicked, this, &TFormIntroLgLt::BoutonOkClick);
  connect(BoutonRepointer, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormIntroLgLt::BoutonOkClick() {
  const double longitude = TextToCoordinate(FromQString(EditLg->text()));
  const double latitude = TextToCoordinate(FromQString(EditLt->text()));
  if (longitude == 0 || latitude == 0) {
    LabelExplication2->setText(QString::fromUtf8("Au moins une donnée incorrecte"));
    LabelExplication1->clear();
    return;
  }
  longitude_ = longitude;
  latitude_ = latitude;
  repointer_ = false;
  accept();
}

}  // namespace orvex
