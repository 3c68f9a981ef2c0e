#pragma once
// Small WAV files made in the tests (a quiet tone), so no sound file is ever copied in.
#include <string>

std::string MakeToneWav(int milliseconds, int rate = 22050);
