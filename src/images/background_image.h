#pragma once
// The scanned map shown under the vector layers: reading the picture (its
// size checked before it is decoded), laying it as the map picture, and
// tying it to geography through its correspondence file.
#include <QImage>
#include <QSize>

#include <filesystem>
#include <optional>
#include <string>

#include "geo/projection.h"
#include "images/background_geometry.h"
#include "images/correspondence_file.h"

namespace orvex {

// Larger pictures are refused before decoding: the picture and the map
// picture drawn over it each take four bytes a pixel.
inline constexpr long long kMaxBackgroundPixels = 64LL * 1024 * 1024;

struct ImageFond {
  QImage Picture;   // as read from the file; null when no background is shown
  QImage Shown;     // at the applied display percentage: what each redraw puts back
  std::filesystem::path NomImageFond;
  Correspondance Coins;
  PointCalage Calage[2];
  bool Present() const { return !Picture.isNull(); }
};

// Reads a picture in any format Qt reads. None, with the message for the
// user in `message`, when it cannot be read or has more than `maxPixels`.
std::optional<QImage> LitImageCarte(const std::filesystem::path& file, std::string& message,
                                    long long maxPixels = kMaxBackgroundPixels);

// nearest(size × percentage / 100), at least one pixel each way.
QSize TailleAffichee(QSize size, int percentage);

// Makes `picture` the background: the plane view without rotation, the
// projection fixed by the background, the picture size that of the shown
// picture. The caller sizes the map picture to fond.Shown.
void PoseImageFond(ImageFond& fond, ProjectionState& p, QImage picture, const std::filesystem::path& file,
                   int percentage);
// No background any more.
void RetireImageFond(ImageFond& fond);

enum class EtatCorrespondance { Appliquee, Absente, Illisible, Inutilisable };

// Finds and reads the correspondence file of the background and, when its
// corners suit the shown picture, applies them. For the other outcomes the
// projection is left as it was and `message` says why (Absente: the path
// looked for).
EtatCorrespondance ChargeCorrespondance(ImageFond& fond, ProjectionState& p, std::string& message);

// The question asked when a picture has no correspondence file.
std::string QuestionCorrespondanceAbsente(const std::filesystem::path& cor);

}  // namespace orvex
