// The serial port at start-up: a missing or busy device gives the warning and
// start-up goes on; a free pseudo-terminal opens silently.
#include <gtest/gtest.h>

#include "app/ui/form_princ.h"
#include "support/pseudo_terminal.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::PseudoTerminal;
using testing::ScriptedDialogs;
using testing::TempDir;

TEST(StartupSerial, MissingOrBusyDeviceWarnsAndGoesOnAFreeOneOpens) {
  PseudoTerminal busy;
  TMSComm holder;
  ASSERT_EQ(OpenSerialPort(holder, 9, "4800,N,8,1"), kSerialPortUnavailable);  // COM9 has no device
  holder.SetDevicePath(1, busy.SlavePath());
  ASSERT_EQ(OpenSerialPort(holder, 1, "4800,N,8,1"), kSerialPortOk);
  PseudoTerminal free;
  for (const std::string& device : {std::string("/nonexistent/tty"), busy.SlavePath(), free.SlavePath()}) {
    SCOPED_TRACE(device);
    TempDir dir;
    dir.Write("ORVEX.INI", "PeripheriqueCOM1=" + device +
                               "\r\nProtocoleGPS=COM1:4800,N,8,1\r\nInterface=3\r\nTrame=1\r\nPeriodeGPS=2\r\n"
                               "Canaux=3\r\nLgDemarre=6.1\r\nLtDemarre=49.6\r\nZoomDemarre=600\r\n"
                               "CarteDemarre=X\r\nRepertoireLieu=r\r\n");
    dir.MakeDir("lieux/r");
    dir.MakeDir("relais");
    dir.Write("canaux.dat", "R1,145.6125\r\n");
    ScriptedDialogs dialogs;
    TFormPrinc form(dialogs, dir.path());
    ASSERT_TRUE(form.FormCreate());
    if (device == free.SlavePath()) {
      EXPECT_TRUE(dialogs.messages.empty());
      EXPECT_EQ(std::tuple(form.MSComm1.PortOpen(), form.MSComm1.CommPort(), form.MSComm1.Settings()),
                std::tuple(true, 1, "4800,N,8,1"));
      continue;
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs.messages[0].text,
              "Le port COM1 n'est pas disponible ou est déjà utilisé.vous devriez modifier le fichier de "
              "configuration " + dir.path().string() +
                  "/ORVEX.INI à la ligne \"protocoleGPS\".L'exécution du programme continue quand même mais la "
                  "ligne RS232 ne sera pas utilisable.");
    EXPECT_EQ(std::pair(dialogs.beeps, form.MSComm1.PortOpen()), std::pair(1, false));
  }
}

}  // namespace
}  // namespace orvex
