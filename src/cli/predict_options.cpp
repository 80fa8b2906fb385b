#include "predict_options.hpp"

#include "database/race_card.hpp"
#include "text/encoding.hpp"
#include "text/sjis.hpp"

namespace korvane::cli {

namespace {

ParsedPredict fail(std::string reason) {
  return ParsedPredict{std::nullopt, std::move(reason)};
}

// The user's UTF-8 text in cp932, or nothing when cp932 has no code for some character.
std::optional<std::string> toCp932(std::string_view utf8) {
  Converted converted = utf8ToCp932(utf8);
  if (!converted.ok) return std::nullopt;
  return std::move(converted.text);
}

}  // namespace

ParsedPredict parsePredict(const std::vector<std::string_view>& args) {
  PredictOptions options;
  bool haveFile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    auto value = [&]() -> std::optional<std::string_view> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (arg == "--csv") {
      options.csv = true;
    } else if (arg == "--development") {
      const auto text = value();
      if (!text) return fail("--development needs one of the five developments");
      const auto cp932 = toCp932(*text);
      if (!cp932) return fail("--development: the text has characters Shift-JIS cannot hold");
      bool known = false;
      for (const auto& d : developments()) known = known || d == *cp932;
      if (!known) {
        return fail(
            "--development must be one of 逃げ先行断然, 逃げ先行有利, 展開不問, "
            "差し追込有利, 差し追込断然");
      }
      options.development = *cp932;
    } else if (arg == "--kaime") {
      const auto text = value();
      if (!text || text->size() != 1 || (*text)[0] < '0' || (*text)[0] > '3') {
        return fail("--kaime must be 0, 1, 2 or 3");
      }
      options.kaime = (*text)[0] - '0';
    } else if (arg == "--symbols") {
      const auto text = value();
      if (!text) return fail("--symbols needs six mark symbols, such as ◎○▲△×注");
      const auto cp932 = toCp932(*text);
      if (!cp932) return fail("--symbols: a symbol has no Shift-JIS code");
      // Every list and page gives a mark two bytes: half-width signs would shift the columns.
      std::array<std::string, 6> symbols;
      std::size_t pos = 0;
      for (auto& symbol : symbols) {
        if (pos >= cp932->size() || charBytesAt(*cp932, pos) != 2) {
          return fail("--symbols must be exactly six full-width characters");
        }
        symbol = cp932->substr(pos, 2);
        pos += 2;
      }
      if (pos != cp932->size()) return fail("--symbols must be exactly six full-width characters");
      options.symbols = symbols;
    } else if (arg == "--encoding") {
      const auto text = value();
      if (text && *text == "utf-8") {
        options.encoding = Encoding::Utf8;
      } else if (text && *text == "cp932") {
        options.encoding = Encoding::Cp932;
      } else {
        return fail("--encoding must be utf-8 or cp932");
      }
    } else if (arg.starts_with("--") || haveFile) {
      return fail("unexpected argument: " + std::string(arg));
    } else {
      options.file = std::filesystem::path(arg);
      haveFile = true;
    }
  }
  if (!haveFile) return fail("predict needs a race file or 全競走馬.um0");
  return ParsedPredict{options, {}};
}

}  // namespace korvane::cli
