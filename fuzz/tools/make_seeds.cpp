// Writes the seed corpora of the pattern, scores, settings, last_name, best_score and content
// fuzzers:
//   fuzz_seeds <fuzz folder>
// Small hand-made inputs that reach each reader's branches; the fuzzers take it from there. The
// content seeds pack pictures of the PCX corpus, which must be there already.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "util/little_endian.h"

namespace fs = std::filesystem;

namespace {
fs::path gRoot;

void vWrite(const std::string& corpus, const std::string& name, const std::string& bytes) {
  fs::path dir = gRoot / "corpus" / corpus;
  fs::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary) << bytes;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    std::exit(1);
  }
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Le32(uint32_t v) {
  std::string s;
  AppendLe32(s, v);
  return s;
}

// A pattern file holding value `v` at each listed (x, y, z); it ends after the last tile.
std::string Pattern(const std::vector<std::vector<int>>& tiles, int32_t v = 1) {
  std::vector<int32_t> cells;
  for (const auto& t : tiles) {
    size_t cell = static_cast<size_t>(t[0] + 28 * t[1] + 448 * t[2]);
    if (cells.size() <= cell) cells.resize(cell + 1, 0);
    cells[cell] = v;
  }
  std::string bytes;
  for (int32_t c : cells) bytes += Le32(static_cast<uint32_t>(c));
  return bytes;
}

void vPatternSeeds() {
  vWrite("pattern", "pair", Pattern({{0, 0, 0}, {2, 0, 0}}));
  vWrite("pattern", "stacked_pair", Pattern({{4, 2, 0}, {4, 2, 1}}));
  vWrite("pattern", "odd_count", Pattern({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}}));
  vWrite("pattern", "overlap", Pattern({{0, 0, 0}, {1, 1, 0}}));
  vWrite("pattern", "bad_value", Pattern({{0, 0, 0}, {2, 0, 0}}, 7));
  vWrite("pattern", "out_of_bounds", Pattern({{0, 0, 0}, {27, 0, 0}}));
  vWrite("pattern", "empty", std::string(16, '\0'));
  vWrite("pattern", "cut_cell", Pattern({{0, 0, 0}}) + std::string("\x01\x00\x00", 3));
  std::vector<std::vector<int>> block;
  for (int y = 0; y <= 4; y += 2)
    for (int x = 0; x <= 10; x += 2) block.push_back({x, y, 0});
  vWrite("pattern", "block_18", Pattern(block));
  std::vector<std::vector<int>> pyramid;
  for (int y = 0; y <= 2; y += 2)
    for (int x = 0; x <= 6; x += 2) pyramid.push_back({x, y, 0});
  pyramid.push_back({2, 1, 1});
  pyramid.push_back({4, 1, 1});
  vWrite("pattern", "pyramid_10", Pattern(pyramid));
}

void vScoreSeeds() {
  std::string full;
  for (int i = 0; i < 10; ++i) {
    full += "Name " + std::to_string(i) + "\n" + std::to_string(9000 - 900 * i) + "\n";
  }
  vWrite("scores", "ten_entries", full);
  vWrite("scores", "no_final_newline", "Ann\n500\nBob\n400");
  vWrite("scores", "odd_lines", "Ann\n500\nBob\n");
  vWrite("scores", "numbers", " \t-42abc\n+7\n99999999999\n-99999999999\n\n\nx\n- 5\n");
  vWrite("scores", "long_name", std::string(40, 'N') + "\n12\n" + std::string(600, '7') + "\n3\n");
  const char crlfAndNul[] = "Cat\r\n300\r\nD\0og\n2\0 00\n";
  vWrite("scores", "crlf_and_nul", std::string(crlfAndNul, sizeof crlfAndNul - 1));
  vWrite("scores", "empty", "");
  vWrite("scores", "eleven_entries", full + "Extra\n1\n");
}

void vSettingsSeeds() {
  vWrite("settings", "all",
         "fullscreen=1\nwindow=800x600\nmusic=off\neffects=on\nvolume=3\npauseaway=off\n");
  vWrite("settings", "junk", "music=loud\nvolume=99\n\x01\xff\nwindow=0x5\n");
  vWrite("settings", "no_final_newline", "effects=off\nvolume=1");
  vWrite("settings", "empty", "");
}

void vLastNameSeeds() {
  vWrite("last_name", "name", "Ann\n");
  vWrite("last_name", "long", std::string(600, 'N'));
  vWrite("last_name", "crlf_and_nul", std::string("Bo\0b\r\nx\n", 9));
  vWrite("last_name", "empty", "");
}

// Kind of scr.dat (0 present, 1 missing, 2 a folder), displayed score, best score held, file.
std::string BestScore(uint8_t kind, int32_t shown, int32_t held, const std::string& file) {
  return std::string(1, static_cast<char>(kind)) + Le32(static_cast<uint32_t>(shown)) +
         Le32(static_cast<uint32_t>(held)) + file;
}

void vBestScoreSeeds() {
  vWrite("best_score", "higher", BestScore(0, 5000, 0, Le32(4000)));
  vWrite("best_score", "lower", BestScore(0, 3000, 0, Le32(4000)));
  vWrite("best_score", "equal", BestScore(0, 4000, 7, Le32(4000)));
  vWrite("best_score", "short_file", BestScore(0, 100, 0x11223344, "\x05\x06"));
  vWrite("best_score", "long_file", BestScore(0, -5, 0, Le32(uint32_t(-10)) + "xyz"));
  vWrite("best_score", "empty_file", BestScore(0, 0, 0, ""));
  vWrite("best_score", "missing", BestScore(1, 1000, 2500, ""));
  vWrite("best_score", "folder", BestScore(2, 1000, 2500, ""));
}

struct Record {
  uint32_t offset;
  std::string name;
  uint32_t length;
};

std::string Index(const std::vector<Record>& records) {
  std::string out;
  for (const Record& r : records) {
    std::string name = r.name.substr(0, 256);
    name.resize(256, '\0');
    out += Le32(r.offset) + name + Le32(r.length);
  }
  return out;
}

// Flags (1 no index, 2 no pack, 4 blocked temporary file), index length, index, pack.
std::string Archive(uint8_t flags, const std::string& index, const std::string& pack) {
  std::string out(1, static_cast<char>(flags));
  AppendLe16(out, static_cast<uint16_t>(index.size()));
  return out + index + pack;
}

void vContentSeeds() {
  std::string mono = ReadFile(gRoot / "corpus" / "pcx" / "mono_17x2.pcx");
  std::string rgb = ReadFile(gRoot / "corpus" / "pcx" / "rgb_13x5.pcx");
  uint32_t m = uint32_t(mono.size()), r = uint32_t(rgb.size());
  std::string pack = mono + rgb;
  std::string index = Index({{0, "gamescreen.pcx", m}, {m, "TITLE.PCX", r},
                             {0, "tile3.pcx", m}, {m, "title.pcx", r}});
  vWrite("content", "basic", Archive(0, index, pack));
  vWrite("content", "cut_record", Archive(0, index + Le32(0) + "num1.pcx", pack));
  vWrite("content", "outside_pack",
         Archive(0, Index({{m, "shadow.pcx", r + 1}, {0xFFFFFFF0u, "border.pcx", 64},
                           {0, "num0.pcx", 0x7FFFFFFF}}), pack));
  vWrite("content", "name_without_end", Archive(0, Index({{0, std::string(300, 'a'), m}}), mono));
  vWrite("content", "no_pack", Archive(2, index, ""));
  vWrite("content", "blocked_temporary", Archive(4, index, pack));
  vWrite("content", "no_index", Archive(1, "", pack));
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds <fuzz folder>\n");
    return 2;
  }
  gRoot = argv[1];
  vPatternSeeds();
  vScoreSeeds();
  vSettingsSeeds();
  vLastNameSeeds();
  vBestScoreSeeds();
  vContentSeeds();
  return 0;
}
