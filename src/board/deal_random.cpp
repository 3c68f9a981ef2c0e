// The deal's own random sequence: a linear congruential generator giving 15-bit values, the range
// of the classic runtime rand, so draws modulo 2240 and modulo the face limit behave alike.
#include "board/deal.h"

namespace {
uint32_t gDealRandomState = 1;
}

void vSeedDealRandom(uint32_t seed) { gDealRandomState = seed; }

int iDealRandom() {
  gDealRandomState = gDealRandomState * 1103515245u + 12345u;
  return static_cast<int>((gDealRandomState >> 16) & 0x7FFF);
}
