#include "core/flows/new_horse.hpp"

#include <gtest/gtest.h>

#include "core/database/horse_fields.hpp"
#include "tests/core/engine_test_horses.hpp"

namespace korvane {
namespace {

TEST(NewHorse, RegistersOnceAndMakesTheHorseCurrent) {
  testing::EngineFixture world;
  AppState& app = world.app;
  EXPECT_TRUE(roomForNewHorse(app));
  const std::optional<std::string> name = acceptTypedName(world.dialogs, sj("ハルウララ"));
  ASSERT_TRUE(name);
  ASSERT_TRUE(registerNewHorse(app, NameChoice{*name, 1, 1}));
  EXPECT_EQ(app.currentHorse, 1);
  EXPECT_EQ(horseName(app.store, 1), fitBytesZen(sj("ハルウララ"), 18));
  EXPECT_FALSE(registerNewHorse(app, NameChoice{*name, 0, 0}));
  EXPECT_EQ(world.dialogs.messages.back(),
            std::vector<std::string>{sj("すでに同じ名前の馬が登録されています。")});
  EXPECT_EQ(app.store.count, 1);

  EXPECT_FALSE(acceptTypedName(world.dialogs, "   "));
  EXPECT_EQ(world.dialogs.messages.back(),
            std::vector<std::string>{sj("馬名を入力してからお願いします")});

  app.store.count = kMaxHorses;
  EXPECT_FALSE(roomForNewHorse(app));
  EXPECT_EQ(world.dialogs.messages.back().front(), sj("登録馬が12000頭を越えています。"));
}

}  // namespace
}  // namespace korvane
