#include "garmin/ui/form_intro_wp.h"

#include <QVBoxLayout>

#include "platform/ui/qt_text.h"

namespace orvex {

TFormIntroWP::TFormIntroWP(const WaypointTable& table, QWidget* parent) : QDialog(parent), table_(table) {
  setObjectName("FormIntroWP");
  setWindowTitle(QStringLiteral("nouveau Way point"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(NewLabel(this, QStringLiteral("Nom du waypoint (6 caractères max)")));
  EditNomWP = new QLineEdit(this);
  EditNomWP->setObjectName("EditNomWP");
  EditNomWP->setMaxLength(static_cast<int>(kGarminNameLength));
  layout->addWidget(EditNomWP);
  layout->addWidget(NewLabel(this, QStringLiteral("commentaire (40 caractères max)")));
  EditCommWP = new QLineEdit(this);
  EditCommWP->setObjectName("EditCommWP");
  EditCommWP->setMaxLength(static_cast<int>(kGarminCommentLength));
  layout->addWidget(EditCommWP);
  LabelMessage = NewLabel(this);
  LabelMessage->setObjectName("LabelMessage");
  layout->addWidget(LabelMessage);
  ButtonOk = new QPushButton(QStringLiteral("Ok"), this);
  ButtonOk->setObjectName("ButtonOk");
  ButtonOk->setDefault(true);
  layout->addWidget(ButtonOk);
  connect(ButtonOk, &QPushButton::clicked, this, &TFormIntroWP::ButtonOkClick);
}

void TFormIntroWP::ButtonOkClick() {
  const std::string name = PaddedWaypointName(FromQString(EditNomWP->text()));
  if (WaypointNameUsed(table_, name)) {
    LabelMessage->setText(QStringLiteral("Nom déjà utilisé"));
    return;
  }
  result_ = NewWaypoint{name.substr(0, kGarminNameLength), FromQString(EditCommWP->text())};
  accept();
}

}  // namespace orvex
