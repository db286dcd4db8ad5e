#pragma once

#include <cstdint>

// The smaller of two values; equal values give x.
int32_t minimo(int32_t x, int32_t y);
