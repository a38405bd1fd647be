#pragma once
// The scanned maps of a region: the maps directory, the correspondence
// files found there, the map that covers a place, their outlines on the
// current map, and the map picture saved as a bitmap file.
#include <QImage>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "geo/projection.h"
#include "images/correspondence_file.h"
#include "mapview/canvas.h"

namespace orvex {

// The region's "cartes" directory (its name in any case) when it exists,
// else the region directory itself.
std::filesystem::path RepertoireCartes(const std::filesystem::path& region);

struct CarteScannee {
  std::string NomCorrespondance;  // the entry's name, e.g. "carte1.cor"
  std::string Base;               // the name before its extension
  Correspondance Coins;
};

struct ListeCartes {
  std::vector<CarteScannee> Cartes;  // in listing order, sound corners only
  std::vector<std::string> Illisibles;  // correspondence files that could not be read
};

// Every correspondence file of `directory` (extension "cor" in any case,
// after the last "."), each read once, in the directory's listing order.
// Files whose corners are not sound (zero, swapped) are left out.
ListeCartes ScanneCartes(const std::filesystem::path& directory);

// The first map that covers the place strictly inside its corners.
const CarteScannee* CarteDuLieu(const ListeCartes& cartes, double longitude, double latitude);

// The picture of a map: an entry of `directory` with the same base name and
// the extension BMP (in any case) first, else one of another picture format
// Qt reads, in listing order; the BMP name when there is none, so that
// loading it says the picture is missing.
std::filesystem::path ImageDeLaCarte(const std::filesystem::path& directory, const CarteScannee& carte);

// Outlines each map on the current map in white, pen width 2, with its base
// name at its north-west corner.
void DessineApercuCartes(Canvas& canvas, const ProjectionState& p, const ListeCartes& cartes);

// The picture as a BMP file at exactly `file`, through the atomic writer: 0,
// or the system's error number.
int SauveImageBmp(const QImage& picture, const std::filesystem::path& file);

}  // namespace orvex
