#pragma once
// TFormPrinc: the main window. It owns the program state and runs the
// start-up sequence in FormCreate; the handlers stay thin and call into the
// window-free code.
#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QScrollArea>
#include <QTimer>
#include <QToolBar>
#include <filesystem>
#include <memory>

#include "app/program_state.h"
#include "browser/browser_kind.h"
#include "browser/ui/form_trouve.h"
#include "gps/ms_comm.h"
#include "mapview/canvas.h"
#include "mapview/redraw_gate.h"
#include "platform/dialogs.h"
#include "terrain/view/scene_relief.h"
#include "terrain/view/vue_sol.h"

namespace orvex {

class MapPicture;
class TFormDebug;
class PointerHandlers;
class EditHandlers;
class TForm3D;
class TFormGRMN;
struct ListeCartes;

class TFormPrinc : public QMainWindow {
  Q_OBJECT
 public:
  TFormPrinc(Dialogs& dialogs, std::filesystem::path startDirectory, QWidget* parent = nullptr);
  ~TFormPrinc() override;

  // The start-up sequence. False when the program must end (the message was
  // already shown); the caller then exits with a non-zero status.
  bool FormCreate();
  // The closing steps (trace files closed, edits offered for saving), run
  // once however the window or the session ends.
  void FormClose();

  ProgramState& State() { return state_; }
  const QImage& Picture() const { return canvas_.Image(); }
  Canvas& MapCanvas() { return canvas_; }

  // Every change that affects the picture ends here. Asked while something is
  // being drawn, the redraw waits until that drawing ends.
  void RequestRedraw();
  // The window's redraw scene, for handlers that only prepare the view.
  MapScene CurrentScene() { return Scene(); }
  Dialogs& UserDialogs() { return dialogs_; }
  // The pointer, keyboard and navigation handlers.
  PointerHandlers& Pointer() { return *pointerHandlers_; }
  // The level-curve and city editing commands.
  EditHandlers& Edits() { return *editHandlers_; }
  // The 3D controller, once opened.
  TForm3D* Controleur3D() { return form3D_.get(); }

  // The configuration dialog's apply step (form_princ_config.cpp): the
  // serial line reopened with its warning, the picture size, the region
  // recompiled with its start-up list after a confirmation.
  void RouvrePortSerie();
  void AppliquePourcentExpansion(int pourcent);
  void ChangeRegion(int index);
  // What "Configuration" runs once its dialog has closed.
  void Demo3D();
  void ZoomContinu();
  void Test640();
  // The level profile of the last drawn vector, and the visibility horizon.
  void ProfilNiveauCmdExecute();
  void HorVisibiliteClick();
  // A click on the map while "Créer un waypoint" waits for one: asks for the
  // name and adds the waypoint there. False when no waypoint was waited for.
  bool CreateWaypointAt(double lon, double lat);
  // Lays a scanned map under the vector layers and ties it to geography;
  // a picture that cannot be read leaves everything as it was.
  void ChargeImageFond(const std::filesystem::path& picture);
  // A click on the map during the tie-point procedure.
  void TiePointClick();

  // How often the tiles being drawn are shown (and pending events let run).
  std::chrono::milliseconds TileRepaintInterval = kIntervalleRepeinte;

  // Widgets named as the program's handlers know them.
  QScrollArea* ScrollBox1 = nullptr;
  MapPicture* ImageCarte = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  QLabel* LgGP1 = nullptr;
  QLabel* LtGP1 = nullptr;
  QLabel* LgGP1C = nullptr;
  QLabel* LtGP1C = nullptr;
  QLabel* LocGP1 = nullptr;
  QLabel* ZoomGP1 = nullptr;
  QLabel* AltGP1 = nullptr;
  QLabel* LgOrGP2 = nullptr;
  QLabel* LtOrGP2 = nullptr;
  QLabel* LgDeGP2 = nullptr;
  QLabel* LtDeGP2 = nullptr;
  QLabel* AzGP2 = nullptr;
  QLabel* DistGP2 = nullptr;
  QLabel* DistTotGP2 = nullptr;
  QLabel* LgGPSGP3 = nullptr;
  QLabel* LtGPSGP3 = nullptr;
  QLabel* AltGPSGP3 = nullptr;
  QLabel* LocalGPSGP3 = nullptr;
  QLabel* DistGPSGP3 = nullptr;
  QLabel* NbPGpsGP3 = nullptr;
  QLabel* LgChuteGP3 = nullptr;
  QLabel* LtChuteGP3 = nullptr;
  QLabel* LabelFichier = nullptr;
  QLabel* StaticTextInfo = nullptr;
  QToolBar* ToolBar1 = nullptr;
  QAction* Quitter1 = nullptr;
  QAction* N15 = nullptr;
  QAction* Fabriquerdalledesniveaux1 = nullptr;
  QAction* Filtragedeniveau1 = nullptr;
  QAction* Importationdonnes1 = nullptr;
  QAction* LirefichierGPS1 = nullptr;
  QAction* DessinerUnTrace = nullptr;
  QAction* Sauverfichiertrac1 = nullptr;
  QAction* Lirefichiertrac1 = nullptr;
  QAction* Configuration1 = nullptr;
  QAction* Microaide1 = nullptr;
  QAction* Apropos1 = nullptr;
  QAction* Contrleur1 = nullptr;
  QAction* MenuVueDuSol = nullptr;
  QAction* survolXY = nullptr;
  QAction* Transfert1 = nullptr;
  QAction* Crerunwaypoint1 = nullptr;
  QAction* Sauveunfichierwaypoint1 = nullptr;
  QAction* ChargeunfichierWaypoint1 = nullptr;
  QAction* Lireunfichierimage1 = nullptr;
  QAction* MenuApercuFichierImage = nullptr;
  QAction* MenuPropfond = nullptr;
  QAction* MenuAnnuleFond = nullptr;
  QAction* SauveImage = nullptr;
  QAction* Chargercartedulieupoint1 = nullptr;
  QTimer* Timer1 = nullptr;
  TMSComm MSComm1;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPanels(QWidget* central);
  void BuildMenus();
  void DisposeFenetre(int screenWidth, int screenHeight);
  void TailleImage(int width, int height, int percentage);
  void EtatMenusVectoriels();
  void AddProgress(const std::string& line);
  void CloseStartupWindow();
  void Quitter1Click();
  void Timer1Timer();
  void OpenGpsPort();
  void BuildGpsMenu();
  void BuildTerrainMenu();
  void Filtragedeniveau1Click();
  void BuildProfilCommands();
  void BuildImportMenu();
  void Importationdonnes1Click();
  void BuildFabricationMenu();
  void Fabriquerdalledesniveaux1Click();
  void MSComm1Comm();
  void ReceiveAndHandle();
  void ApplyGpsPanel(const GpsPanelUpdate& update);
  void LirefichierGPS1Click();
  void DessinerUnTraceClick();
  void Sauverfichiertrac1Click();
  void Lirefichiertrac1Click();
  void MSComm1DeviceLost();
  void BuildGarminMenu();
  void Transfert1Click();
  void Crerunwaypoint1Click();
  void Sauveunfichierwaypoint1Click();
  void ChargeunfichierWaypoint1Click();
  void BuildBrowserMenu();
  void OpenBrowser(BrowserKind kind);
  void OpenPlaceSearch(TrouveMode mode);
  // Brings a place into view: the new centre, or scrolled to over a background.
  void ShowPlace(double longitude, double latitude);
  MapScene Scene();
  // The redraw itself, for callers that already hold the gate.
  void Redraw();
  // Runs, once the current drawing has ended, the work that waited for it.
  void ScheduleWaitingWork();
  void RunWaitingWork();
  // The 3D commands (form_princ_3d.cpp).
  void Build3D();
  void ToolButtonC3DClick();
  void ToolButtonVue3DClick();
  void BoutonVol3DClick();
  void MenuVueDuSolClick();
  void survolXYClick();
  void MontreCone(const VueSol& vue);
  // The configuration, help and about commands (form_princ_config.cpp).
  void BuildConfigMenu();
  void Configuration1Click();
  void Microaide1Click();
  void Apropos1Click();
  void BuildImagesMenu();
  void MenusFondActif();
  void AppliqueFond();
  void ChargeCarteDemarre();
  void Lireunfichierimage1Click();
  void MenuPropfondClick();
  void MenuAnnuleFondClick();
  void MenuApercuFichierImageClick();
  void Chargercartedulieupoint1Click();
  void SauveImageClick();
  void ReportUnreadableMaps(const std::filesystem::path& directory, const ListeCartes& cartes);

  Dialogs& dialogs_;
  std::filesystem::path startDirectory_;
  ProgramState state_;
  Canvas canvas_;
  QSize rememberedPictureSize_;
  RedrawGate gate_;
  std::unique_ptr<TFormDebug> formDebug_;
  std::unique_ptr<PointerHandlers> pointerHandlers_;
  std::unique_ptr<EditHandlers> editHandlers_;
  bool closed_ = false;
  std::unique_ptr<TForm3D> form3D_;  // Controleur3DCree: it exists
  ConeSurCarte cone_;               // the ground view's cone on the map
  bool horizonEnCours_ = false;
  std::unique_ptr<TFormGRMN> formGRMN_;
};

}  // namespace orvex
