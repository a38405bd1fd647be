#include "database/region_interpretation.h"

#include <array>
#include <string>

#include "platform/paths.h"

namespace orvex {
namespace {

struct Categorie {
  std::string_view directiveRepertoire;
  std::int32_t modeRepertoire;
  std::string_view labelRepertoire;
  std::string_view directiveFichiers;
  std::int32_t mode;
  std::string_view labelFichiers;
};

constexpr std::array<Categorie, 7> kCategories = {{
    {"{incdir contours}", kModeRepertoire, "Répertoire contours", DirectiveContours, kModeContours,
     "Fichier de contours"},
    {"{IncDir villes}", kModeRepertoire, "Répertoire villes", DirectiveVilles, kModeVilles, "fichier villes"},
    {"{Incdir struct}", kModeRepertoire, "répertoire structures", DirectiveStructures, kModeStructures,
     "fichier structures"},
    {"{Incdir niveaux}", kModeRepertoire, "Répertoire niveaux", DirectiveNiveaux, kModeNiveaux, "fichier niveaux"},
    {"{Incdir Dalles}", kModeRepertoire, "Répertoire niveaux", DirectiveDalles, kModeDalles, "fichier niveaux"},
    {"{Incdir Dalles}", kModeRepertoire, "Répertoire dalle FIL ", DirectiveFIL, kModeFIL, "Fichiers niveaux FIL "},
    {"{incdir OM}", kModeOM, "Répertoire OM", DirectiveOM, kModeOM, "fichier OM"},
}};

constexpr std::string_view kLigneLectureFIL = "fichier niveaux fil ...";

void Ajoute(const Interpretation& context, const std::string& line) {
  if (context.progress) {
    context.progress(line);
  }
}

void ViderTables(PlaceTables& tables) {
  tables.TableNiveaux.Fichiers.clear();
  tables.TableStructures.Fichiers.clear();
  tables.TableVilles.Fichiers.clear();
  tables.TableOM.Fichiers.clear();
  tables.TableContours.Fichiers.clear();
}

bool LecteurPresent(const Interpretation& context, std::int32_t mode) {
  switch (mode) {
    case kModeDalles:
      return static_cast<bool>(context.lireDalles);
    case kModeFIL:
      return static_cast<bool>(context.importeFil);
    default:
      return true;
  }
}

void LitFichiers(Interpretation& context, const Categorie& categorie) {
  std::string argument;
  if (categorie.mode != kModeFIL) {
    InterpreteDirective(context, categorie.mode, categorie.directiveFichiers, argument);
    return;
  }
  Ajoute(context, std::string(kLigneLectureFIL));  // shown only while the grids are read
  InterpreteDirective(context, categorie.mode, categorie.directiveFichiers, argument);
  if (context.removeLastLine) {
    context.removeLastLine();
  }
}

void InterpreteCategorie(Interpretation& context, const Categorie& categorie) {
  std::string argument;
  InterpreteDirective(context, categorie.modeRepertoire, categorie.directiveRepertoire, argument);
  RapportCompilation(context.progress, categorie.labelRepertoire, context.IoStatus);
  if (context.IoStatus != kIoOk || !LecteurPresent(context, categorie.mode)) {
    return;
  }
  LitFichiers(context, categorie);
  RapportCompilation(context.progress, categorie.labelFichiers, context.IoStatus);
}

}  // namespace

void RapportCompilation(const ProgressSink& progress, std::string_view label, std::int32_t code) {
  if (!progress) {
    return;
  }
  std::string line(label);
  if (code == kIoOk) {
    line += " compilé";
  } else if (code == kIoAbsent) {
    line += " absent";
  } else {
    line += " : erreur " + std::to_string(code);
  }
  progress(line);
}

std::string MessageRegionAbsente(const std::filesystem::path& region, std::int32_t code) {
  std::string text = "Erreur de changement de répertoire " + PathText(region);
  if (code == kIoAbsent) {
    text += ". Ce répertoire n'existe pas.";
  }
  return text + " Veuillez corriger le fichier ORVEX.INI à la variable \"RepertoireLieu\"";
}

ResultatInterpretation InterpreteBase(Interpretation& context, const std::filesystem::path& region) {
  ViderTables(context.tables);
  context.IoStatus =
      ChangeRepertoire(context, ResolvePath(region.root_path(), region.relative_path().generic_string()));
  if (context.IoStatus != kIoOk) {
    if (context.closeStartupWindow) {
      context.closeStartupWindow();
    }
    context.dialogs.Message(MessageKind::Error, MessageRegionAbsente(region, context.IoStatus));
    return {context.IoStatus, true};
  }
  const std::filesystem::path repertoireRegion = context.currentDirectory;
  Ajoute(context, "Début de l'interprétation des fichiers database");
  Ajoute(context, "Répertoire " + PathText(region));
  for (std::size_t i = 0; i < kCategories.size(); ++i) {
    InterpreteCategorie(context, kCategories[i]);
    if (i + 1 < kCategories.size()) {
      context.currentDirectory = repertoireRegion;
    }
  }
  return {context.IoStatus, false};
}

std::int32_t InterpreteRelais(Interpretation& context, const std::filesystem::path& repertoireBase) {
  std::string argument;
  context.currentDirectory = repertoireBase;
  InterpreteDirective(context, kModeRelais, "{incdir relais}", argument);
  if (context.IoStatus != kIoOk) {
    return context.IoStatus;
  }
  context.tables.TableRelais.clear();
  InterpreteDirective(context, kModeRelais, DirectiveRelais, argument);
  if (context.IoStatus != kIoOk) {
    return context.IoStatus;
  }
  Ajoute(context, "Fichier des relais compilé");
  return kIoOk;
}

}  // namespace orvex
