#include "shell/data_dir.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "diag/debug_log.h"
#include "platform/user_paths.h"
#include "platform/window.h"

namespace fs = std::filesystem;

namespace {
constexpr char kProductName[] = "Tavimora";
constexpr char kAppFolderName[] = "tavimora";
constexpr char kContentMarker[] = "content/art/content.idx";
constexpr char kBestScoreFile[] = "content/levels/scr.dat";
constexpr char kShippedScoreTable[] = "content/levels/scores.txt";
constexpr char kUsage[] =
    "usage: tavimora [--data-dir FOLDER] [--fullscreen | --window]\n"
    "  --data-dir FOLDER  play with the content in FOLDER (the folder that holds content/)\n"
    "  --fullscreen       start full screen; --window: start in a window (Alt+Enter or F11\n"
    "                     switches while playing, and the game remembers the choice)\n"
    "Without it the game uses TAVIMORA_DATA_DIR, else looks beside the program, then in the\n"
    "installed data folder. Scores are kept in $XDG_DATA_HOME/tavimora (~/.local/share/tavimora).\n";

// The files the game writes into its content tree, by the game's own paths, and their names in
// the player's folder. The trace files follow the folder given to vSetTraceFolder.
struct PlayerFile {
  const char* gamePath;
  const char* name;
};
constexpr PlayerFile kPlayerFiles[] = {
    {"content\\levels\\scr.dat", "scr.dat"},
    {"content\\levels\\scores.txt", "scores.txt"},
    {"content\\levels\\lastname.txt", "lastname.txt"},
    {"content\\art\\temp.pcx", "temp.pcx"},
    {"content\\levels\\settings.txt", "settings.txt"},
};

std::string gPlayerFolder;
WindowChoice gWindowChoice = WindowChoice::kRemembered;

// An absolute folder without "." or ".." parts or a trailing '/'.
std::string AbsoluteFolder(const fs::path& folder) {
  std::error_code ec;
  std::string s = fs::absolute(folder, ec).lexically_normal().string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

const char* KindText(DataFolderKind kind) {
  switch (kind) {
    case DataFolderKind::kOption: return "given by --data-dir";
    case DataFolderKind::kVariable: return "given by TAVIMORA_DATA_DIR";
    case DataFolderKind::kProgramFolder: return "the program's folder";
    case DataFolderKind::kInstalled: return "the installed data folder";
    case DataFolderKind::kBuiltIn: return "the data folder the game was built for";
  }
  return "";
}

// The command line: false with the exit code when the game is not to start.
bool bReadCommandLine(int argc, char** argv, std::string& dataDir, int& exitCode) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--data-dir" && i + 1 < argc) {
      dataDir = argv[++i];
    } else if (arg.rfind("--data-dir=", 0) == 0) {
      dataDir = arg.substr(sizeof "--data-dir=" - 1);
    } else if (arg == "--fullscreen") {
      gWindowChoice = WindowChoice::kFullScreen;
    } else if (arg == "--window") {
      gWindowChoice = WindowChoice::kWindow;
    } else if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      exitCode = 0;
      return false;
    } else {
      std::fprintf(stderr, "tavimora: unknown or incomplete argument '%s'\n%s", arg.c_str(), kUsage);
      exitCode = 2;
      return false;
    }
  }
  return true;
}

// The player's data folder, or when it cannot be had (an unwritable home) a private temporary
// one, so the game still plays; the player is told the scores will not last.
std::string ChoosePlayerFolder() {
  std::string folder, error;
  if (PlatformUserDataFolder(kAppFolderName, folder, error)) return folder;
  folder = PlatformMakePrivateFolder(kAppFolderName);
  std::fprintf(stderr,
               "tavimora: cannot make the folder for saved scores (%s). The game runs, but its "
               "scores are kept only in %s.\n",
               error.c_str(), folder.empty() ? "memory" : folder.c_str());
  return folder;
}
}  // namespace

std::vector<DataFolderCandidate> DataFolderCandidates(const std::string& option,
                                                      const std::string& variable,
                                                      const std::string& programFolder,
                                                      const std::string& installedRelative,
                                                      const std::string& builtIn) {
  std::vector<DataFolderCandidate> candidates;
  auto add = [&candidates](const fs::path& folder, DataFolderKind kind) {
    std::string absolute = AbsoluteFolder(folder);
    for (const DataFolderCandidate& c : candidates) {
      if (c.folder == absolute) return;
    }
    candidates.push_back({absolute, kind});
  };
  if (!option.empty()) {
    add(option, DataFolderKind::kOption);
  } else if (!variable.empty()) {
    add(variable, DataFolderKind::kVariable);
  } else {
    if (!programFolder.empty()) {
      add(programFolder, DataFolderKind::kProgramFolder);
      add(fs::path(programFolder) / installedRelative, DataFolderKind::kInstalled);
    }
    if (!builtIn.empty()) add(builtIn, DataFolderKind::kBuiltIn);
  }
  return candidates;
}

bool bHoldsContent(const std::string& folder) {
  std::error_code ec;
  return fs::is_regular_file(fs::path(folder) / kContentMarker, ec);
}

const DataFolderCandidate* FirstWithContent(const std::vector<DataFolderCandidate>& candidates) {
  for (const DataFolderCandidate& c : candidates) {
    if (bHoldsContent(c.folder)) return &c;
  }
  return nullptr;
}

std::string NoContentMessage(const std::vector<DataFolderCandidate>& looked) {
  std::string text = std::string("Cannot find the game's content (") + kContentMarker + "). Looked in:\n";
  for (const DataFolderCandidate& c : looked) text += "  " + c.folder + " (" + KindText(c.kind) + ")\n";
  text += "Name the folder that holds content/ with --data-dir FOLDER or TAVIMORA_DATA_DIR.";
  return text;
}

bool bKeepsPlayerFiles(const DataFolderCandidate& found) {
  // An installed tree is never written, whoever runs the game.
  if (found.kind == DataFolderKind::kInstalled || found.kind == DataFolderKind::kBuiltIn) return false;
  std::error_code ec;
  return fs::exists(fs::path(found.folder) / kBestScoreFile, ec) &&
         PlatformFolderWritable(found.folder + "/content/levels") &&
         PlatformFolderWritable(found.folder + "/content/art");
}

void vUsePlayerFolder(const std::string& folder, const std::string& contentFolder) {
  gPlayerFolder = folder;
  if (folder.empty()) return;
  vSetTraceFolder(folder);
  for (const PlayerFile& file : kPlayerFiles) PlatformRedirectPath(file.gamePath, folder + file.name);
  std::error_code ec;
  const fs::path table = fs::path(folder) / "scores.txt";
  const fs::path shipped = fs::path(contentFolder) / kShippedScoreTable;
  if (!fs::exists(table, ec) && fs::is_regular_file(shipped, ec)) fs::copy_file(shipped, table, ec);
}

const std::string& PlayerFolder() { return gPlayerFolder; }

std::string UsualPlayerFolder() {
  std::string folder, error;
  PlatformUserDataFolder(kAppFolderName, folder, error);
  return folder;
}

WindowChoice WindowChoiceOption() { return gWindowChoice; }

int iPrepareFolders(int argc, char** argv, const char* installedRelative, const char* builtIn) {
  std::string option;
  int exitCode = 0;
  if (!bReadCommandLine(argc, argv, option, exitCode)) return exitCode;
  const char* variable = std::getenv("TAVIMORA_DATA_DIR");
  std::vector<DataFolderCandidate> candidates = DataFolderCandidates(
      option, variable != nullptr ? variable : "", PlatformExecutableFolder(), installedRelative, builtIn);
  const DataFolderCandidate* found = FirstWithContent(candidates);
  if (found == nullptr) {
    PlatformErrorBox(kProductName, NoContentMessage(candidates).c_str());
    return 1;
  }
  std::error_code ec;
  fs::current_path(found->folder, ec);
  if (ec) {
    std::string text = "Cannot work in " + found->folder + ": " + ec.message();
    PlatformErrorBox(kProductName, text.c_str());
    return 1;
  }
  if (bKeepsPlayerFiles(*found)) {
    gPlayerFolder = found->folder + "/";
  } else {
    vUsePlayerFolder(ChoosePlayerFolder(), found->folder);
  }
  return -1;
}
