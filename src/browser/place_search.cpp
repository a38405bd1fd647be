#include "browser/place_search.h"

#include "database/channel_file.h"
#include "geo/coordinate_text.h"

namespace orvex {
namespace {

bool Holds(std::string_view name, std::string_view text) { return UpperText(name).find(text) != std::string::npos; }

template <typename T, typename Name>
std::optional<FoundPlace> FindIn(const TTableFichiers<T>& table, std::string_view text, Name name) {
  if (text.empty()) {
    return std::nullopt;
  }
  for (int f = 0; f < table.NbFichiers(); ++f) {
    const auto& elements = table.Fichiers[f].Elements;
    for (int r = 0; r < static_cast<int>(elements.size()); ++r) {
      if (Holds(name(elements[r]), text)) {
        return FoundPlace{f, r};
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<FoundPlace> FindCity(const TTableVilles& villes, std::string_view text) {
  return FindIn(villes, text, [](const TVille& v) -> const std::string& { return v.Nom; });
}

std::optional<FoundPlace> FindOm(const TTableOM& om, std::string_view text) {
  return FindIn(om, text, [](const TOM& o) -> const std::string& { return o.Indicatif; });
}

std::optional<RepeaterMatch> FindRepeater(const PlaceTables& tables, std::string_view text, int first) {
  if (text.empty()) {
    return std::nullopt;
  }
  for (int i = std::max(first, 0); i < tables.NbRelais(); ++i) {
    const TRelais& r = tables.TableRelais[i];
    const bool matches[] = {
        Holds(r.Indicatif, text),
        Holds(r.QRA, text),
        Holds(r.Nom, text),
        FrequenceDuCanal(tables.TableCanaux, r.Frequence1) == text,
        FrequenceDuCanal(tables.TableCanaux, r.Frequence2) == text,
        FrequenceDuCanal(tables.TableCanaux, r.Frequence3) == text,
    };
    for (int field = 5; field >= 0; --field) {
      if (matches[field]) {
        return RepeaterMatch{i, field};
      }
    }
  }
  return std::nullopt;
}

std::optional<int> FindRepeaterByName(const std::vector<TRelais>& relais, std::string_view text) {
  for (int i = 0; i < static_cast<int>(relais.size()); ++i) {
    if (Holds(relais[i].Indicatif, text) || Holds(relais[i].Nom, text)) {
      return i;
    }
  }
  return std::nullopt;
}

bool RepeaterUsesFrequency(const TTableCanaux& canaux, const TRelais& relais, std::string_view text) {
  for (const std::string* frequency : {&relais.Frequence1, &relais.Frequence2, &relais.Frequence3}) {
    if (FrequenceDuCanal(canaux, *frequency).find(text) != std::string::npos) {
      return true;
    }
  }
  return false;
}

}  // namespace orvex
