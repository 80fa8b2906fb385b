#include "card_options.hpp"

#include "core/database/race_card.hpp"
#include "core/text/encoding.hpp"
#include "core/text/sjis.hpp"

namespace korvane::cli {

namespace {

ParsedCard fail(std::string reason) {
  return ParsedCard{std::nullopt, std::move(reason)};
}

// The user's UTF-8 text in cp932, or nothing when cp932 has no code for some character.
std::optional<std::string> toCp932(std::string_view utf8) {
  Converted converted = utf8ToCp932(utf8);
  if (!converted.ok) return std::nullopt;
  return std::move(converted.text);
}

}  // namespace

ParsedCard parseCardOptions(const std::vector<std::string_view>& args, const ExtraFlag& extra) {
  CardOptions options;
  bool haveFile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const TakeValue value = [&]() -> std::optional<std::string_view> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (extra) {
      if (const auto handled = extra(arg, value)) {
        if (!handled->empty()) return fail(*handled);
        continue;
      }
    }
    if (arg == "--csv") {
      options.csv = true;
    } else if (arg == "--development") {
      const auto text = value();
      if (!text) return fail("--development のあとに展開を指定して下さい。");
      const auto cp932 = toCp932(*text);
      if (!cp932) return fail("--development の展開に、Shift-JIS で表せない文字があります。");
      bool known = false;
      for (const auto& d : developments()) known = known || d == *cp932;
      if (!known) {
        return fail(
            "--development の展開は、逃げ先行断然・逃げ先行有利・展開不問・差し追込有利・"
            "差し追込断然のどれかです。");
      }
      options.development = *cp932;
    } else if (arg == "--kaime") {
      const auto text = value();
      if (!text || text->size() != 1 || (*text)[0] < '0' || (*text)[0] > '3') {
        return fail("--kaime は 0, 1, 2, 3 のどれかです。");
      }
      options.kaime = static_cast<BetDisplay>((*text)[0] - '0');
    } else if (arg == "--symbols") {
      const auto text = value();
      if (!text) return fail("--symbols のあとに印を６つ指定して下さい（例：◎○▲△×注）。");
      const auto cp932 = toCp932(*text);
      if (!cp932) return fail("--symbols の印に、Shift-JIS で表せない文字があります。");
      // Every list and page gives a mark two bytes: half-width signs would shift the columns.
      std::array<std::string, 6> symbols;
      std::size_t pos = 0;
      for (auto& symbol : symbols) {
        if (pos >= cp932->size() || charBytesAt(*cp932, pos) != 2) {
          return fail("--symbols の印は、全角文字ちょうど６つです。");
        }
        symbol = cp932->substr(pos, 2);
        pos += 2;
      }
      if (pos != cp932->size()) return fail("--symbols の印は、全角文字ちょうど６つです。");
      options.symbols = symbols;
    } else if (arg == "--encoding") {
      const auto text = value();
      if (text && *text == "utf-8") {
        options.encoding = Encoding::Utf8;
      } else if (text && *text == "cp932") {
        options.encoding = Encoding::Cp932;
      } else {
        return fail("--encoding は utf-8 か cp932 です。");
      }
    } else if (arg == "--custom") {
      const auto text = value();
      if (!text || text->empty()) {
        return fail("--custom のあとにカスタマイズファイル（.umc）を指定して下さい。");
      }
      options.custom = std::filesystem::path(*text);
    } else if (arg.starts_with("--") || haveFile) {
      return fail("余分な引数があります：" + std::string(arg));
    } else if (arg.empty()) {
      return fail("ファイル名が空です。");
    } else {
      options.file = std::filesystem::path(arg);
      haveFile = true;
    }
  }
  if (!haveFile) return fail("予想するレースファイルか全競走馬.um0を指定して下さい。");
  return ParsedCard{options, {}};
}

}  // namespace korvane::cli
