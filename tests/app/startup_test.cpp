// Start-up in-process: the real main window over a directory written by the
// test, with scripted dialogs recording every message.
#include <gtest/gtest.h>

#include "app/ui/form_princ.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::ScriptedDialogs;
using testing::TempDir;

std::string ConfigurationText(const std::string& serialLine = "ProtocoleGPS=COM1:4800,N,8,1") {
  return "LgCourant=6.1\r\nLtCourant=49.6\r\n" + serialLine +
         "\r\nInterface=3\r\nTrame=1\r\nPeriodeGPS=2\r\nCanaux=3\r\nLgDemarre=6.1\r\nLtDemarre=49.6\r\n"
         "ZoomDemarre=600\r\nCarteDemarre=X\r\nRepertoireLieu=Test\r\n";
}

TEST(Startup, MissingConfigurationFileEndsTheProgram) {
  TempDir dir;
  ScriptedDialogs dialogs;
  TFormPrinc form(dialogs, dir.path());
  EXPECT_FALSE(form.FormCreate());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(dialogs.messages[0].text, "Erreur sur le fichier ORVEX.INI");
}

TEST(Startup, StartedFromAnotherDirectoryDoesNotFindTheFile) {
  TempDir dir;
  dir.Write("ORVEX.INI", ConfigurationText());
  ScriptedDialogs dialogs;
  TFormPrinc form(dialogs, dir.MakeDir("elsewhere"));
  EXPECT_FALSE(form.FormCreate());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Erreur sur le fichier ORVEX.INI");
}

TEST(Startup, BadValueShowsTheFailureExitWithWhatRemains) {
  TempDir dir;
  dir.Write("ORVEX.INI", ConfigurationText("ProtocoleGPS=COM1:4800,Z,8,1"));
  ScriptedDialogs dialogs;
  TFormPrinc form(dialogs, dir.path());
  EXPECT_FALSE(form.FormCreate());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs.messages[0].text, "Erreur dans le fichier ORVEX.INI ligne 0 ; trouvé Z,8,1");
}

}  // namespace
}  // namespace orvex
