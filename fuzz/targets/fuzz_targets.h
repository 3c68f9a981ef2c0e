#pragma once
// The bodies of the fuzz targets. Each takes one input as libFuzzer hands it over and returns 0;
// a fault aborts the process with a message. They are linked both into the fuzzers and into the
// replay test, which feeds them the seed corpora and every crash ever found.
#include <cstddef>
#include <cstdint>

// A picture file through the PCX header reader and the decoder at every depth.
int FuzzPcxFile(const uint8_t* data, size_t size);
// A level pattern file through vLoadPattern and iCheckPattern; valid small patterns are dealt.
int FuzzPatternFile(const uint8_t* data, size_t size);
// scores.txt through vLoadHighScores.
int FuzzScoreTable(const uint8_t* data, size_t size);
// scr.dat through vLoadBestScore and vSaveBestScore.
int FuzzBestScore(const uint8_t* data, size_t size);
// settings.txt through CurrentSettings, which rewrites a broken file.
int FuzzSettingsFile(const uint8_t* data, size_t size);
// lastname.txt through LastEnteredName.
int FuzzLastNameFile(const uint8_t* data, size_t size);
// The content index and pack through vLoadBitmaps, which loads every image of the game.
int FuzzContentArchive(const uint8_t* data, size_t size);
// A language's table of run-time texts through ParseTextTable and Translated.
int FuzzTextTable(const uint8_t* data, size_t size);
