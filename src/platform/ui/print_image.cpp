#include "platform/ui/print_image.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/atomic_file.h"
#include "platform/ui/qt_text.h"

namespace orvex {
namespace {

constexpr int kPdfResolution = 300;

// The picture at the top of the page, as wide as the printable area.
bool PaintPage(QPagedPaintDevice& device, const QImage& image) {
  QPainter painter;
  if (!painter.begin(&device)) {
    return false;
  }
  const QRect page = painter.viewport();
  const int height = image.width() > 0 ? page.width() * image.height() / image.width() : 0;
  painter.drawImage(QRect(page.left(), page.top(), page.width(), height), image);
  return painter.end();
}

PrintOutcome WritePdf(Dialogs& dialogs, const QImage& image, const std::string& title, const std::string& file,
                      const QPageLayout& layout) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(Utf8ToQString(title));
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(layout);
    if (!PaintPage(writer, image)) {
      dialogs.Message(MessageKind::Error, "Impossible d'imprimer dans " + file);
      return PrintOutcome::Failed;
    }
  }
  if (WriteFileAtomically(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))) != 0) {
    dialogs.Message(MessageKind::Error, "Impossible d'écrire le fichier " + file);
    return PrintOutcome::Failed;
  }
  return PrintOutcome::Printed;
}

}  // namespace

bool PrinterInstalled() { return !QPrinterInfo::availablePrinters().isEmpty(); }

PrintOutcome PrintImage(Dialogs& dialogs, const QImage& image, const std::string& title, bool printerInstalled) {
  const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
  if (!printerInstalled) {
    const std::optional<std::string> file = dialogs.SaveFileName({title, "PDF (*.pdf)", ""});
    return file ? WritePdf(dialogs, image, title, *file, a4) : PrintOutcome::Cancelled;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(Utf8ToQString(title));
  printer.setPageLayout(a4);
  if (!dialogs.ChoosePrinter(printer)) {
    return PrintOutcome::Cancelled;
  }
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    return WritePdf(dialogs, image, title, printer.outputFileName().toStdString(), printer.pageLayout());
  }
  if (!PaintPage(printer, image)) {
    dialogs.Message(MessageKind::Error, "Impossible d'imprimer sur " + printer.printerName().toStdString());
    return PrintOutcome::Failed;
  }
  return PrintOutcome::Printed;
}

}  // namespace orvex
