// The directive interpreter over a small region tree made once per process:
// each input replaces one of its files, names one more entry of one of its
// directories, or is run as a directive from the region directory. Names and
// directive texts lose their path separators, so that the run stays inside
// the tree.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "database/channel_file.h"
#include "database/region_interpretation.h"
#include "place_lines.h"
#include "scratch_file.h"
#include "terrain/dalles.h"

namespace {

struct TreeFile {
  const char* path;  // below the base directory
  const char* contents;
};

constexpr std::array<TreeFile, 8> kFiles = {{
    {"lieux/Lux/contours/LUX.DAT", "/ Luxembourg\n49.45,6.10\n49.90,6.20\n50.18,6.03\n"},
    {"lieux/Lux/Villes/villes.dat", "49.61,6.13,Luxembourg,0,0,200\n49.50,5.98,Esch\n"},
    {"lieux/Lux/struct/routes.dat", "4\nA1\n49.61,6.13\n49.63,6.30\n2\nN7\n49.61,6.13\n49.90,6.08\n"},
    {"lieux/Lux/niveaux/courbes.dat", "3\n300\n49.6,6.1\n49.7,6.1\n49.7,6.2\n2\n400\n49.8,6.0\n49.8,6.1\n"},
    {"lieux/Lux/Dalles/dalles.dat", ""},
    {"lieux/Lux/OM/om.dat", "49.60,6.12,LX1AB,310\n"},
    {"relais/relais.dat", "LX0RU,JN39BO,Luxembourg,145.6625,R1,\n"},
    {"canaux.dat", "/ canal, frequence\nR1,145.6250\nR2,145.6375\n"},
}};
constexpr std::size_t kDallesFile = 4;
constexpr std::size_t kCanauxFile = 7;

constexpr std::array<const char*, 7> kDirectories = {
    "lieux/Lux", "lieux/Lux/contours", "lieux/Lux/Villes", "lieux/Lux/struct",
    "lieux/Lux/niveaux", "lieux/Lux/OM", "relais"};

constexpr std::size_t kLongestName = 200;
constexpr std::int32_t kLastMode = orvex::kModeFIL + 1;

enum class Action { ReplaceFile, AddEntry, RunDirective, kMaxValue = RunDirective };

class SilentDialogs : public orvex::Dialogs {
 public:
  void Message(orvex::MessageKind, const std::string&) override {}
  orvex::Answer Ask(const std::string&, bool) override { return orvex::Answer::No; }
  std::optional<std::string> OpenFileName(const orvex::FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> SaveFileName(const orvex::FileDialogRequest&) override { return std::nullopt; }
  void Beep() override {}
};

// A 2 x 2 grid, so that the tile row has something to read.
std::string SmallDalles() {
  std::string bytes(220, '\0');
  bytes[0] = 2;
  bytes[2] = 2;
  bytes[4] = 16;
  bytes[6] = 16;
  return bytes + std::string("\x2c\x01\x2d\x01\x2e\x01\x2f\x01", 8);
}

std::string Original(std::size_t file) { return file == kDallesFile ? SmallDalles() : kFiles[file].contents; }

const std::filesystem::path& Base() {
  static const orvex::fuzz::ScratchFile tree("region");
  static const bool made = [] {
    for (std::size_t i = 0; i < kFiles.size(); ++i) {
      const std::filesystem::path file = tree.path() / kFiles[i].path;
      std::filesystem::create_directories(file.parent_path());
      orvex::fuzz::WriteBytes(file, Original(i));
    }
    return true;
  }();
  static_cast<void>(made);
  return tree.path();
}

std::string WithoutSeparators(std::string text) {
  std::erase_if(text, [](char c) { return c == '/' || c == '\\' || c == '\0'; });
  return text;
}

struct Run {
  orvex::PlaceTables tables;
  SilentDialogs dialogs;
  orvex::TDalle dalle;
  orvex::Interpretation context{tables, dialogs};

  Run() {
    context.progress = [](const std::string&) {};
    context.lireDalles = [this](const std::filesystem::path& file) { return orvex::LitDalles(file, dalle); };
  }

  void Everything() {
    orvex::InterpreteBase(context, Base() / "lieux" / "Lux");
    orvex::InterpreteRelais(context, Base());
    orvex::LitCanaux(Base() / kFiles[kCanauxFile].path, tables.TableCanaux);
    orvex::fuzz::Require(tables.TableRelais.size() <= static_cast<std::size_t>(orvex::kMaxRelais));
  }

  void Directive(std::int32_t mode, const std::string& text) {
    context.currentDirectory = Base() / "lieux" / "Lux";
    std::string argument;
    orvex::InterpreteDirective(context, mode, text, argument);
  }
};

void ReplaceFile(FuzzedDataProvider& input) {
  const std::size_t file = input.ConsumeIntegralInRange<std::size_t>(0, kFiles.size() - 1);
  const std::filesystem::path path = Base() / kFiles[file].path;
  orvex::fuzz::WriteBytes(path, input.ConsumeRemainingBytesAsString());
  Run().Everything();
  orvex::fuzz::WriteBytes(path, Original(file));
}

void AddEntry(FuzzedDataProvider& input) {
  const char* directory = kDirectories[input.ConsumeIntegralInRange<std::size_t>(0, kDirectories.size() - 1)];
  const std::string name = WithoutSeparators(input.ConsumeRandomLengthString(kLongestName));
  if (name.empty() || name == "." || name == "..") {
    return;
  }
  const std::filesystem::path path = Base() / directory / name;
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    return;  // one of the tree's own entries
  }
  orvex::fuzz::WriteBytes(path, input.ConsumeRemainingBytesAsString());
  Run().Everything();
  std::filesystem::remove(path, ec);
}

void RunDirective(FuzzedDataProvider& input) {
  const std::int32_t mode = input.ConsumeIntegralInRange<std::int32_t>(0, kLastMode);
  Run().Directive(mode, WithoutSeparators(input.ConsumeRemainingBytesAsString()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  switch (input.ConsumeEnum<Action>()) {
    case Action::ReplaceFile:
      ReplaceFile(input);
      break;
    case Action::AddEntry:
      AddEntry(input);
      break;
    case Action::RunDirective:
      RunDirective(input);
      break;
  }
  return 0;
}
