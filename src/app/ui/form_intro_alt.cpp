#include "app/ui/form_intro_alt.h"

#include <QGridLayout>
#include <QLabel>

#include "mapview/entry_checks.h"
#include "platform/ui/qt_text.h"

namespace orvex {

TFormIntroAlt::TFormIntroAlt(QWidget* parent) : QDialog(parent) {
  setObjectName("FormIntroAlt");
  setWindowTitle(QStringLiteral("Introduire l'altitude"));
  EditAltitude = new QLineEdit(this);
  EditAltitude->setObjectName("EditAltitude");
  BoutonOk = new QPushButton(QStringLiteral("Ok"), this);
  BoutonOk->setObjectName("BoutonOk");
  BoutonOk->setDefault(true);
  auto* grid = new QGridLayout(this);
  grid->addWidget(NewLabel(this, QStringLiteral("Altitude :")), 0, 0);
  grid->addWidget(EditAltitude, 0, 1);
  grid->addWidget(BoutonOk, 1, 0, 1, 2, Qt::AlignHCenter);
  connect(BoutonOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormIntroAlt::done(int result) {
  altitude_ = LeadingSignedInteger(FromQString(EditAltitude->text()));
  QDialog::done(result);
}

}  // namespace orvex
