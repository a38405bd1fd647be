#pragma once
// Structure files, blocks of: a colour line (integer), a name line, then
// "latitude,longitude" point lines in decimal degrees.
#include <filesystem>
#include <string_view>

#include "database/tables.h"
#include "platform/progress.h"

namespace orvex {

// Appends the file as the table's next entry, named `nomFichier`. 0 when read,
// else the system's error number and the table unchanged. A colour line that
// is not an integer keeps its leading integer (or 0) and is reported through
// `avertissement` when given.
int CompileStructures(const std::filesystem::path& file, std::string_view nomFichier, TTableStructures& table,
                      const ProgressSink& avertissement = {});

// Writes the structures of one file entry to `file` with its comment header,
// in the form read above, atomically: 0, or the system's error number (the old
// file then stays whole). A name the reader would take for a comment or a
// blank line (empty, or starting with "/") is written after a space.
int EcritStructures(const std::filesystem::path& file, const TFichierLieux<TStructure>& fichier);

// The warning line for such a colour line (names and texts are Windows-1252).
std::string AvertissementCouleur(std::string_view nomFichier, std::string_view ligne, std::string_view nom,
                                 std::int32_t couleur);

}  // namespace orvex
