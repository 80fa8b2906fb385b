// korvane-cli: the prediction pages and the benchmark from the command line.

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
         "        korvane-cli add-load データフォルダ レースファイル.uma...\n"
         "        korvane-cli check データフォルダ\n"
         "        korvane-cli bench [レース数]\n"
         "        korvane-cli --help | --version\n"
         "ファイルは、レースファイル（.uma）か、全競走馬.um0（全競走馬2.um0 "
         "などを同じフォルダに置く）"
         "です。\n";
}

void printHelp(std::ostream& out) {
  printUsage(out);
  out << "\n"
         "コマンド:\n"
         "  predict  予想を行い、予想結果表を出力します。\n"
         "  detail   予想結果詳細（過去の各走の評価と穴馬度）を出力します。\n"
         "  judge    総合判定結果（買い目）を出力します。--user で保存されたユーザー予想を使います。\n"
         "  marks    各展開の印と信頼度をタブ区切りで出力します。\n"
         "  add-load データフォルダの全競走馬ファイルにレースファイルの馬を追加読込して保存します。\n"
         "           １つでも読み込めなければ、何も保存しません。\n"
         "  check    データフォルダの全競走馬ファイルを読み込み（中断された保存は仕上げ）、頭数を出力します。\n"
         "  bench    生成したレースを予想し、シグネチャと１レースあたりの時間を出力します。\n"
         "\n"
         "オプション:\n"
         "  --csv              ＣＳＶ形式で出力します。\n"
         "  --development 展開  逃げ先行断然・逃げ先行有利・展開不問・差し追込有利・差し追込断然のどれかで予想します。\n"
         "  --kaime 0-3        買い目の表示: 0 ボックス、1 標準（既定）、2 軸１～２頭、3 常に１頭軸。\n"
         "  --symbols 印６つ    印に使う全角文字６つ（既定は ◎○▲△×注）。\n"
         "  --encoding 文字コード  utf-8（既定、LF）か cp932（ファイルと同じ、CR LF）。\n"
         "  --custom ファイル.umc  カスタム印の規則で印を付けます。\n"
         "  --no-odds          detail で単勝オッズ入力前の表示にします。\n"
         "  --user             judge でユーザー予想を使います。\n"
         "  --max 1-11         judge の馬連の買い目の上限（既定は７）。\n"
         "  --help             この説明を表示します。\n"
         "  --version          バージョンを表示します。\n"
         "\n"
         "終了ステータス: 0 正常、1 ファイルを読めない・予想できない、2 使い方の誤り。\n";
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
  if (args[0] == "add-load") return addLoadCommand(rest, std::cout, std::cerr);
  if (args[0] == "check") return checkCommand(rest, std::cout, std::cerr);
  if (args[0] == "bench") return benchCommand(rest, std::cout, std::cerr);
  if (args[0] == "--help" || args[0] == "-h") {
    printHelp(std::cout);
    return 0;
  }
  if (args[0] == "--version") {
    std::cout << "korvane-cli " KORVANE_VERSION "\n";
    return 0;
  }
  std::cerr << "korvane-cli: 「" << args[0] << "」というコマンドはありません。\n";
  printUsage(std::cerr);
  return kExitUsage;
}
