#include "browser/record_model.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "database/channel_file.h"
#include "geo/coordinate_text.h"
#include "mapview/locale_number.h"
#include "platform/cp1252.h"

namespace orvex {
namespace {

struct Column {
  const char* title;  // UTF-8
  int width;
};

constexpr int kCoordinateDigits = 5;
constexpr int kWaypointDigits = 7;
constexpr int kDecimals = 5;

std::vector<Column> Columns(BrowserKind kind) {
  switch (kind) {
    case BrowserKind::Contours:
      return {{"Index", 60}, {"Lg", 60}, {"Lt", 60}, {"", 120}};
    case BrowserKind::Villes:
      return {{"Index", 60}, {"Lg", 60},         {"Lt", 60},         {"Nom", 150},
              {"Diamètre", 40}, {"Dessus", 30}, {"Zoom mini", 60}, {"Fichier", 90}};
    case BrowserKind::Structures:
      return {{"Index", 60}, {"Lg", 60}, {"Lt", 60}, {"Couleur", 50}, {"Nom", 120}, {"Nombre", 60}, {"Fichier", 100}};
    case BrowserKind::Relais:
      return {{"Index", 60}, {"Indicatif", 60},   {"QRA", 60},        {"Nom", 150},
              {"Fréquence 1", 70}, {"Fréquence 2", 70}, {"Fréquence 3", 70}};
    case BrowserKind::OM:
      return {{"Index", 60}, {"Lg", 60}, {"Lt", 60}, {"indicatif", 60}, {"Altitude", 60}};
    case BrowserKind::PointsGps:
      return {{"Index", 60}, {"Heure", 60}, {"Lg", 60}, {"Lt", 60}, {"Altitude", 60}};
    case BrowserKind::Waypoints:
      return {{"Index", 60}, {"Nom", 60}, {"Lg", 60}, {"Lt", 60}, {"Commentaire", 100}};
    case BrowserKind::None:
      break;
  }
  return {};
}

QString Cp1252Text(std::string_view bytes) { return QString::fromStdString(Cp1252ToUtf8(bytes)); }
QString Coordinate(FixedDegree value) { return FixedNotation(FromFixed(value), kCoordinateDigits, kDecimals); }
QString IndexText(int file, int record) { return QString::number(file) + '.' + QString::number(record); }

// Rows before each entry of `counts`, then the total.
template <typename Counts>
std::vector<std::int64_t> FirstRows(const Counts& counts) {
  std::vector<std::int64_t> first{0};
  for (const auto count : counts) {
    first.push_back(first.back() + count);
  }
  return first;
}

template <typename T>
std::vector<std::int64_t> FileFirstRows(const TTableFichiers<T>& table) {
  std::vector<std::int64_t> counts;
  for (const auto& file : table.Fichiers) {
    counts.push_back(file.NbElements());
  }
  return FirstRows(counts);
}

const std::vector<TracePoint>* CurrentTrace(const Traces& traces) {
  return IsValidChannel(traces, traces.CurrentChannel) ? &traces.TraceTable[traces.CurrentChannel] : nullptr;
}

}  // namespace

RecordTableModel::RecordTableModel(BrowserTables tables, QObject* parent)
    : QAbstractTableModel(parent), tables_(tables) {}

void RecordTableModel::SetKind(BrowserKind kind) {
  beginResetModel();
  kind_ = kind;
  structures_.clear();
  firstRows_ = {0};
  const PlaceTables& p = tables_.places;
  switch (kind) {
    case BrowserKind::Contours:
      firstRows_ = FileFirstRows(p.TableContours);
      break;
    case BrowserKind::Villes:
      firstRows_ = FileFirstRows(p.TableVilles);
      break;
    case BrowserKind::OM:
      firstRows_ = FileFirstRows(p.TableOM);
      break;
    case BrowserKind::Structures: {
      std::vector<std::int64_t> counts;
      for (int f = 0; f < p.TableStructures.NbFichiers(); ++f) {
        const auto& elements = p.TableStructures.Fichiers[f].Elements;
        for (int s = 0; s < static_cast<int>(elements.size()); ++s) {
          structures_.emplace_back(f, s);
          counts.push_back(elements[s].NbPoints());
        }
      }
      firstRows_ = FirstRows(counts);
      break;
    }
    case BrowserKind::Relais:
      firstRows_.push_back(p.NbRelais());
      break;
    case BrowserKind::PointsGps: {
      const auto* trace = CurrentTrace(tables_.traces);
      firstRows_.push_back(trace != nullptr ? static_cast<std::int64_t>(trace->size()) : 0);
      break;
    }
    case BrowserKind::Waypoints:
      firstRows_.push_back(static_cast<std::int64_t>(tables_.waypoints.size()));
      break;
    case BrowserKind::None:
      break;
  }
  endResetModel();
}

int RecordTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(std::min<std::int64_t>(firstRows_.back(), INT32_MAX));
}

int RecordTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(Columns(kind_).size());
}

int RecordTableModel::ColumnWidth(int column) const {
  const auto columns = Columns(kind_);
  return column >= 0 && column < static_cast<int>(columns.size()) ? columns[column].width : 0;
}

bool RecordTableModel::CellSelectable(int column) const {
  switch (kind_) {
    case BrowserKind::Villes:
      return column == 3 || column == 4;
    case BrowserKind::Structures:
      return column == 4;
    case BrowserKind::OM:
      return column == 3;
    case BrowserKind::Relais:
      return true;  // whole rows, so that "Pointer" knows which repeater
    default:
      return false;
  }
}

RecordAddress RecordTableModel::Address(int row) const {
  if (kind_ == BrowserKind::Relais || kind_ == BrowserKind::PointsGps || kind_ == BrowserKind::Waypoints) {
    return {-1, row, -1};
  }
  const auto after = std::upper_bound(firstRows_.begin(), firstRows_.end(), std::int64_t{row});
  const auto entry = static_cast<int>(after - firstRows_.begin()) - 1;
  const auto within = static_cast<int>(row - firstRows_[entry]);
  if (kind_ == BrowserKind::Structures) {
    return {structures_[entry].first, structures_[entry].second, within};
  }
  return {entry, within, -1};
}

int RecordTableModel::RowOf(int file, int record) const {
  return file >= 0 && file + 1 < static_cast<int>(firstRows_.size()) ? static_cast<int>(firstRows_[file]) + record
                                                                       : -1;
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
    return {};
  }
  return Text(index.row(), index.column());
}

QString RecordTableModel::Text(int row, int column) const {
  const PlaceTables& p = tables_.places;
  const RecordAddress a = Address(row);
  switch (kind_) {
    case BrowserKind::Contours: {
      const auto& file = p.TableContours.Fichiers[a.file];
      const TPointLgLt& point = file.Elements[a.record];
      const std::array texts{IndexText(a.file, a.record), Coordinate(point.Lg), Coordinate(point.Lt),
                             Cp1252Text(file.NomFichier)};
      return texts[column];
    }
    case BrowserKind::Villes: {
      const auto& file = p.TableVilles.Fichiers[a.file];
      const TVille& v = file.Elements[a.record];
      const std::array texts{IndexText(a.file, a.record), Coordinate(v.Lg), Coordinate(v.Lt), Cp1252Text(v.Nom),
                             QString::number(v.Diametre), QString(v.NomDessous ? "O" : "N"),
                             QString::number(v.Zoom), a.record == 0 ? Cp1252Text(file.NomFichier) : QString()};
      return texts[column];
    }
    case BrowserKind::Structures: {
      const auto& file = p.TableStructures.Fichiers[a.file];
      const TStructure& s = file.Elements[a.record];
      const TPointLtLg& point = s.Points[a.point];
      const bool first = a.point == 0;
      const std::array texts{IndexText(a.file, a.record), Coordinate(point.Lg), Coordinate(point.Lt),
                             first ? QString::number(s.Couleur) : QString(), first ? Cp1252Text(s.Nom) : QString(),
                             first ? QString::number(s.NbPoints()) : QString(), Cp1252Text(file.NomFichier)};
      return texts[column];
    }
    case BrowserKind::Relais: {
      if (a.record >= p.NbRelais()) {
        return {};
      }
      const TRelais& r = p.TableRelais[a.record];
      const auto frequency = [&](const std::string& text) { return Cp1252Text(FrequenceDuCanal(p.TableCanaux, text)); };
      const std::array texts{QString::number(a.record), Cp1252Text(r.Indicatif), Cp1252Text(r.QRA), Cp1252Text(r.Nom),
                             frequency(r.Frequence1), frequency(r.Frequence2), frequency(r.Frequence3)};
      return texts[column];
    }
    case BrowserKind::OM: {
      const TOM& om = p.TableOM.Fichiers[a.file].Elements[a.record];
      const std::array texts{IndexText(a.file, a.record), Coordinate(om.Lg), Coordinate(om.Lt),
                             Cp1252Text(om.Indicatif), QString::number(om.Altitude)};
      return texts[column];
    }
    case BrowserKind::PointsGps: {
      const auto* trace = CurrentTrace(tables_.traces);
      if (trace == nullptr || a.record >= static_cast<int>(trace->size())) {
        return {};
      }
      const TracePoint& point = (*trace)[a.record];
      const std::array texts{QString::number(a.record), Cp1252Text(point.Time), Coordinate(point.Lon),
                             Coordinate(point.Lat), QString::number(point.Alt)};
      return texts[column];
    }
    case BrowserKind::Waypoints: {
      if (a.record >= static_cast<int>(tables_.waypoints.size())) {
        return {};
      }
      const Waypoint& w = tables_.waypoints[a.record];
      const std::array texts{QString::number(a.record), Cp1252Text(w.Name),
                             FixedNotation(w.Lon, kWaypointDigits, kDecimals),
                             FixedNotation(w.Lat, kWaypointDigits, kDecimals), Cp1252Text(w.Comment)};
      return texts[column];
    }
    case BrowserKind::None:
      break;
  }
  return {};
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  const auto columns = Columns(kind_);
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= static_cast<int>(columns.size())) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return QString::fromUtf8(columns[section].title);
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) {
    return Qt::NoItemFlags;
  }
  Qt::ItemFlags flags = Qt::ItemIsEnabled;
  if (!CellSelectable(index.column())) {
    return flags;
  }
  flags |= Qt::ItemIsSelectable;
  const bool firstPoint = kind_ != BrowserKind::Structures || Address(index.row()).point == 0;
  if (kind_ != BrowserKind::Relais && firstPoint) {
    flags |= Qt::ItemIsEditable;
  }
  return flags;
}

bool RecordTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
    return false;
  }
  const std::string text = Utf8ToCp1252(value.toString().toStdString());
  // Saved files hold one record per line, cities and radio amateurs as
  // fields between commas: either would shift what follows.
  if (text.find_first_of(kind_ == BrowserKind::Structures ? "\r\n" : ",\r\n") != std::string::npos) {
    return false;
  }
  const RecordAddress a = Address(index.row());
  PlaceTables& p = tables_.places;
  switch (kind_) {
    case BrowserKind::Villes: {
      TVille& v = p.TableVilles.Fichiers[a.file].Elements[a.record];
      if (index.column() == 3) {
        v.Nom = text;
      } else if (int diameter = 0; ParseInteger(text, diameter)) {
        v.Diametre = diameter;
      } else {
        return false;
      }
      p.ModifVilles = true;
      break;
    }
    case BrowserKind::Structures:
      p.TableStructures.Fichiers[a.file].Elements[a.record].Nom = text;
      p.ModifStructures = true;
      break;
    case BrowserKind::OM:
      p.TableOM.Fichiers[a.file].Elements[a.record].Indicatif = text;
      p.ModifOM = true;
      break;
    default:
      return false;
  }
  emit dataChanged(index, index);
  return true;
}

}  // namespace orvex
