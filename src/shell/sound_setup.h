#pragma once
// The game's sound set-up: the effect player and its six effects. False when no sound device
// could be opened: the game then plays on without sound, after saying why on the standard error
// stream and in the trace.
bool bInitSound(void* window);
