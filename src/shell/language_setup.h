#pragma once
// The language of the game's pictures, chosen at start-up before they are loaded.

// The language settings.txt names, else the first language of the player's environment
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), whose pictures the content holds; else English.
void vChooseLanguage();
