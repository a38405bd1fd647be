// Printing a picture: to a PDF file named by the user when no printer is
// installed, through the print dialog otherwise; a PDF is written whole.
#include <QImage>
#include <QPrinter>

#include <gtest/gtest.h>

#include "platform/ui/print_image.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

TEST(PrintImage, PdfWhenNoPrinterThroughTheDialogOtherwise) {
  QImage image(585, 113, QImage::Format_RGB32);
  image.fill(Qt::white);
  struct Case {
    const char* what;
    bool printerInstalled;
    bool fileChosen;    // the save dialog gives a name
    bool printerChosen; // the print dialog is accepted, printing to a PDF file
    PrintOutcome outcome;
  };
  const Case cases[] = {
      {"no printer, file named", false, true, false, PrintOutcome::Printed},
      {"no printer, save dialog cancelled", false, false, false, PrintOutcome::Cancelled},
      {"printer, PDF chosen in the print dialog", true, false, true, PrintOutcome::Printed},
      {"printer, print dialog cancelled", true, false, false, PrintOutcome::Cancelled},
  };
  for (const Case& c : cases) {
    testing::TempDir dir;
    const std::string pdf = (dir.path() / "profil.pdf").string();
    testing::ScriptedDialogs dialogs;
    if (c.fileChosen) {
      dialogs.fileNames.push_back(pdf);
    }
    dialogs.printer = [&](QPrinter& printer) {
      printer.setOutputFileName(QString::fromStdString(pdf));
      return c.printerChosen;
    };
    EXPECT_EQ(PrintImage(dialogs, image, "Profil de niveau", c.printerInstalled), c.outcome) << c.what;
    const bool written = c.outcome == PrintOutcome::Printed;
    EXPECT_EQ(testing::ReadFile(pdf).starts_with("%PDF"), written) << c.what;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), written ? 1 : 0)
        << c.what << ": no temporary file left";
    EXPECT_EQ(dialogs.fileRequests.size(), c.printerInstalled ? 0u : 1u) << c.what;
    EXPECT_TRUE(dialogs.messages.empty()) << c.what;
  }
}

}  // namespace
}  // namespace orvex
