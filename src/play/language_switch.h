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
