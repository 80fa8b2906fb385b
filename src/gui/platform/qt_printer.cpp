#include "gui/platform/qt_printer.hpp"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QSaveFile>

#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"

namespace korvane::gui {

namespace {

// Paper and margins of every printed page and PDF file.
QPageLayout pageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                     QPageLayout::Millimeter);
}

}  // namespace

bool paintLines(QPagedPaintDevice& device, const std::vector<std::string>& lines) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QFont font = fixedFont(kPrintPointSize);
  painter.setFont(font);
  const QFontMetrics metrics(font, &device);
  const int lineHeight = metrics.lineSpacing();
  // The painter's origin is the top left corner inside the margins; the height is what lies
  // between the margins.
  const int pageHeight = device.height();
  int y = 0;
  for (const std::string& line : lines) {
    if (y > 0 && y + lineHeight > pageHeight) {
      if (!device.newPage()) return false;
      y = 0;
    }
    painter.drawText(0, y + metrics.ascent(), toQt(line));
    y += lineHeight;
  }
  return painter.end();
}

QtPrinter::QtPrinter(QWidget* owner) : owner_(owner), printer_(QPrinter::HighResolution) {
  printer_.setPageLayout(pageLayout());
}

QtPrinter::~QtPrinter() = default;

bool QtPrinter::choosePrinter() {
  if (!dialog_) dialog_ = std::make_unique<QPrintDialog>(&printer_, owner_);
  return dialog_->exec() == QDialog::Accepted;
}

bool QtPrinter::printLines(const std::vector<std::string>& lines) {
  return paintLines(printer_, lines);
}

bool QtPrinter::savePdf(const std::filesystem::path& file, const std::vector<std::string>& lines) {
  // The document goes to a temporary file beside the target, which replaces the target only
  // once complete.
  QSaveFile out(pathToQt(file));
  if (!out.open(QIODevice::WriteOnly)) return false;
  {
    QPdfWriter writer(&out);
    writer.setPageLayout(pageLayout());
    writer.setCreator(QStringLiteral("コルバン"));
    if (!paintLines(writer, lines)) {
      out.cancelWriting();
      return false;
    }
  }
  return out.commit();
}

}  // namespace korvane::gui
