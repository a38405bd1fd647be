#include "browser/ui/form_visu.h"

#include <QGuiApplication>
#include <algorithm>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QVBoxLayout>

#include "browser/place_search.h"
#include "geo/coordinate_text.h"
#include "platform/ui/qt_text.h"

namespace orvex {
namespace {

constexpr int kWidthSampleRows = 100;

}  // namespace

TFormVisu::TFormVisu(BrowserTables tables, PointingScene pointing, BrowserKind kind, QWidget* parent)
    : QDialog(parent), places_(tables.places), pointing_(std::move(pointing)), model_(tables) {
  setObjectName("FormVisu");
  setWindowTitle(QStringLiteral("Visualisation"));
  auto* layout = new QVBoxLayout(this);
  MainMenu1 = new QMenuBar(this);
  QMenu* menu = MainMenu1->addMenu(QStringLiteral("Bases de données"));
  for (const BrowserMenuEntry& entry : kBrowserMenu) {
    QAction* action = menu->addAction(QString::fromUtf8(entry.caption), this, [this, k = entry.kind] { FillBrowser(k); });
    action->setObjectName(entry.name);
  }
  menu->addAction(QStringLiteral("Quitter"), this, &QDialog::accept)->setObjectName("Quitter1");
  layout->setMenuBar(MainMenu1);

  StringGrid1 = new QTableView(this);
  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->setModel(&model_);
  StringGrid1->verticalHeader()->hide();  // no row numbers: the "Index" column says where a record lives
  StringGrid1->verticalHeader()->setDefaultSectionSize(StringGrid1->fontMetrics().height() + 6);
  // Column widths look at the first hundred rows only, whatever the table's size.
  StringGrid1->horizontalHeader()->setResizeContentsPrecision(kWidthSampleRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
  StringGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
  StringGrid1->setMinimumSize(700, 400);
  layout->addWidget(StringGrid1);

  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(NewLabel(this, QStringLiteral("Chaîne à chercher :")));
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  searchRow->addWidget(Edit1);
  const auto button = [this, searchRow](const QString& caption, const QString& hint, const char* name) {
    auto* b = NewButton(this, caption, name);
    b->setToolTip(hint);
    searchRow->addWidget(b);
    return b;
  };
  ButtonRechercher = button(QStringLiteral("Rechercher"), QStringLiteral("Recherche le premier élément de la liste"),
                            "ButtonRechercher");
  ButtonSuivant = button(QStringLiteral("Suivant"), QStringLiteral("Recherche l'élément suivant de la liste"),
                         "ButtonSuivant");
  ButtonPointer = button(QStringLiteral("Pointer"), QStringLiteral("Positionne la carte sur l'élément sélectionné"),
                         "ButtonPointer");
  layout->addLayout(searchRow);
  connect(ButtonRechercher, &QPushButton::clicked, this, [this] { SearchBrowser(true); });
  connect(ButtonSuivant, &QPushButton::clicked, this, [this] { SearchBrowser(false); });
  connect(ButtonPointer, &QPushButton::clicked, this, &TFormVisu::PointerClick);

  FillBrowser(kind);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    adjustSize();
    move(screen->availableGeometry().center() - rect().center());
  }
}

void TFormVisu::FillBrowser(BrowserKind kind) {
  model_.SetKind(kind);
  // The widths are those of the original grid's smaller font: a column
  // grows when its title or the rows in view need more.
  for (int column = 0; column < model_.columnCount(); ++column) {
    StringGrid1->resizeColumnToContents(column);
    StringGrid1->setColumnWidth(column, std::max(model_.ColumnWidth(column), StringGrid1->columnWidth(column)));
  }
}

void TFormVisu::RequestCell(int row, int column) {
  const QModelIndex index = model_.index(row, column);
  StringGrid1->scrollTo(index, QAbstractItemView::PositionAtTop);
  if (model_.CellSelectable(column)) {
    StringGrid1->setCurrentIndex(index);
  }
}

void TFormVisu::SearchBrowser(bool fromStart) {
  const std::string text = UpperText(FromQString(Edit1->text()));
  const PlaceTables& t = places_;
  switch (model_.Kind()) {
    case BrowserKind::Villes:
      if (const auto found = FindCity(t.TableVilles, text)) {
        RequestCell(model_.RowOf(found->FoundGroup, found->FoundRecord), 3);
      }
      break;
    case BrowserKind::OM:
      if (const auto found = FindOm(t.TableOM, text)) {
        RequestCell(model_.RowOf(found->FoundGroup, found->FoundRecord), 3);
      }
      break;
    case BrowserKind::Relais: {
      const int current = StringGrid1->currentIndex().isValid() ? StringGrid1->currentIndex().row() : -1;
      if (const auto found = FindRepeater(t, text, fromStart ? 0 : current + 1)) {
        RequestCell(found->index, found->field + 1);
      }
      break;
    }
    default:
      break;
  }
}

void TFormVisu::PointerClick() {
  const QModelIndex current = StringGrid1->currentIndex();
  if (current.isValid()) {
    PointRecord(model_, places_, current.row(), pointing_);
  }
}

}  // namespace orvex
