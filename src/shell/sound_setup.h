#pragma once
// The game's sound set-up: the effect player and its six effects. False when there is no sound
// system; the game thread only records that, and the main thread tells the user once the
// display is restored (bTellSoundFailure), since only the main thread may touch the window.
bool bInitSound(void* window);

// On the main thread: shows the message of a failed sound set-up, if there was one (true then).
bool bTellSoundFailure();
