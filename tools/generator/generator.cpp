#include "generator/generator.hpp"
