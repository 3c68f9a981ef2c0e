#pragma once
// Control of the virtual clock, available only where clock_virtual.cpp is linked (the tests).
#include <cstdint>
#include <functional>

void VirtualClockSet(uint32_t now);
void VirtualClockAdvance(uint32_t ms);

// Called after every Sleep with the new virtual time, on the sleeping thread. Lets a test play a
// script of input at moments of virtual time. Pass an empty function to remove it.
void VirtualClockSetSleepHook(std::function<void(uint32_t now)> hook);

// SleepUntilWoken normally moves the clock 1 ms, so scripted input lands at its moment as the
// screens poll. With whole waits on it moves the whole time asked for (nothing wakes it early):
// for counting how often an untouched screen wakes.
void VirtualClockWholeWaits(bool whole);

// Called on every WakeSleeper, on the thread that wakes: lets a test see what the woken thread
// would find. Pass an empty function to remove it.
void VirtualClockSetWakeHook(std::function<void()> hook);
