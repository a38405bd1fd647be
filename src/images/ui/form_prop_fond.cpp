#include "images/ui/form_prop_fond.h"

#include <QGridLayout>
#include <QLocale>
#include <QPixmap>

#include "geo/coordinate_text.h"
#include "platform/paths.h"
#include "platform/ui/qt_text.h"

namespace orvex {
namespace {

constexpr int kPreviewMaxWidth = 3000;  // wider pictures are not previewed
constexpr int kStatusPointSize = 10;
constexpr char kCorFilter[] = "Fichiers correspondance  (*.COR *.cor)";

QLabel* PlainLabel(QWidget* parent, const char* name) {
  auto* label = NewLabel(parent);
  label->setObjectName(name);
  return label;
}

QLineEdit* CornerEdit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  return edit;
}

char DecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode()) : '.';
}

}  // namespace

TFormPropFond::TFormPropFond(LiensPropFond liens, QWidget* parent) : QDialog(parent), liens_(std::move(liens)) {
  setObjectName("FormPropFond");
  setWindowTitle(QString::fromUtf8("Propriétés de l'image de fond"));
  BuildWidgets();
  LabelImFond->setText(Utf8ToQString(PathText(liens_.fond.NomImageFond)));
  LabelNomAss->setText(Utf8ToQString(PathText(TrouveCorrespondance(liens_.fond.NomImageFond))));
  ShowCorners();
  ErreurTexte->clear();
  if (liens_.TiePointStep == kCalageComplet) {
    CornersFromTiePoints();
  }
}

void TFormPropFond::BuildWidgets() {
  LgImgFondNW = CornerEdit(this, "LgImgFondNW");
  LtImgFondNW = CornerEdit(this, "LtImgFondNW");
  LgImgFondSE = CornerEdit(this, "LgImgFondSE");
  LtImgFondSE = CornerEdit(this, "LtImgFondSE");
  LabelImFond = PlainLabel(this, "LabelImFond");
  LabelNomAss = PlainLabel(this, "LabelNomAss");
  LabelTaille = PlainLabel(this, "LabelTaille");
  ErreurTexte = PlainLabel(this, "ErreurTexte");
  ErreurTexte->setStyleSheet(QStringLiteral("color: red"));
  Image1 = PlainLabel(this, "Image1");
  Image1->setFixedSize(240, 180);
  Image1->setScaledContents(true);
  ButtonSauve = new QPushButton(QStringLiteral("Sauver"), this);
  ButtonSauve->setObjectName("ButtonSauve");
  ButtonSauve->setToolTip(QString::fromUtf8("Sauver le fichier d'information (.COR) associé à l'image"));
  ButtonRens = new QPushButton(QStringLiteral("Renseigner en cliquant"), this);
  ButtonRens->setObjectName("ButtonRens");
  ButtonRens->setToolTip(QString::fromUtf8("Entrée de 2 points Lg/Lt en cliquant sur les deux points connus"));
  ButtonAnul = new QPushButton(QStringLiteral("Annuler"), this);
  ButtonAnul->setObjectName("ButtonAnul");

  auto* grid = new QGridLayout(this);
  grid->addWidget(NewLabel(this, QStringLiteral("Nom de l'image :")), 0, 0, 1, 4);
  grid->addWidget(LabelImFond, 1, 0, 1, 4);
  grid->addWidget(NewLabel(this, QString::fromUtf8("Nom du fichier d'information associé :")), 2, 0, 1, 4);
  grid->addWidget(LabelNomAss, 3, 0, 1, 4);
  const std::pair<const char*, QLineEdit*> edits[] = {
      {"Lg NW", LgImgFondNW}, {"Lt NW", LtImgFondNW}, {"Lg SE", LgImgFondSE}, {"Lt SE", LtImgFondSE}};
  int row = 4;
  for (const auto& [caption, edit] : edits) {
    grid->addWidget(NewLabel(this, QString::fromUtf8(caption)), row, 0);
    grid->addWidget(edit, row++, 1);
  }
  grid->addWidget(Image1, 4, 2, 4, 2);
  grid->addWidget(NewLabel(this, QStringLiteral("Taille de l'image :")), 8, 0);
  grid->addWidget(LabelTaille, 8, 1, 1, 3);
  grid->addWidget(ErreurTexte, 9, 0, 1, 4);
  grid->addWidget(ButtonSauve, 10, 0);
  grid->addWidget(ButtonRens, 10, 1, 1, 2);
  grid->addWidget(ButtonAnul, 10, 3);

  connect(ButtonSauve, &QPushButton::clicked, this, &TFormPropFond::ButtonSauveClick);
  connect(ButtonRens, &QPushButton::clicked, this, &TFormPropFond::ButtonRensClick);
  connect(ButtonAnul, &QPushButton::clicked, this, &TFormPropFond::ButtonAnulClick);
}

void TFormPropFond::ShowCorners() {
  const Correspondance& c = liens_.fond.Coins;
  const std::pair<QLineEdit*, double> values[] = {
      {LgImgFondNW, c.LgNW}, {LtImgFondNW, c.LtNW}, {LgImgFondSE, c.LgSE}, {LtImgFondSE, c.LtSE}};
  for (const auto& [edit, value] : values) {
    edit->setText(QLocale().toString(value, 'f', 5));
  }
}

void TFormPropFond::CornersFromTiePoints() {
  liens_.TiePointStep = 0;
  ImageFond& fond = liens_.fond;
  const ProjectionState& p = liens_.projection;
  const std::optional<Correspondance> corners =
      CoinsDesPointsCalage(fond.Calage[0], fond.Calage[1], p.ImageWidth, p.ImageHeight);
  if (!corners || !CorrespondanceUtilisable(*corners, p.ImageWidth, p.ImageHeight)) {
    ErreurTexte->setText(QString::fromUtf8(
        "Points inutilisables : prenez deux points éloignés, le second à l'est du premier et plus haut ou plus bas"));
    return;
  }
  fond.Coins = *corners;
  liens_.appliquer();
  ShowCorners();
}

void TFormPropFond::showEvent(QShowEvent* event) {
  const QImage& picture = liens_.fond.Picture;
  if (picture.width() < kPreviewMaxWidth) {
    Image1->setPixmap(QPixmap::fromImage(picture));
  }
  LabelTaille->setText(QStringLiteral("%1 x %2 pixels").arg(picture.width()).arg(picture.height()));
  QDialog::showEvent(event);
}

void TFormPropFond::ButtonSauveClick() {
  const Correspondance corners{TextToCoordinate(FromQString(LgImgFondNW->text())),
                               TextToCoordinate(FromQString(LtImgFondNW->text())),
                               TextToCoordinate(FromQString(LgImgFondSE->text())),
                               TextToCoordinate(FromQString(LtImgFondSE->text()))};
  if (const CoinRefuse refused = VerifieCoins(corners); refused != CoinRefuse::None) {
    ErreurTexte->setText(Utf8ToQString(TexteCoinRefuse(refused)));
    QLineEdit* const edits[] = {LgImgFondNW, LtImgFondNW, LgImgFondSE, LtImgFondSE};
    edits[static_cast<int>(refused) - 1]->setFocus();
    return;
  }
  const ProjectionState& p = liens_.projection;
  if (!CorrespondanceUtilisable(corners, p.ImageWidth, p.ImageHeight)) {
    ErreurTexte->setText(QString::fromUtf8("Coins trop proches ou trop éloignés pour la taille de l'image"));
    LgImgFondSE->setFocus();
    return;
  }
  const std::optional<std::string> chosen = liens_.dialogs.SaveFileName(
      {"Sauver un fichier correspondance", kCorFilter, PathText(TrouveCorrespondance(liens_.fond.NomImageFond))});
  if (!chosen) {
    return;
  }
  if (const int status = EcritCorrespondance(*chosen, corners, DecimalSeparator()); status != 0) {
    ErreurTexte->setText(Utf8ToQString("Fichier non écrit : " + *chosen + " (erreur " + std::to_string(status) + ")"));
    return;
  }
  liens_.fond.Coins = corners;
  accept();
  liens_.appliquer();
}

void TFormPropFond::ButtonRensClick() {
  QFont bold = liens_.StaticTextInfo->font();
  bold.setBold(true);
  bold.setPointSize(kStatusPointSize);
  liens_.StaticTextInfo->setFont(bold);
  liens_.StaticTextInfo->setText(
      QString::fromUtf8("Cliquez sur le premier point dont vous renseignerez les coordonnées"));
  liens_.TiePointStep = 1;
  reject();
}

void TFormPropFond::ButtonAnulClick() {
  liens_.StaticTextInfo->setFont(QFont());
  liens_.StaticTextInfo->setText(QStringLiteral(" "));
  reject();
  liens_.TiePointStep = 0;
}

}  // namespace orvex
