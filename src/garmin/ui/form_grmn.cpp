#include "garmin/ui/form_grmn.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "garmin/waypoint_commands.h"
#include "gps/traces_directory.h"
#include "platform/paths.h"
#include "platform/ui/qt_text.h"

namespace orvex {
namespace {

constexpr char kTrackFilter[] = "Fichiers tracés  (*.gps *.GPS);;Tous (*)";
constexpr char kWaypointFilter[] = "Fichiers Waypoints  (*.dat *.DAT);;Tous (*)";
constexpr char kTrackExtension[] = ".GPS";

}  // namespace

TFormGRMN::TFormGRMN(Dialogs& dialogs, TMSComm& comm, bool& transferActive, GarminState& garmin,
                     std::filesystem::path applicationDirectory, QWidget* parent, LinkTimings timings)
    : QDialog(parent),
      dialogs_(dialogs),
      transferActive_(transferActive),
      garmin_(garmin),
      applicationDirectory_(std::move(applicationDirectory)),
      link_(comm, transferActive,
            TransferReport{[this](const std::string& line) {
                             ListBoxGRMN->addItem(Utf8ToQString(line));
                             ListBoxGRMN->scrollToBottom();
                           },
                           [this] { ListBoxGRMN->clear(); },
                           [this](const std::string& text) { LabelGRMN->setText(Utf8ToQString(text)); }},
            timings) {
  setObjectName("FormGRMN");
  setWindowTitle(QStringLiteral("Interface avec GPS GARMIN"));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QStringLiteral("Type de données à transmettre "), this);
  auto* groupLayout = new QVBoxLayout(group);
  RadioButtonTrack = new QRadioButton(QStringLiteral("Send Track - Envoi du tracé"), group);
  RadioButtonTrack->setObjectName("RadioButtonTrack");
  RadioButtonTrack->setChecked(true);
  RadioButtonWayPoint = new QRadioButton(QStringLiteral("Send Way Points - Envoi des points mémorisés"), group);
  RadioButtonWayPoint->setObjectName("RadioButtonWayPoint");
  groupLayout->addWidget(RadioButtonTrack);
  groupLayout->addWidget(RadioButtonWayPoint);
  layout->addWidget(group);
  auto* buttons = new QHBoxLayout;
  ButtonGRMNToPC = NewButton(this, QStringLiteral("GRMN -> PC"), "ButtonGRMNToPC");
  ButtonPCtoGRMN = NewButton(this, QStringLiteral("PC -> GRMN"), "ButtonPCtoGRMN");
  ButtonOK = NewButton(this, QStringLiteral("Ok"), "ButtonOK");
  for (QPushButton* button : {ButtonGRMNToPC, ButtonPCtoGRMN, ButtonOK}) {
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);
  ListBoxGRMN = new QListWidget(this);
  ListBoxGRMN->setObjectName("ListBoxGRMN");
  ListBoxGRMN->setMinimumSize(520, 220);
  layout->addWidget(ListBoxGRMN);
  LabelGRMN = NewLabel(this);
  LabelGRMN->setObjectName("LabelGRMN");
  LabelGRMN->setAlignment(Qt::AlignCenter);
  layout->addWidget(LabelGRMN);
  connect(ButtonGRMNToPC, &QPushButton::clicked, this, &TFormGRMN::ButtonGRMNToPCClick);
  connect(ButtonPCtoGRMN, &QPushButton::clicked, this, &TFormGRMN::ButtonPCtoGRMNClick);
  connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormGRMN::showEvent(QShowEvent* event) {
  LabelGRMN->clear();
  QDialog::showEvent(event);
}

void TFormGRMN::closeEvent(QCloseEvent* event) {
  if (transferActive_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TFormGRMN::reject() {
  if (!transferActive_) {
    QDialog::reject();
  }
}

void TFormGRMN::SetBusy(bool busy) {
  for (QWidget* widget : std::initializer_list<QWidget*>{ButtonGRMNToPC, ButtonPCtoGRMN, ButtonOK, RadioButtonTrack,
                                                         RadioButtonWayPoint}) {
    widget->setEnabled(!busy);
  }
}

void TFormGRMN::ButtonGRMNToPCClick() {
  const std::string directory = PathText(TraceDialogDirectory(applicationDirectory_));
  if (RadioButtonWayPoint->isChecked()) {
    garmin_.TransferFileName.clear();
    SetBusy(true);
    link_.Download({}, kTransferWaypoints, garmin_.Waypoints);
    SetBusy(false);
    if (link_.NormalEnd()) {
      SaveWaypointFileCommand(garmin_.Waypoints, applicationDirectory_, dialogs_, garmin_.TransferFileName);
    }
    return;
  }
  const auto chosen =
      dialogs_.SaveFileName({"Donner un nom pour sauver le fichier trace", kTrackFilter, directory});
  if (!chosen) {
    return;
  }
  std::filesystem::path file = *chosen;
  if (!file.has_extension()) {
    file += kTrackExtension;
  }
  garmin_.TransferFileName = file.string();
  SetBusy(true);
  link_.Download(file, kTransferTrack, garmin_.Waypoints);
  SetBusy(false);
  std::error_code ec;
  garmin_.TrackDownloaded = std::filesystem::exists(file, ec);
}

void TFormGRMN::ButtonPCtoGRMNClick() {
  const bool waypoints = RadioButtonWayPoint->isChecked();
  const auto chosen = dialogs_.OpenFileName(
      {waypoints ? "Sélection du fichier Waypoint à envoyer" : "Sélection du fichier trace à envoyer",
       waypoints ? kWaypointFilter : kTrackFilter, PathText(TraceDialogDirectory(applicationDirectory_))});
  if (!chosen) {
    return;
  }
  garmin_.TransferFileName = *chosen;
  garmin_.TrackDownloaded = false;
  SetBusy(true);
  link_.Upload(*chosen, waypoints ? kTransferWaypoints : kTransferTrack);
  SetBusy(false);
}

}  // namespace orvex
