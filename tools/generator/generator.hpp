#pragma once
// The generator of sample and benchmark data: deterministic racing worlds, their files and the
// fixed list of benchmark races.

#include "generator/bench.hpp"
#include "generator/files.hpp"
#include "generator/names.hpp"
#include "generator/quiet_platform.hpp"
#include "generator/rng.hpp"
#include "generator/sample.hpp"
#include "generator/world.hpp"
