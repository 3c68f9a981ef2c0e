#pragma once
// The game's languages as the options' Language row offers them, and the switch between them
// while the game runs.
#include <string>
#include <vector>

// The languages in the order the row cycles through them: English, then those the content
// generator made ("content\art\languages.txt", a code a line).
std::vector<std::string> GameLanguages();

// The code of the language in use ("en" for English).
std::string LanguageInUse();

// Shows the game in `code` at once: its pictures and texts, each missing one English. False,
// leaving the language as it was, when the content has no such language. Game thread (it
// reloads the pictures the game thread draws).
bool bSwitchLanguage(const std::string& code);

// Shows `code` once its files, still to come, have arrived (a page fetches its languages while the
// game runs); `keep` then keeps it in the settings as the player's choice. False when there is
// nothing to fetch (the game has no such language, or holds all it has). Any one thread: the
// main thread before the game thread starts, then the game thread.
bool bFetchLanguage(const std::string& code, bool keep);

// Main thread: the files fetched have arrived (kEventFilesArrived).
void vLanguageFilesArrived();

// Game thread, once per pass of a screen with text: true when the language fetched has arrived
// and is shown now (the screen draws again).
bool bShowArrivedLanguage();

// Keeps `code` in the settings as the player's choice.
void vKeepLanguage(const std::string& code);
