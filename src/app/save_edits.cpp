#include "app/save_edits.h"

#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "database/city_file.h"
#include "database/directive.h"
#include "database/level_curve_file.h"
#include "database/om_file.h"
#include "database/structure_file.h"
#include "platform/paths.h"

namespace orvex {
namespace {

// One edited table: its question, its directory under the region, and how a
// file entry is written.
template <typename T>
struct Sauvegarde {
  const char* sujet;      // the start of the question
  std::string_view directive;
  const char* repertoire;  // under the region
  bool creeRepertoire;     // only the level-curve directory is created when missing
  int (*ecrit)(const std::filesystem::path&, const TFichierLieux<T>&);
};

// The existing file an entry was read from (file names were upper-cased when
// read), or the entry's own name for a file new to this run.
std::filesystem::path FichierDeLEntree(const std::filesystem::path& repertoire, const std::string& nom) {
  const std::string existant = FindEntry(repertoire, nom);
  return repertoire / (existant.empty() ? nom : existant);
}

template <typename T>
void Sauve(const Sauvegarde<T>& sauvegarde, const TTableFichiers<T>& table, const std::filesystem::path& region,
           Dialogs& dialogs, std::vector<std::string>& nonEcrits) {
  const std::string question = std::string(sauvegarde.sujet) + " Voulez-vous sauvegarder les modifications ? (fichier " +
                               std::string(sauvegarde.directive) + ")";
  if (dialogs.Ask(question, false) != Answer::Yes) {
    return;
  }
  const std::filesystem::path repertoire = ResolvePath(region, sauvegarde.repertoire);
  std::error_code ec;
  if (sauvegarde.creeRepertoire && !std::filesystem::is_directory(repertoire, ec)) {
    std::filesystem::create_directories(repertoire, ec);
  }
  for (const TFichierLieux<T>& fichier : table.Fichiers) {
    const std::filesystem::path file = FichierDeLEntree(repertoire, fichier.NomFichier);
    // An entry emptied by the editing still empties its file; a new empty one makes none.
    if (fichier.Elements.empty() && !std::filesystem::exists(file, ec)) {
      continue;
    }
    if (sauvegarde.ecrit(file, fichier) != 0) {
      nonEcrits.push_back(PathText(file));
    }
  }
}

}  // namespace

void SauveModifications(const ProgramState& state, Dialogs& dialogs) {
  const PlaceTables& tables = state.tables;
  const std::filesystem::path& region = state.directories.RepertoireRegion;
  std::vector<std::string> nonEcrits;
  if (tables.ModifNiveaux) {
    Sauve<TCourbeNiveau>({"Les courbes de niveaux ont été modifiées.", DirectiveNiveaux, "niveaux", true, EcritNiveaux},
                         tables.TableNiveaux, region, dialogs, nonEcrits);
  }
  if (tables.ModifVilles) {
    Sauve<TVille>({"Les données des villes ont été modifiées.", DirectiveVilles, "villes", false, EcritVilles},
                  tables.TableVilles, region, dialogs, nonEcrits);
  }
  if (tables.ModifOM) {
    Sauve<TOM>({"Les données des OM ont été modifiées.", DirectiveOM, "OM", false, EcritOM}, tables.TableOM, region,
               dialogs, nonEcrits);
  }
  if (tables.ModifStructures) {
    Sauve<TStructure>({"Les données des structures ont été modifiées.", DirectiveStructures, "struct", false,
                       EcritStructures},
                      tables.TableStructures, region, dialogs, nonEcrits);
  }
  if (!nonEcrits.empty()) {
    std::string message = "Ces fichiers n'ont pu être écrits ; leur ancien contenu est conservé :";
    for (const std::string& file : nonEcrits) {
      message += "\n" + file;
    }
    dialogs.Message(MessageKind::Warning, message);
  }
}

void QuitteRegion(ProgramState& state, Dialogs& dialogs) {
  SauveModifications(state, dialogs);
  PlaceTables& tables = state.tables;
  tables.ModifNiveaux = tables.ModifVilles = tables.ModifStructures = tables.ModifOM = false;
}

void FermeProgramme(ProgramState& state, Dialogs& dialogs) {
  for (int channel = 0; channel < static_cast<int>(state.traces.TraceFiles.size()); ++channel) {
    CloseTraceFile(state.traces, channel);
  }
  SauveModifications(state, dialogs);
}

}  // namespace orvex
