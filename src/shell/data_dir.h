#pragma once
// Where the game's content is, and where the player's own files go.
//
// At start-up the game looks for the folder that holds its content tree (content/art,
// content/levels, content/sound) and makes it the working directory, so the game's own relative
// paths work wherever it was started from. The files it writes (best score, score table, trace
// files, the temporary image of the loader, settings) go to the player's data folder, unless the
// game runs from a writable copy that already keeps them beside its content (a build folder).
#include <string>
#include <vector>

// Where a folder to look in came from, for the message that lists them.
enum class DataFolderKind { kOption, kVariable, kProgramFolder, kInstalled, kBuiltIn };

struct DataFolderCandidate {
  std::string folder;
  DataFolderKind kind;
};

// Where to look, in order. A folder the player named (by --data-dir, else TAVIMORA_DATA_DIR) is
// the only place looked in; otherwise the program's folder, the installed data folder
// (`installedRelative` to the program's folder) and the folder set when the game was built.
// Relative folders are taken from the working directory; a folder already listed is skipped.
std::vector<DataFolderCandidate> DataFolderCandidates(const std::string& option,
                                                      const std::string& variable,
                                                      const std::string& programFolder,
                                                      const std::string& installedRelative,
                                                      const std::string& builtIn);

// True when the folder holds the game's content.
bool bHoldsContent(const std::string& folder);

// The first candidate that holds the content, or nullptr.
const DataFolderCandidate* FirstWithContent(const std::vector<DataFolderCandidate>& candidates);

// The message for when no folder holds the content: every place looked in, and what to do.
std::string NoContentMessage(const std::vector<DataFolderCandidate>& looked);

// True when the player's files stay beside the content: a folder beside the program or named by
// the player, writable, that already holds the best score.
bool bKeepsPlayerFiles(const DataFolderCandidate& found);

// Sends the player's files to `folder` (ending in '/') and, on the first run, copies the score
// table shipped in `contentFolder` there.
void vUsePlayerFolder(const std::string& folder, const std::string& contentFolder);

// The folder of the player's files (settings go here too), ending in '/'; empty until start-up
// chose it, which means the working directory.
const std::string& PlayerFolder();
// The player's data folder start-up chooses when it can be had; empty when it cannot. For a
// system that keeps the folder elsewhere and must load it before start-up reads it.
std::string UsualPlayerFolder();

// What the command line said about the window: nothing (the remembered choice holds),
// --window or --fullscreen.
enum class WindowChoice { kRemembered, kWindow, kFullScreen };
WindowChoice WindowChoiceOption();

// The start-up step before the window: reads the command line, finds the content and makes its
// folder the working directory, and chooses the player's folder. Returns -1 to go on, otherwise
// the exit code to end with (after telling the user why).
int iPrepareFolders(int argc, char** argv, const char* installedRelative, const char* builtIn);
