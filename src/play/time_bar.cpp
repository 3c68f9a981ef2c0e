#include "play/time_bar.h"

#include "platform/clock.h"
#include "play/game_state.h"
#include "rules/time_bar.h"

bool bTimeRunsOut() { return TimeRunsOut(gs, timeGetTime()); }
