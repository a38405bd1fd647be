#include "terrain/lecteur_parallele.h"

#include <algorithm>
#include <new>
#include <system_error>

namespace orvex {
namespace {

// Large enough that handing a part over costs nothing next to reading it,
// small enough that a part and its values stay in the cache.
constexpr std::size_t kOctetsParPartie = 1 << 20;

// Each part ends at a separator, so that no value is cut in two.
std::vector<std::string_view> Coupe(std::string_view texte, std::size_t octetsParPartie) {
  std::vector<std::string_view> parties;
  std::size_t debut = 0;
  do {
    std::size_t fin = std::min(texte.size(), debut + std::max<std::size_t>(octetsParPartie, 1));
    while (fin < texte.size() && !Separateur(texte[fin])) {
      ++fin;
    }
    parties.push_back(texte.substr(debut, fin - debut));
    debut = fin;
  } while (debut < texte.size());
  return parties;
}

}  // namespace

LecteurParallele::LecteurParallele(std::string_view texte, std::int32_t colonnes, std::int64_t total,
                                   LecteurTexte::Options options, std::size_t octetsParPartie)
    : texte_(texte),
      colonnes_(colonnes),
      total_(total),
      options_(options),
      parties_(Coupe(texte, octetsParPartie)) {
  lecteur_.emplace(parties_.front(), colonnes_, total_, options_);
  if (parties_.size() < 2) {
    return;
  }
  try {
    second_ = std::jthread([this](const std::stop_token& stop) { LitEnAvance(stop); });
  } catch (const std::system_error&) {
    lecteur_.emplace(texte_, colonnes_, total_, options_);  // no second thread: all of it here
    resteDuTexte_ = true;
  }
}

// The second thread: every odd part in turn, each into the buffer the caller
// has given back.
void LecteurParallele::LitEnAvance(const std::stop_token& stop) {
  for (std::size_t k = 1; k < parties_.size(); k += 2) {
    Avance& tampon = TamponDe(k);
    {
      std::unique_lock verrou(verrou_);
      if (!signal_.wait(verrou, stop, [&tampon] { return !tampon.pret; })) {
        return;
      }
    }
    LecteurTexte lecteur(parties_[k], colonnes_, total_, options_);
    std::string erreur;
    std::size_t nombre = 0;
    const char* arret = nullptr;
    try {
      // A value takes at least one byte and a separator.
      const std::size_t borne = (parties_[k].size() + 1) / 2;
      if (tampon.valeurs.size() < borne) {
        tampon.valeurs.resize(borne);
      }
      nombre = lecteur.Lit(std::span(tampon.valeurs).first(borne), erreur);
      if (!erreur.empty()) {
        arret = lecteur.Courant();
      }
    } catch (const std::bad_alloc&) {
      arret = parties_[k].data();
    }
    {
      const std::lock_guard verrou(verrou_);
      tampon.nombre = nombre;
      tampon.arret = arret;
      tampon.pret = true;
    }
    signal_.notify_all();
    if (arret != nullptr) {
      return;
    }
  }
}

// The current part has nothing more: on to the next one, or to the rest of
// the text from where the second thread stopped short. False at the end.
bool LecteurParallele::PartieSuivante() {
  if (avance_ != nullptr) {
    const char* arret = avance_->arret;
    {
      const std::lock_guard verrou(verrou_);
      avance_->pret = false;
    }
    signal_.notify_all();
    avance_ = nullptr;
    if (arret != nullptr) {
      second_.request_stop();
      lecteur_.emplace(texte_.substr(static_cast<std::size_t>(arret - texte_.data())), colonnes_, total_, options_,
                       livrees_);
      resteDuTexte_ = true;
      return true;
    }
  }
  if (resteDuTexte_ || partie_ + 1 == parties_.size()) {
    return false;
  }
  ++partie_;
  if (partie_ % 2 == 0) {
    lecteur_.emplace(parties_[partie_], colonnes_, total_, options_, livrees_);
    return true;
  }
  Avance& tampon = TamponDe(partie_);
  std::unique_lock verrou(verrou_);
  signal_.wait(verrou, [&tampon] { return tampon.pret; });
  avance_ = &tampon;
  pris_ = 0;
  return true;
}

bool LecteurParallele::LitLigne(std::span<std::int32_t> valeurs, std::string& erreur) {
  std::size_t faites = 0;
  while (faites < valeurs.size()) {
    const std::span<std::int32_t> reste = valeurs.subspan(faites);
    std::size_t lues = 0;
    if (avance_ != nullptr) {
      lues = std::min(reste.size(), avance_->nombre - pris_);
      std::copy_n(avance_->valeurs.begin() + static_cast<std::ptrdiff_t>(pris_), lues, reste.begin());
      pris_ += lues;
    } else {
      lues = lecteur_->Lit(reste, erreur);
      if (!erreur.empty()) {
        return false;
      }
    }
    faites += lues;
    livrees_ += static_cast<std::int64_t>(lues);
    if (lues < reste.size() && !PartieSuivante()) {
      erreur = FichierIncomplet(livrees_, total_);
      return false;
    }
  }
  return true;
}

LecteurLigne LecteurDeTexte(std::string_view texte, std::int32_t colonnes, std::int64_t total,
                            LecteurTexte::Options options) {
  if (std::thread::hardware_concurrency() >= 2 && texte.size() >= 2 * kOctetsParPartie) {
    try {
      auto lecteur = std::make_shared<LecteurParallele>(texte, colonnes, total, options, kOctetsParPartie);
      return [lecteur](std::span<std::int32_t> ligne, std::string& erreur) { return lecteur->LitLigne(ligne, erreur); };
    } catch (const std::bad_alloc&) {
      // Read on this thread alone.
    }
  }
  return [lecteur = LecteurTexte(texte, colonnes, total, options)](std::span<std::int32_t> ligne,
                                                                   std::string& erreur) mutable {
    return lecteur.LitLigne(ligne, erreur);
  };
}

}  // namespace orvex
