// The main window's record browser and place search commands: the browser
// over the program's tables, and "Trouver un lieu" in its two captions.
#include <QMenuBar>
#include <QToolButton>

#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "app/ui/pointer_handlers.h"
#include "browser/ui/form_visu.h"

namespace orvex {
namespace {

constexpr int kSearchDialogShift = 60;
constexpr int kSearchDialogTop = 50;

QMenu* MenuNamed(QMenuBar* bar, const QString& caption) {
  for (QAction* action : bar->actions()) {
    if (action->menu() != nullptr && action->text() == caption) {
      return action->menu();
    }
  }
  return bar->addMenu(caption);
}

}  // namespace

void TFormPrinc::BuildBrowserMenu() {
  QMenu* base = menuBar()->addMenu(QStringLiteral("&Base de données"));
  for (const BrowserMenuEntry& entry : kBrowserMenu) {
    base->addAction(QString::fromUtf8(entry.caption), this, [this, k = entry.kind] { OpenBrowser(k); })
        ->setObjectName(QString("Menu") + entry.name);
  }
  base->addSeparator();
  const auto search = [this, base](const QString& caption, const char* name, const char* button, TrouveMode mode) {
    base->addAction(caption, this, [this, mode] { OpenPlaceSearch(mode); })->setObjectName(name);
    auto* tool = new QToolButton(ToolBar1);
    tool->setObjectName(button);
    tool->setText(caption);
    connect(tool, &QToolButton::clicked, this, [this, mode] { OpenPlaceSearch(mode); });
    ToolBar1->addWidget(tool);
  };
  search(QStringLiteral("Trouver un lieu"), "Trouverunlieu1", "BoutonTrouveLieu", TrouveMode::Lieu);
  search(QStringLiteral("Trouver un relais d'après la fréquence"), "TrouvRelFreq", "BoutonTrouveRelais",
         TrouveMode::RelaisFrequence);
  QMenu* gps = MenuNamed(menuBar(), QStringLiteral("&GPS"));
  gps->addAction(QStringLiteral("Liste des waypoints"), this, [this] { OpenBrowser(BrowserKind::Waypoints); })
      ->setObjectName("Listedeswaypoints1");
}

void TFormPrinc::OpenBrowser(BrowserKind kind) {
  PointingScene pointing{state_.projection, state_.display, [this] { RequestRedraw(); },
                         [this](int x, int y) { pointerHandlers_->ScrollToPoint(x, y); }};
  TFormVisu browser({state_.tables, state_.traces, state_.garmin.Waypoints}, std::move(pointing), kind, this);
  browser.exec();
}

void TFormPrinc::OpenPlaceSearch(TrouveMode mode) {
  PlaceSearchScene scene{{state_.projection, state_.display, [this] { RequestRedraw(); },
                          [this](int x, int y) { pointerHandlers_->ScrollToPoint(x, y); }},
                         canvas_,
                         state_.tables,
                         state_.config.LgCourant,
                         state_.config.LtCourant,
                         [this] { ImageCarte->update(); }};
  TFormTrouve dialog(std::move(scene), mode, this);
  dialog.move(GroupBox1->mapToGlobal(QPoint(0, 0)).x() - kSearchDialogShift, kSearchDialogTop);
  dialog.exec();
}

}  // namespace orvex
