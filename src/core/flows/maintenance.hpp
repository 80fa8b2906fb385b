#pragma once
// The main window's maintenance menus: 馬の歳 (every horse a year older or younger) and
// 古い馬の削除 (the number of horses, and moving the horses that have not raced for one, two or
// three years into a race file). Each answers whether the lists must be filled again.

namespace korvane {

struct AppState;

enum class AgeStep { Older, Younger };

// 全競走馬に歳を１つとらせる / 全競走馬の歳を１つもどす: asks, then changes every age by one.
bool changeAges(AppState& app, AgeStep step);

// 現在の登録馬数を見る.
void showHorseCount(AppState& app);

// ここＮ年間レースに出走していない馬を移動 (years = 1, 2 or 3): asks, asks for the race file,
// moves up to 750 old horses into it and out of the store; no horse is current afterwards.
bool moveOldHorses(AppState& app, int years);

}  // namespace korvane
