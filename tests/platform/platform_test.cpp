#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/cp1252.h"
#include "platform/directory_listing.h"
#include "platform/paths.h"
#include "platform/ui/qt_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using TextPair = std::pair<std::string_view, std::string_view>;

TEST(Cp1252, ConvertsBothWaysAndMarksWhatItCannotHold) {
  std::string high;  // 0x80..0x9F (typographic signs and unassigned bytes) and the accented letters
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    high += static_cast<char>(byte);
  }
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(high)), high);
  const TextPair pairs[] = {
      {"Chamb\xE9ry \xC0 l'\xEE" "le", "Chambéry À l'île"}, {"\xE7\xF4\xFF\xB0", "çôÿ°"},
      {"\x80\x85\x8C\x92\x9C\x9F", "€…Œ’œŸ"}, {"\x81\x9D", "\xC2\x81\xC2\x9D"},  // unassigned: C1 controls
  };
  for (const auto& [cp1252, utf8] : pairs) {
    EXPECT_EQ(Cp1252ToUtf8(cp1252), utf8);
    EXPECT_EQ(Utf8ToCp1252(utf8), cp1252) << utf8;
  }
  const TextPair unmappable[] = {
      {"a\xC4\x80z", "a?z"}, {"日本", "??"}, {"😀!", "?!"},  // outside Windows-1252
      {"a\x80z", "a?z"}, {"\xC3(", "?("}, {"\xE2\x82", "??"}, {"\xE9", "?"},  // invalid UTF-8
  };
  for (const auto& [utf8, cp1252] : unmappable) {
    EXPECT_EQ(Utf8ToCp1252(utf8), cp1252) << utf8;
  }
}

// Message boxes show their text as it is, markup included.
TEST(QtDialogs, MessagesArePlainText) {
  QtDialogs dialogs;
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), QStringLiteral("<b>Isère</b>"));
    box->accept();
  });
  dialogs.Message(MessageKind::Warning, "<b>Isère</b>");
}

TEST(Paths, ResolveEachComponentWithoutRegardToCase) {
  testing::TempDir dir;
  dir.Write("Dalles/Alpes.DAT", "");
  dir.MakeDir("DALLES");
  dir.MakeDir("lieux/Alpes");
  dir.MakeDir("lieux/Is\xC3\xA8re");  // UTF-8, as this platform names it
  dir.MakeDir("lieux/Vend\xE9" "e");   // raw Windows-1252, copied from old media
  // Names asked for are Windows-1252, as ORVEX.INI and the data files hold them.
  const TextPair cases[] = {
      {"lieux/IS\xC8RE", "lieux/Is\xC3\xA8re"},      {"lieux/Is\xE8re", "lieux/Is\xC3\xA8re"},
      {"LIEUX/vend\xC9" "E", "lieux/Vend\xE9" "e"},  {"lieux/Dr\xF4me", "lieux/Dr\xC3\xB4me"},  // missing: UTF-8
      {"Dalles/alpes.dat", "Dalles/Alpes.DAT"}, {"DALLES", "DALLES"},  // an exact match wins
      {"LIEUX/alpes", "lieux/Alpes"},           {"lieux\\ALPES\\", "lieux/Alpes"},
      {"lieux\\ALPES\\Absent\\F.txt", "lieux/Alpes/Absent/F.txt"},  // missing components kept as written
      {"./lieux/../LIEUX", "lieux"},
  };
  for (const auto& [relative, expected] : cases) {
    EXPECT_EQ(ResolvePath(dir.path(), relative), dir.path() / expected) << relative;
  }
  const TextPair entries[] = {{"Dalles", "Dalles"}, {"DALLES", "DALLES"}, {"Lieux", "lieux"}, {"absent", ""}};
  for (const auto& [name, entry] : entries) {
    EXPECT_EQ(FindEntry(dir.path(), name), entry) << name;
  }
  const std::string either = FindEntry(dir.path(), "dalles");
  EXPECT_TRUE(either == "Dalles" || either == "DALLES") << either;
  EXPECT_EQ(PathText(std::filesystem::path("/lieux/Vend\xE9" "e/Is\xC3\xA8re")), "/lieux/Vendée/Isère");
}

TEST(ListeRepertoire, DotEntriesFirstHiddenLeftOutAttributesAndLimit) {
  testing::TempDir dir;
  dir.Write("a.txt", "");
  dir.Write(".hidden", "");
  dir.MakeDir(".git");
  dir.MakeDir("Sub");
  std::vector<DirectoryEntry> entries = ListeRepertoire(dir.path());
  ASSERT_EQ(entries.size(), 4u);
  std::vector<std::pair<std::string, std::uint32_t>> listed;
  for (const DirectoryEntry& entry : entries) {
    listed.emplace_back(entry.name, entry.attributes);
  }
  std::sort(listed.begin() + 2, listed.end());
  EXPECT_EQ(listed, (decltype(listed){{".", FaDirectory}, {"..", FaDirectory}, {"Sub", FaDirectory},
                                      {"a.txt", FaArchive}}));
  for (int i = 0; i < 500; ++i) {
    dir.Write("f" + std::to_string(i), "");
  }
  EXPECT_EQ(ListeRepertoire(dir.path()).size(), kMaxListedEntries);
  EXPECT_EQ(ListeRepertoire(dir.path() / "absent").size(), 0u);
}

}  // namespace
}  // namespace orvex
