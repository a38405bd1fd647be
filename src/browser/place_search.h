#pragma once
// Finding places by a piece of their name: cities, radio amateurs and
// repeaters, for the record browser's search and for "Trouver un lieu".
// Texts are Windows-1252; the searched text is upper-cased by the caller
// (ASCII letters only: accented letters must be typed as they are written).
#include <optional>
#include <string_view>

#include "database/tables.h"

namespace orvex {

// FoundGroup and FoundRecord: file index and record index.
struct FoundPlace {
  int FoundGroup = -1;
  int FoundRecord = -1;
};

// The first city, in file and record order, whose upper-cased name holds
// `text`; nothing for an empty text.
std::optional<FoundPlace> FindCity(const TTableVilles& villes, std::string_view text);
// The same over the radio amateurs' call signs.
std::optional<FoundPlace> FindOm(const TTableOM& om, std::string_view text);

// The repeater browser's search from repeater `first` on: the first one whose
// upper-cased call sign, locator or name holds `text` or one of whose three
// frequencies (channel names resolved) equals it. `field` is the last field
// that matched, 0 = call sign .. 5 = third frequency.
struct RepeaterMatch {
  int index = 0;
  int field = 0;
};
std::optional<RepeaterMatch> FindRepeater(const PlaceTables& tables, std::string_view text, int first);

// The first repeater, in table order, whose upper-cased call sign or name
// holds `text`.
std::optional<int> FindRepeaterByName(const std::vector<TRelais>& relais, std::string_view text);

// Whether the repeater's first, else second, else third frequency text
// (channel names resolved) holds `text`.
bool RepeaterUsesFrequency(const TTableCanaux& canaux, const TRelais& relais, std::string_view text);

}  // namespace orvex
