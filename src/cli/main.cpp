// korvane-cli: the prediction page and the benchmark from the command line.

#include <iostream>
#include <string_view>
#include <vector>

#include "commands.hpp"

namespace korvane::cli {

void printUsage(std::ostream& err) {
  err << "使い方: korvane-cli predict ファイル [--csv] [--development 展開] [--kaime 0-3]\n"
         "                            [--symbols 印６つ] [--encoding utf-8|cp932]\n"
         "                            [--custom ファイル.umc]\n"
         "        korvane-cli judge ファイル [--user] [--max 1-11] [predict の --csv "
         "以外のオプション]\n"
         "        korvane-cli detail ファイル [--no-odds] [predict のオプション]\n"
         "        korvane-cli marks ファイル [predict の --csv 以外のオプション]\n"
         "        korvane-cli bench [レース数]\n"
         "ファイルは、レースファイル（.uma）か、全競走馬.um0（全競走馬2.um0 "
         "などを同じフォルダに置く）"
         "です。\n";
}

}  // namespace korvane::cli

int main(int argc, char** argv) {
  using namespace korvane::cli;
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) {
    printUsage(std::cerr);
    return kExitUsage;
  }
  const std::vector<std::string_view> rest(args.begin() + 1, args.end());
  if (args[0] == "predict") return predictCommand(rest, std::cout, std::cerr);
  if (args[0] == "judge") return judgeCommand(rest, std::cout, std::cerr);
  if (args[0] == "detail") return detailCommand(rest, std::cout, std::cerr);
  if (args[0] == "marks") return marksCommand(rest, std::cout, std::cerr);
  if (args[0] == "bench") return benchCommand(rest, std::cout, std::cerr);
  if (args[0] == "--help" || args[0] == "-h") {
    printUsage(std::cout);
    return 0;
  }
  std::cerr << "korvane-cli: 「" << args[0] << "」というコマンドはありません。\n";
  printUsage(std::cerr);
  return kExitUsage;
}
