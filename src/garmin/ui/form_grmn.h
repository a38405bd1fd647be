#pragma once
// TFormGRMN, "Interface avec GPS GARMIN": chooses what to transfer and which
// way, lists every packet and shows how the transfer ended. Created once and
// shown modally by the main window's "Transfert" command.
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "garmin/garmin_link.h"
#include "garmin/garmin_state.h"
#include "platform/dialogs.h"

namespace orvex {

class TFormGRMN : public QDialog {
  Q_OBJECT
 public:
  TFormGRMN(Dialogs& dialogs, TMSComm& comm, bool& transferActive, GarminState& garmin,
            std::filesystem::path applicationDirectory, QWidget* parent = nullptr, LinkTimings timings = {});

  QRadioButton* RadioButtonTrack = nullptr;
  QRadioButton* RadioButtonWayPoint = nullptr;
  QPushButton* ButtonGRMNToPC = nullptr;
  QPushButton* ButtonPCtoGRMN = nullptr;
  QPushButton* ButtonOK = nullptr;
  QListWidget* ListBoxGRMN = nullptr;
  QLabel* LabelGRMN = nullptr;

  void ButtonGRMNToPCClick();
  void ButtonPCtoGRMNClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  // The buttons rest while a transfer runs: its waits let the window work.
  void SetBusy(bool busy);

  Dialogs& dialogs_;
  bool& transferActive_;
  GarminState& garmin_;
  std::filesystem::path applicationDirectory_;
  GarminLink link_;
};

}  // namespace orvex
