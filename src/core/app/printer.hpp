#pragma once
// The printer as the core sees it: the print dialog, a text print job, and the same page laid
// out as a PDF file. The desktop program implements it with Qt; tests record what was printed.
// Every line is cp932.

#include <filesystem>
#include <string>
#include <vector>

namespace korvane {

class Printer {
 public:
  virtual ~Printer() = default;
  // The print dialog (printer choice and confirmation): false on キャンセル, and after its own
  // warning when no printer is installed.
  virtual bool choosePrinter() = 0;
  // One print job on the chosen printer: the lines in order, in the fixed-pitch font of the
  // lists at 12 points, a page break never cutting a line. False when the job failed.
  virtual bool printLines(const std::vector<std::string>& lines) = 0;
  // The lines laid out exactly as printed, as a PDF file. The file is replaced only by a complete
  // document: false when it could not be written, and then the old file stays as it was.
  virtual bool savePdf(const std::filesystem::path& file,
                       const std::vector<std::string>& lines) = 0;
};

}  // namespace korvane
