#include "terrain/dalles.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <system_error>

#include "platform/atomic_file.h"

namespace orvex {

namespace {

// Every header value travels as a little-endian 16-bit word; the corners take
// two words each (low half first). 100 reserved words follow.
constexpr std::size_t kMotsEntete = 110;
constexpr std::size_t kOctetsEntete = kMotsEntete * 2;
constexpr std::size_t kMotNbX = 0;
constexpr std::size_t kMotNbY = 1;
constexpr std::size_t kMotDLg = 2;
constexpr std::size_t kMotDLt = 3;
constexpr std::size_t kMotLgNO = 4;
constexpr std::size_t kMotLtNO = 6;
constexpr std::size_t kMotAltMin = 8;
constexpr std::size_t kMotAltMax = 9;

constexpr double kMeilleurInitial = 2000000.0;

struct FermeFichier {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using Fichier = std::unique_ptr<std::FILE, FermeFichier>;

int ErreurSysteme(int defaut) { return errno != 0 ? errno : defaut; }

// Opens `file` and reports the system's error number on failure. A directory
// opens under glibc but cannot be read or written as a file.
int Ouvre(const std::filesystem::path& file, const char* mode, Fichier& out) {
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) {
    return EISDIR;
  }
  errno = 0;
  out.reset(std::fopen(file.c_str(), mode));
  return out ? 0 : ErreurSysteme(ENOENT);
}

std::uint16_t LitMot(const unsigned char* bytes, std::size_t index) {
  return static_cast<std::uint16_t>(bytes[2 * index] | (bytes[2 * index + 1] << 8));
}

void EcritMot(unsigned char* bytes, std::size_t index, std::uint32_t value) {
  bytes[2 * index] = static_cast<unsigned char>(value & 0xFF);
  bytes[2 * index + 1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}

FixedDegree LitCoin(const unsigned char* entete, std::size_t index) {
  const std::uint32_t bits = LitMot(entete, index) | (static_cast<std::uint32_t>(LitMot(entete, index + 1)) << 16);
  return static_cast<FixedDegree>(bits);
}

void EcritCoin(unsigned char* entete, std::size_t index, FixedDegree value) {
  const auto bits = static_cast<std::uint32_t>(value);
  EcritMot(entete, index, bits);
  EcritMot(entete, index + 1, bits >> 16);
}

// Reads the rows the file actually holds. A row cut short by the end of the
// file is dropped with everything after it, so a header that promises more
// than the file carries never makes us allocate for data that is not there.
void LitLignes(std::FILE* file, TDalle& dalle) {
  std::vector<unsigned char> tampon(2 * static_cast<std::size_t>(dalle.NbX));
  dalle.Alt.reserve(static_cast<std::size_t>(dalle.NbY));
  for (std::int32_t r = 0; r < dalle.NbY; ++r) {
    if (std::fread(tampon.data(), 1, tampon.size(), file) != tampon.size()) {
      break;
    }
    std::vector<std::int32_t>& ligne = dalle.Alt.emplace_back(static_cast<std::size_t>(dalle.NbX));
    for (std::size_t c = 0; c < ligne.size(); ++c) {
      ligne[c] = LitMot(tampon.data(), c);
    }
  }
  dalle.NbY = static_cast<std::int32_t>(dalle.Alt.size());
  if (dalle.NbY == 0) {
    dalle.NbX = 0;
  }
}

bool FormeValide(const TDalle& dalle) {
  if (dalle.NbX < 0 || dalle.NbY < 0 || dalle.NbX > kDallesMaxCotes || dalle.NbY > kDallesMaxCotes) {
    return false;
  }
  if (dalle.Alt.size() < static_cast<std::size_t>(dalle.NbY)) {
    return false;
  }
  for (std::int32_t r = 0; r < dalle.NbY; ++r) {
    if (dalle.Alt[static_cast<std::size_t>(r)].size() < static_cast<std::size_t>(dalle.NbX)) {
      return false;
    }
  }
  return true;
}

std::array<unsigned char, kOctetsEntete> Entete(const TDalle& dalle) {
  std::array<unsigned char, kOctetsEntete> entete{};
  EcritMot(entete.data(), kMotNbX, static_cast<std::uint32_t>(dalle.NbX));
  EcritMot(entete.data(), kMotNbY, static_cast<std::uint32_t>(dalle.NbY));
  EcritMot(entete.data(), kMotDLg, static_cast<std::uint32_t>(dalle.DLg));
  EcritMot(entete.data(), kMotDLt, static_cast<std::uint32_t>(dalle.DLt));
  EcritCoin(entete.data(), kMotLgNO, dalle.LgNO);
  EcritCoin(entete.data(), kMotLtNO, dalle.LtNO);
  EcritMot(entete.data(), kMotAltMin, static_cast<std::uint32_t>(dalle.AltMin));
  EcritMot(entete.data(), kMotAltMax, static_cast<std::uint32_t>(dalle.AltMax));
  return entete;
}

// round(degrees x 16384) in 64 bits; nothing for values no grid can hold.
std::optional<std::int64_t> EnUnites(double degrees) {
  constexpr double kLimite = 1e15;
  const double scaled = std::nearbyint(degrees * kFixedOne);
  if (!(std::fabs(scaled) < kLimite)) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(scaled);
}

bool DansFenetre(const FenetreVisible& fenetre, double lg, double lt) {
  // Bitwise, not short-circuit: the scan below stays free of branches.
  return (lt > fenetre.Sud) & (lt < fenetre.Nord) & (lg > fenetre.Ouest) & (lg < fenetre.Est);
}

}  // namespace

int LitDalles(const std::filesystem::path& file, TDalle& dalle) {
  Fichier fichier;
  if (const int status = Ouvre(file, "rb", fichier); status != 0) {
    return status;
  }
  // Header bytes missing from a short file read as 0.
  std::array<unsigned char, kOctetsEntete> entete{};
  static_cast<void>(std::fread(entete.data(), 1, entete.size(), fichier.get()));

  TDalle lue;
  const std::int32_t nbX = LitMot(entete.data(), kMotNbX);
  const std::int32_t nbY = LitMot(entete.data(), kMotNbY);
  if (nbX > kDallesMaxCotes || nbY > kDallesMaxCotes) {
    dalle = std::move(lue);
    return 0;
  }
  lue.DLg = LitMot(entete.data(), kMotDLg);
  lue.DLt = LitMot(entete.data(), kMotDLt);
  lue.LgNO = LitCoin(entete.data(), kMotLgNO);
  lue.LtNO = LitCoin(entete.data(), kMotLtNO);
  lue.AltMin = LitMot(entete.data(), kMotAltMin);
  lue.AltMax = LitMot(entete.data(), kMotAltMax);
  if (nbX > 0) {
    lue.NbX = nbX;
    lue.NbY = nbY;
    LitLignes(fichier.get(), lue);
  }
  dalle = std::move(lue);
  return 0;
}

// Rows go out in blocks of about a megabyte: few system calls, little memory.
constexpr std::size_t kBloc = 1 << 20;

struct EcritureDalles::Etat {
  std::array<unsigned char, kOctetsEntete> entete{};
  int erreur = 0;  // before the temporary file exists
  std::optional<AtomicFileWriter> writer;
  std::vector<unsigned char> tampon;  // sized once: filling it never clears it first
  std::size_t rempli = 0;

  bool Vide() {
    const bool ecrit = writer->Write(std::string_view(reinterpret_cast<const char*>(tampon.data()), rempli));
    rempli = 0;
    return ecrit;
  }
  std::string_view OctetsEntete() const { return {reinterpret_cast<const char*>(entete.data()), entete.size()}; }
};

EcritureDalles::EcritureDalles(const std::filesystem::path& file, const TDalle& forme) : etat_(std::make_unique<Etat>()) {
  // The header's place is taken now and its range filled in by Termine.
  etat_->entete = Entete(forme);
  std::error_code ec;
  if (file.has_parent_path()) {
    std::filesystem::create_directories(file.parent_path(), ec);
    if (ec) {
      etat_->erreur = ec.value();
      return;
    }
  }
  if (std::filesystem::is_directory(file, ec)) {
    etat_->erreur = EISDIR;
    return;
  }
  etat_->writer.emplace(file);
  etat_->tampon.resize(kBloc + 2 * static_cast<std::size_t>(std::max(forme.NbX, 0)));
  etat_->writer->Write(etat_->OctetsEntete());
}

EcritureDalles::~EcritureDalles() = default;

int EcritureDalles::status() const { return etat_->erreur != 0 ? etat_->erreur : etat_->writer->status(); }

bool EcritureDalles::Ligne(std::span<const std::int32_t> altitudes) {
  if (status() != 0) {
    return false;
  }
  Etat& etat = *etat_;
  if (etat.rempli + 2 * altitudes.size() > etat.tampon.size()) {
    etat.tampon.resize(etat.rempli + 2 * altitudes.size());
  }
  unsigned char* octets = etat.tampon.data() + etat.rempli;
  for (std::size_t c = 0; c < altitudes.size(); ++c) {
    EcritMot(octets, c, static_cast<std::uint32_t>(altitudes[c]));
  }
  etat.rempli += 2 * altitudes.size();
  return etat.rempli < kBloc || etat.Vide();
}

int EcritureDalles::Termine(std::int32_t altMin, std::int32_t altMax) {
  if (status() != 0) {
    return status();
  }
  EcritMot(etat_->entete.data(), kMotAltMin, static_cast<std::uint32_t>(altMin));
  EcritMot(etat_->entete.data(), kMotAltMax, static_cast<std::uint32_t>(altMax));
  if (etat_->Vide()) {
    etat_->writer->WriteAt(0, etat_->OctetsEntete());
  }
  return etat_->writer->Commit();
}

int EcritDalles(const std::filesystem::path& file, const TDalle& dalle) {
  if (!FormeValide(dalle)) {
    return EINVAL;
  }
  EcritureDalles ecriture(file, dalle);
  for (std::int32_t r = 0; r < dalle.NbY; ++r) {
    const std::vector<std::int32_t>& ligne = dalle.Alt[static_cast<std::size_t>(r)];
    ecriture.Ligne(std::span(ligne).first(static_cast<std::size_t>(dalle.NbX)));
  }
  return ecriture.Termine(dalle.AltMin, dalle.AltMax);
}

std::int32_t AltitudeDuPoint(const TDalle& dalle, double lg, double lt) {
  if (dalle.DLg <= 0 || dalle.DLt <= 0) {
    return 0;
  }
  const std::optional<std::int64_t> lgUnites = EnUnites(lg);
  const std::optional<std::int64_t> ltUnites = EnUnites(lt);
  if (!lgUnites || !ltUnites) {
    return 0;
  }
  // Truncation toward zero puts a point less than a step west or north of the
  // corner in column or row 0.
  const std::int64_t c = (*lgUnites - dalle.LgNO) / dalle.DLg;
  const std::int64_t r = (dalle.LtNO - *ltUnites) / dalle.DLt;
  if (c < 0 || r < 0 || c >= dalle.NbX || r >= dalle.NbY || static_cast<std::size_t>(r) >= dalle.Alt.size()) {
    return 0;
  }
  const std::vector<std::int32_t>& ligne = dalle.Alt[static_cast<std::size_t>(r)];
  return static_cast<std::size_t>(c) < ligne.size() ? ligne[static_cast<std::size_t>(c)] : 0;
}

std::int32_t AltitudeDuPoint(const TTableNiveaux& niveaux, const std::optional<FenetreVisible>& fenetre,
                             double lg, double lt) {
  double meilleur = kMeilleurInitial;
  std::int32_t altitude = 0;
  for (const TFichierLieux<TCourbeNiveau>& fichier : niveaux.Fichiers) {
    for (const TCourbeNiveau& courbe : fichier.Elements) {
      for (const TPointLtLg& point : courbe.Points) {
        const double pointLt = FromFixed(point.Lt);
        const double pointLg = FromFixed(point.Lg);
        // Computed for every point and then discarded, not skipped: the
        // window test alone is unpredictable enough to cost more than that.
        const bool compte = !fenetre || DansFenetre(*fenetre, pointLg, pointLt);
        const double distance = (lg - pointLg) * (lg - pointLg) + (lt - pointLt) * (lt - pointLt);
        if (compte & (distance < meilleur)) {
          meilleur = distance;
          altitude = courbe.Altitude;
        }
      }
    }
  }
  return altitude;
}

std::int32_t AltitudeDuPoint(bool affDalles, const TDalle& dalle, const TTableNiveaux& niveaux,
                             const std::optional<FenetreVisible>& fenetre, double lg, double lt) {
  return affDalles ? AltitudeDuPoint(dalle, lg, lt) : AltitudeDuPoint(niveaux, fenetre, lg, lt);
}

}  // namespace orvex
