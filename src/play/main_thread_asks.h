#pragma once
// What only the main thread may do, asked for by a screen of the game thread: the sound controls
// (the main thread owns the music) and the switch between window and full screen. The main loop
// carries them out on its next turn, which the ask wakes.
#include <vector>

// Not a key: the switch between window and full screen.
constexpr int kAskFullScreen = -1;

// Game thread: a sound control key (as bSoundControlKey takes it) or kAskFullScreen.
void vAskMainThread(int ask);
// Main thread: the asks in the order they came, taken.
std::vector<int> TakeMainThreadAsks();
