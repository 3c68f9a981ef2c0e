#pragma once
// The texts the game draws itself (notes, the pause plaque, the options, the name entry and the
// table) in the language of its pictures. The content generator writes each language's table
// beside its pictures ("content\art\de\texts"): the English and its translation, each ended by
// a NUL byte.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

using TextTable = std::map<std::string, std::string>;

// The table in `bytes`. An entry cut short, empty, or whose %d count differs from its English's
// is left out, with a line in `problems`.
TextTable ParseTextTable(const std::string& bytes, std::vector<std::string>& problems);

// `english` in the table's language with each %d replaced by the next of `numbers`. A text the
// table lacks, or whose translation holds a character without a glyph, stays English, with a
// line in `problems`.
std::string Translated(const TextTable& table, const std::string& english, const std::vector<int>& numbers,
                       std::vector<std::string>& problems);

// Makes `language`'s table the one in use ("" or a language without a table: English). False
// when its table cannot be read. Either thread.
bool bLoadTexts(const std::string& language);

// Translated() with the table in use, its problems traced. Either thread.
std::string Tr(const std::string& english, const std::vector<int>& numbers = {});

// `value` with its digits grouped in threes by the mark that `thousand` (the language's way of
// writing one thousand: "1,000", "1.000", "1 000", "1000") puts between the 1 and the zeros; a
// comma when `thousand` is not of that shape.
std::string GroupDigits(int64_t value, const std::string& thousand);
