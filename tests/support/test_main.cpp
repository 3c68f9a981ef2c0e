// The test programs' entry: every test runs headless, with SDL's dummy video and audio drivers
// unless the caller chose others, and in English whatever the machine's locale (a test that wants
// a language sets it).
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("LANGUAGE", "en", 1);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
