#pragma once
// The small pictures: digits, time-bar ticks, hint marks, the help button and the time warning.
#include "image.h"
#include "lettering.h"

namespace contentgen {

enum class Tick { Red, Yellow, Green, Empty };

Image MakeDigit(int index);  // 0..9, 10 = comma
Image MakeTick(Tick tick);
Image MakeHintMark(int frame);  // 0..3
Image MakeHelpButton();
Image MakeTimeWarning(const Language& language);

}  // namespace contentgen
