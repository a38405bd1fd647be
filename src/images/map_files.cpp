#include "images/map_files.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <cerrno>

#include "geo/coordinate_text.h"
#include "geo/geo_position.h"
#include "platform/atomic_file.h"
#include "platform/cp1252.h"
#include "platform/directory_listing.h"
#include "platform/paths.h"

namespace orvex {
namespace {

constexpr CouleurBgr kOutline = 0xFFFFFF;
constexpr int kOutlineWidth = 2;
constexpr int kNameOffset = 2;

struct SplitName {
  std::string base;
  std::string extension;  // upper-cased, without the dot
};

SplitName Split(const std::string& name) {
  const auto dot = name.rfind('.');
  if (dot == std::string::npos) {
    return {name, {}};
  }
  return {name.substr(0, dot), UpperText(name.substr(dot + 1))};
}

// Entries the scan looks at: files, not hidden ones.
std::vector<DirectoryEntry> ListedFiles(const std::filesystem::path& directory) {
  std::vector<DirectoryEntry> files;
  for (DirectoryEntry& entry : ListeRepertoire(directory)) {
    if (!entry.name.starts_with('.') && (entry.attributes & FaDirectory) == 0) {
      files.push_back(std::move(entry));
    }
  }
  return files;
}

// Corners too far off the picture are left out of the outline rather than
// drawn with coordinates the drawing cannot take.
bool OnDrawableArea(ScreenPoint s) { return s.x > -500 && s.x < 6000 && s.y >= -499 && s.y < 6000; }

bool ReadablePictureExtension(const std::string& upperExtension) {
  static const QList<QByteArray> formats = QImageReader::supportedImageFormats();
  return std::any_of(formats.begin(), formats.end(), [&](const QByteArray& format) {
    return UpperText(format.toStdString()) == upperExtension;
  });
}

}  // namespace

std::filesystem::path RepertoireCartes(const std::filesystem::path& region) {
  const std::string cartes = FindEntry(region, "cartes");
  std::error_code ec;
  if (!cartes.empty() && std::filesystem::is_directory(region / cartes, ec)) {
    return region / cartes;
  }
  return region;
}

ListeCartes ScanneCartes(const std::filesystem::path& directory) {
  ListeCartes list;
  for (const DirectoryEntry& entry : ListedFiles(directory)) {
    const SplitName split = Split(entry.name);
    if (split.extension != "COR") {
      continue;
    }
    CarteScannee carte{entry.name, split.base, {}};
    if (LitCorrespondance(directory / entry.name, carte.Coins) != 0) {
      list.Illisibles.push_back(entry.name);
    } else if (VerifieCoins(carte.Coins) == CoinRefuse::None) {
      list.Cartes.push_back(std::move(carte));
    }
  }
  return list;
}

const CarteScannee* CarteDuLieu(const ListeCartes& cartes, double longitude, double latitude) {
  for (const CarteScannee& carte : cartes.Cartes) {
    const Correspondance& c = carte.Coins;
    if (c.LgNW < longitude && longitude < c.LgSE && c.LtSE < latitude && latitude < c.LtNW) {
      return &carte;
    }
  }
  return nullptr;
}

std::filesystem::path ImageDeLaCarte(const std::filesystem::path& directory, const CarteScannee& carte) {
  std::optional<std::string> other;
  const std::string base = UpperText(carte.Base);
  for (const DirectoryEntry& entry : ListedFiles(directory)) {
    const SplitName split = Split(entry.name);
    if (UpperText(split.base) != base || split.extension == "COR") {
      continue;
    }
    if (split.extension == "BMP") {
      return directory / entry.name;
    }
    if (!other && ReadablePictureExtension(split.extension)) {
      other = entry.name;
    }
  }
  const std::string& name = carte.NomCorrespondance;
  return directory / other.value_or(name.substr(0, name.size() - 3) + "BMP");
}

void DessineApercuCartes(Canvas& canvas, const ProjectionState& p, const ListeCartes& cartes) {
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenWidth(kOutlineWidth);
  canvas.SetPenColor(kOutline);
  canvas.SetFontColor(kOutline);
  canvas.SetTextTransparent(true);
  for (const CarteScannee& carte : cartes.Cartes) {
    const Correspondance& c = carte.Coins;
    const GeoPosition corners[] = {
        {c.LgNW, c.LtNW}, {c.LgSE, c.LtNW}, {c.LgSE, c.LtSE}, {c.LgNW, c.LtSE}, {c.LgNW, c.LtNW}};
    bool started = false;
    for (const GeoPosition& corner : corners) {
      const ScreenPoint s = GeoToScreen(p, corner.Longitude, corner.Latitude, 0);
      if (!OnDrawableArea(s)) {
        continue;
      }
      if (started) {
        canvas.LineTo(s.x, s.y);
      } else {
        canvas.MoveTo(s.x, s.y);
        started = true;
      }
    }
    const ScreenPoint name = RotatePoint(p, {LonToX(p, c.LgNW), LatToY(p, c.LtNW)}, 0);
    canvas.TextOut(name.x + kNameOffset, name.y + kNameOffset, Utf8ToCp1252(carte.Base));
  }
  canvas.SetTextTransparent(false);
  canvas.SetPenWidth(1);
}

int SauveImageBmp(const QImage& picture, const std::filesystem::path& file) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "bmp");
  if (!writer.write(picture)) {
    return EIO;
  }
  return WriteFileAtomically(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace orvex
