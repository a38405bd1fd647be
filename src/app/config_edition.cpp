#include "app/config_edition.h"

#include <cerrno>
#include <fstream>
#include <iterator>

#include "geo/coordinate_text.h"
#include "platform/atomic_file.h"

namespace orvex {
namespace {

bool ZoomValide(const std::string& texte, int& zoom) {
  if (texte.empty() || texte.size() > kChiffresZoomMax) {
    return false;
  }
  for (const char c : texte) {
    if (c < '0' || c > '9') {
      return false;
    }
  }
  zoom = std::stoi(texte);
  return zoom >= 1 && zoom <= kZoomDemarreMax;
}

// Degrees-minutes-seconds text within ±limite; 0 when refused.
double Coordonnee(const std::string& texte, double limite) {
  const double valeur = DmsToDegrees(texte);
  return valeur >= -limite && valeur <= limite ? valeur : 0;
}

}  // namespace

std::variant<ValeursCarte, ErreurConfig> ValideCarte(const TextesCarte& textes) {
  static const std::string kLongitude = "La longitude est incorrecte";
  static const std::string kLatitude = "La latitude est incorrecte";
  ValeursCarte valeurs;
  const struct {
    const std::string& texte;
    double& valeur;
    double limite;
    const std::string& message;
    ChampConfig champ;
  } coordonnees[] = {
      {textes.lgCour, valeurs.lgCour, 180, kLongitude, ChampConfig::LgCour},
      {textes.ltCour, valeurs.ltCour, 90, kLatitude, ChampConfig::LtCour},
      {textes.lgCentre, valeurs.lgCentre, 180, kLongitude, ChampConfig::LgCentre},
      {textes.ltCentre, valeurs.ltCentre, 90, kLatitude, ChampConfig::LtCentre},
  };
  for (const auto& c : coordonnees) {
    c.valeur = Coordonnee(c.texte, c.limite);
    if (c.valeur == 0) {
      return ErreurConfig{c.message, c.champ};
    }
  }
  if (!ZoomValide(textes.zoom, valeurs.zoom)) {
    return ErreurConfig{"Le Zoom entré est incorrect", ChampConfig::Zoom};
  }
  return valeurs;
}

ValeursIni ValeursAEcrire(const Configuration& config) {
  return {
      {"LgCourant", LongitudeToText(config.LgCourant)},
      {"LtCourant", LatitudeToText(config.LtCourant)},
      {"ProtocoleGPS", "COM" + std::to_string(config.PortGPS) + ":" + ChaineReglages(config)},
      {"Interface", std::to_string(config.TypeInterface)},
      {"Trame", std::to_string(config.TypeTrame)},
      {"LgDemarre", LongitudeToText(config.LgDemarre)},
      {"LtDemarre", LatitudeToText(config.LtDemarre)},
      {"ZoomDemarre", std::to_string(config.ZoomDemarre)},
      {"CarteDemarre", config.CarteDemarre},
      {"RepertoireLieu", config.RepertoireLieu},
  };
}

std::string ReecritConfiguration(std::string_view contenu, const ValeursIni& valeurs) {
  std::vector<std::string> lignes;
  std::size_t debut = 0;
  while (debut < contenu.size()) {
    const std::size_t fin = contenu.find('\n', debut);
    const std::size_t bout = fin == std::string_view::npos ? contenu.size() : fin + 1;
    lignes.emplace_back(contenu.substr(debut, bout - debut));
    debut = bout;
  }
  const bool crlf = !lignes.empty() && lignes.front().ends_with("\r\n");
  const std::string finDeLigne = crlf ? "\r\n" : "\n";
  if (!lignes.empty() && !lignes.back().ends_with('\n')) {
    lignes.back() += finDeLigne;  // the file's last line gets its end, so additions start on a line of their own
  }
  std::string sortie;
  std::vector<bool> ecrite(valeurs.size(), false);
  for (std::string& ligne : lignes) {
    // The line as start-up reads it: without its "\n" and one "\r" before it.
    std::size_t finTexte = ligne.ends_with('\n') ? ligne.size() - 1 : ligne.size();
    if (finTexte > 0 && ligne[finTexte - 1] == '\r') {
      --finTexte;
    }
    const std::string_view texte = std::string_view(ligne).substr(0, finTexte);
    for (std::size_t i = 0; i < valeurs.size(); ++i) {
      const std::string& cle = valeurs[i].first;
      if (ecrite[i] || texte.size() < cle.size() || UpperText(texte.substr(0, cle.size())) != UpperText(cle)) {
        continue;
      }
      // The first line of a key is the one start-up reads: the same prefix test.
      const std::string separateur = texte.size() > cle.size() ? std::string(1, texte[cle.size()]) : "=";
      ligne = std::string(texte.substr(0, cle.size())) + separateur + valeurs[i].second + ligne.substr(finTexte);
      ecrite[i] = true;
      break;
    }
    sortie += ligne;
  }
  for (std::size_t i = 0; i < valeurs.size(); ++i) {
    if (!ecrite[i]) {
      sortie += valeurs[i].first + "=" + valeurs[i].second + finDeLigne;
    }
  }
  return sortie;
}

int SauveConfiguration(const std::filesystem::path& fichier, const ValeursIni& valeurs) {
  std::error_code erreur;
  const auto etat = std::filesystem::status(fichier, erreur);
  // Renaming would replace a read-only file: its write bits are asked first.
  if (!erreur && (etat.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none) {
    return EACCES;
  }
  std::ifstream entree(fichier, std::ios::binary);
  const std::string contenu((std::istreambuf_iterator<char>(entree)), std::istreambuf_iterator<char>());
  return WriteFileAtomically(fichier, ReecritConfiguration(contenu, valeurs));
}

}  // namespace orvex
