#include "images/background_image.h"

#include <QImageReader>

#include <cmath>

#include "platform/paths.h"

namespace orvex {
namespace {

constexpr int kMaxSide = 32767;  // QPainter's limit
constexpr int kBytesPerPixel = 4;
constexpr int kMegabyte = 1024 * 1024;

std::string ReadFailure(QImageReader::ImageReaderError error) {
  switch (error) {
    case QImageReader::FileNotFoundError:
      return "fichier introuvable";
    case QImageReader::DeviceError:
      return "erreur de lecture";
    case QImageReader::UnsupportedFormatError:
      return "format d'image non reconnu";
    case QImageReader::InvalidDataError:
    case QImageReader::UnknownError:
      break;
  }
  return "fichier endommagé";
}

}  // namespace

std::optional<QImage> LitImageCarte(const std::filesystem::path& file, std::string& message, long long maxPixels) {
  const std::string name = PathText(file);
  QImageReader reader(QString::fromStdString(file.string()));
  // Qt's own limit would hide the size of a large picture: the size is
  // checked here first, with a message that says why.
  reader.setAllocationLimit(0);
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > kMaxSide || size.height() > kMaxSide ||
                         static_cast<long long>(size.width()) * size.height() > maxPixels)) {
    message = "L'image " + name + " est trop grande pour la mémoire : " + std::to_string(size.width()) + " x " +
              std::to_string(size.height()) + " pixels (au plus " + std::to_string(maxPixels) +
              " pixels).";
    return std::nullopt;
  }
  // Formats that do not tell their size beforehand are still bounded here.
  reader.setAllocationLimit(static_cast<int>(maxPixels * kBytesPerPixel / kMegabyte) + 1);
  QImage picture = reader.read();
  if (picture.isNull()) {
    message = "Impossible de lire l'image " + name + " : " + ReadFailure(reader.error()) + ".";
    return std::nullopt;
  }
  return picture;
}

QSize TailleAffichee(QSize size, int percentage) {
  const auto scaled = [percentage](int side) {
    return std::max(1, static_cast<int>(std::lround(side * percentage / 100.0)));
  };
  return {scaled(size.width()), scaled(size.height())};
}

void PoseImageFond(ImageFond& fond, ProjectionState& p, QImage picture, const std::filesystem::path& file,
                   int percentage) {
  fond.NomImageFond = file;
  fond.Picture = std::move(picture);
  const QSize shown = TailleAffichee(fond.Picture.size(), percentage);
  fond.Shown = shown == fond.Picture.size()
                   ? fond.Picture
                   : fond.Picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  p.Spherical = false;
  p.BackgroundActive = true;
  p.ImageWidth = shown.width();
  p.ImageHeight = shown.height();
  ResetAngles(p);
}

void RetireImageFond(ImageFond& fond) { fond = ImageFond{}; }

EtatCorrespondance ChargeCorrespondance(ImageFond& fond, ProjectionState& p, std::string& message) {
  const std::filesystem::path cor = TrouveCorrespondance(fond.NomImageFond);
  const std::string name = PathText(cor);
  std::error_code ec;
  if (!std::filesystem::exists(cor, ec)) {
    message = name;
    return EtatCorrespondance::Absente;
  }
  Correspondance corners;
  if (const int status = LitCorrespondance(cor, corners); status != 0) {
    message = "Impossible de lire le fichier de correspondance " + name + " (erreur " + std::to_string(status) + ").";
    return EtatCorrespondance::Illisible;
  }
  if (!CorrespondanceUtilisable(corners, p.ImageWidth, p.ImageHeight)) {
    const CoinRefuse refused = VerifieCoins(corners);
    message = "Le fichier de correspondance " + name + " ne donne pas des coins utilisables pour cette image (" +
              (refused == CoinRefuse::None ? std::string("échelle hors limites") : TexteCoinRefuse(refused)) + ").";
    return EtatCorrespondance::Inutilisable;
  }
  fond.Coins = corners;
  AppliqueCorrespondance(p, corners);
  return EtatCorrespondance::Appliquee;
}

std::string QuestionCorrespondanceAbsente(const std::filesystem::path& cor) {
  return "Le fichier de correspondance " + PathText(cor) + " de l'image n'existe pas. " +
         "Voulez-vous le définir maintenant?";
}

}  // namespace orvex
