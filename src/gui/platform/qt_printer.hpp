#pragma once
// Printing a page with Qt: the print dialog (whose "Print to PDF" prints into a file), the lines
// laid out in the fixed-pitch font of the lists at 12 points, and the same layout saved straight
// into a PDF file.

#include <QPrinter>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/app/printer.hpp"

class QPagedPaintDevice;
class QPrintDialog;
class QWidget;

namespace korvane::gui {

// The point size of printed pages.
inline constexpr int kPrintPointSize = 12;

// Lays the lines (cp932) out on the device, top to bottom inside its margins, starting a new
// page before a line that would not fit whole. False when the device could not be painted on.
bool paintLines(QPagedPaintDevice& device, const std::vector<std::string>& lines);

class QtPrinter : public Printer {
 public:
  // The print dialog opens over `owner`; it is made once and offered again for the next print.
  explicit QtPrinter(QWidget* owner);
  ~QtPrinter() override;

  bool choosePrinter() override;
  bool printLines(const std::vector<std::string>& lines) override;
  bool savePdf(const std::filesystem::path& file, const std::vector<std::string>& lines) override;

 private:
  QWidget* owner_;
  QPrinter printer_;
  std::unique_ptr<QPrintDialog> dialog_;
};

}  // namespace korvane::gui
