#pragma once
// Prints a picture across the width of a page: through the system's print
// dialog when a printer is installed, else into a PDF file the user names.
// A PDF file, whichever way it was chosen, is written whole or not at all.
#include <QImage>

#include <string>

#include "platform/dialogs.h"

namespace orvex {

enum class PrintOutcome { Printed, Cancelled, Failed };

// Whether the system knows any printer.
bool PrinterInstalled();

// `title` names the document for the print queue and the PDF. Failures are
// told through `dialogs`.
PrintOutcome PrintImage(Dialogs& dialogs, const QImage& image, const std::string& title, bool printerInstalled);

}  // namespace orvex
