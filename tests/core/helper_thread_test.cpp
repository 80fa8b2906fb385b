#include <gtest/gtest.h>

#include <pthread.h>
#include <sched.h>

#include <atomic>
#include <functional>

#include "core/database/helper_thread.hpp"

namespace korvane {
namespace {

// The processors a thread may run on.
cpu_set_t allowedProcessors(pthread_t thread) {
  cpu_set_t set;
  CPU_ZERO(&set);
  EXPECT_EQ(pthread_getaffinity_np(thread, sizeof set, &set), 0);
  return set;
}

// Restores the test thread's processors however the test ends.
struct KeepProcessors {
  cpu_set_t saved = allowedProcessors(pthread_self());
  ~KeepProcessors() { pthread_setaffinity_np(pthread_self(), sizeof saved, &saved); }
};

// The work runs once and has ended when the helper is gone; it runs on any processor but the
// one its parent ran on, and with a single processor it still runs there.
TEST(HelperThread, RunsTheWorkOnceAwayFromItsParentWhereItCan) {
  const KeepProcessors keep;
  for (const bool single : {false, true}) {
    if (single) {
      cpu_set_t one;
      CPU_ZERO(&one);
      CPU_SET(sched_getcpu(), &one);
      ASSERT_EQ(pthread_setaffinity_np(pthread_self(), sizeof one, &one), 0);
    }
    const cpu_set_t parent = allowedProcessors(pthread_self());
    std::atomic<int> runs{0};
    cpu_set_t helperSet;
    const std::function<void()> work = [&] {
      helperSet = allowedProcessors(pthread_self());
      ++runs;
    };
    { const HelperThread helper(work); }
    EXPECT_EQ(runs, 1) << single;
    if (CPU_COUNT(&parent) > 1) {
      // One of the parent's processors, the one it ran on (which this thread cannot know for
      // sure: it may move between processors at any time), is left out.
      cpu_set_t common;
      CPU_AND(&common, &helperSet, &parent);
      EXPECT_TRUE(CPU_EQUAL(&common, &helperSet));
      EXPECT_EQ(CPU_COUNT(&helperSet), CPU_COUNT(&parent) - 1);
    } else {
      EXPECT_TRUE(CPU_EQUAL(&helperSet, &parent)) << single;
    }
  }
}

}  // namespace
}  // namespace korvane
