#pragma once
// The channel table "canaux.dat": one "name,frequency" line per channel, so
// that a relay file may name a channel instead of a frequency.
#include <filesystem>
#include <string>
#include <string_view>

#include "database/tables.h"

namespace orvex {

inline constexpr std::string_view kNomFichierCanaux = "canaux.dat";

// Fills `table` from the file (upper-cased, names and frequencies cut to
// kLongueurCanal bytes, entries beyond the file empty). 0 when read, else the
// system's error number and the table unchanged.
int LitCanaux(const std::filesystem::path& file, TTableCanaux& table);

// The frequency of the channel named `text` (any case), or `text` unchanged
// when no channel has that name. An empty text names no channel.
std::string FrequenceDuCanal(const TTableCanaux& table, std::string_view text);

}  // namespace orvex
