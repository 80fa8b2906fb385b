#pragma once
// The printer of a test: answers the print dialog from a flag, records every job and PDF file,
// and fails when told to.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/app/printer.hpp"

namespace korvane::testing {

class RecordingPrinter : public Printer {
 public:
  bool printerChosen = true;  // the print dialog's answer: 印刷 or キャンセル
  bool failJobs = false;
  bool failPdf = false;

  int dialogs = 0;
  std::vector<std::vector<std::string>> jobs;
  std::vector<std::pair<std::filesystem::path, std::vector<std::string>>> pdfs;

  bool choosePrinter() override {
    ++dialogs;
    return printerChosen;
  }
  bool printLines(const std::vector<std::string>& lines) override {
    if (failJobs) return false;
    jobs.push_back(lines);
    return true;
  }
  bool savePdf(const std::filesystem::path& file, const std::vector<std::string>& lines) override {
    if (failPdf) return false;
    pdfs.emplace_back(file, lines);
    return true;
  }
};

}  // namespace korvane::testing
