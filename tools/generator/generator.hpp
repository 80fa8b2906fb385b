#pragma once
// Placeholder until the generator lands.
namespace korvane::gen {}
