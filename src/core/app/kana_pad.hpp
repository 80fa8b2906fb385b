#pragma once
// The katakana search pad of the main window: ten row buttons set the captions of the five letter
// buttons, and the 濁点 button steps those captions through the voiced, half-voiced and small
// forms, so that a horse name can be looked up with the mouse alone.

#include <array>
#include <string>

namespace korvane {

// Captions of the ア段, イ段, ウ段, エ段 and オ段 buttons (cp932). An empty caption appends
// nothing; "　" appends a full-width space, as in names like "ワンダー　ヒーロー".
using KanaCaptions = std::array<std::string, 5>;

inline constexpr int kKanaRows = 10;  // ア行 .. ワ行

// The row button captions "ア行" .. "ワ行".
const std::array<std::string, kKanaRows>& kanaRowCaptions();

// The letters a row button puts on the five buttons (row 0 = ア行 .. 9 = ワ行).
const KanaCaptions& kanaRow(int row);

// The captions after one press of 濁点, decided by the ウ段 caption: ウ → small row → ヴ → ウ,
// ク ⇄ グ, ス ⇄ ズ, ツ → ヅ → ッ → ツ, フ → ブ → プ → フ, ユ ⇄ ュ. Rows without voiced or small
// forms stay as they are.
KanaCaptions dakutenStep(const KanaCaptions& now);

}  // namespace korvane
