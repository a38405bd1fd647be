#include "terrain/hgt_file.h"

#include <array>

namespace orvex {
namespace {

constexpr std::int16_t kVide = -32768;
constexpr std::array<std::int32_t, 2> kCotes = {1201, 3601};

bool Chiffres(std::string_view texte) {
  for (const char c : texte) {
    if (c < '0' || c > '9') {
      return false;
    }
  }
  return true;
}

int Nombre(std::string_view chiffres) {
  int n = 0;
  for (const char c : chiffres) {
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace

std::string GeometrieHgt(std::string_view nom, std::uintmax_t octets, GeometrieSource& geometrie) {
  const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  if (nom.size() < 7 || (upper(nom[0]) != 'N' && upper(nom[0]) != 'S') ||
      (upper(nom[3]) != 'E' && upper(nom[3]) != 'W') || !Chiffres(nom.substr(1, 2)) || !Chiffres(nom.substr(4, 3))) {
    return "position inconnue : le nom d'une dalle SRTM donne son coin sud-ouest, comme N43E007.hgt";
  }
  const int lat = Nombre(nom.substr(1, 2)) * (upper(nom[0]) == 'S' ? -1 : 1);
  const int lon = Nombre(nom.substr(4, 3)) * (upper(nom[3]) == 'W' ? -1 : 1);
  if (lat < -90 || lat >= 90 || lon < -180 || lon >= 180) {
    return "position inconnue : " + std::string(nom.substr(0, 7)) + " est hors du globe";
  }
  for (const std::int32_t cote : kCotes) {
    if (octets == 2u * static_cast<std::uintmax_t>(cote) * static_cast<std::uintmax_t>(cote)) {
      geometrie.colonnes = geometrie.lignes = cote;
      geometrie.lgPremier = lon;
      geometrie.ltPremier = lat + 1;
      geometrie.pasLg = geometrie.pasLt = 1.0 / (cote - 1);
      return {};
    }
  }
  return "taille de " + std::to_string(octets) +
         " octets : une dalle SRTM en a 2 x 1201 x 1201 (3\") ou 2 x 3601 x 3601 (1\")";
}

std::string LitEnteteHgt(const std::filesystem::path& path, EtendueGrille& etendue) {
  std::error_code ec;
  const std::uintmax_t octets = std::filesystem::file_size(path, ec);
  if (ec) {
    return ErreurFichier(ec.value());
  }
  GeometrieSource geometrie;
  PlanDalle plan;
  std::string erreur = GeometrieHgt(path.filename().string(), octets, geometrie);
  if (erreur.empty()) {
    erreur = PlanifieDalle(geometrie, plan);
  }
  if (erreur.empty()) {
    etendue = EtendueDuPlan(plan);
  }
  return erreur;
}

std::string OuvreHgt(std::string_view nom, std::string_view bytes, SourceGrille& source) {
  GeometrieSource geometrie;
  if (std::string erreur = GeometrieHgt(nom, bytes.size(), geometrie); !erreur.empty()) {
    return erreur;
  }
  if (std::string erreur = PlanifieDalle(geometrie, source.plan); !erreur.empty()) {
    return erreur;
  }
  source.lecteur = [octet = reinterpret_cast<const unsigned char*>(bytes.data())](std::span<std::int32_t> ligne,
                                                                                  std::string&) mutable {
    for (std::int32_t& v : ligne) {
      const auto brut = static_cast<std::int16_t>((octet[0] << 8) | octet[1]);
      v = brut == kVide ? kValeurVide : brut;
      octet += 2;
    }
    return true;
  };
  return {};
}

std::string ImporteHgt(std::string_view nom, std::string_view bytes, TDalle& dalle) {
  SourceGrille source;
  if (std::string erreur = OuvreHgt(nom, bytes, source); !erreur.empty()) {
    return erreur;
  }
  return RemplitDalle(source, dalle);
}

}  // namespace orvex
