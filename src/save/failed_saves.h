#pragma once
// Saves that did not reach the disk. A file's failure is told once: one trace line, and a note
// the play layer takes for the player. The same file failing again is told again only after a
// write of it has succeeded in between.
enum class SavedFile { kBestScore, kScoreTable, kSettings, kLastName };
constexpr int kSavedFiles = 4;

// How a write of `gamePath` went; `caller` names the saving function in the trace line. Either
// thread.
void vRecordSave(SavedFile file, const char* gamePath, bool written, const char* caller);

// The first failed save not yet taken, in the order above; false when there is none. A failure
// followed by a successful write of the same file is no longer there to take.
bool bTakeFailedSave(SavedFile& file);

// Forgets every failure, told or not (tests).
void vForgetFailedSaves();
