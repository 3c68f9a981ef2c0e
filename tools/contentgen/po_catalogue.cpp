#include "po_catalogue.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>

#include <gettext-po.h>

namespace contentgen {
namespace {

// libgettextpo reports through a table of plain functions without a context pointer: the lines
// of the read under way are collected here (the generator reads on one thread at a time, but a
// thread-local keeps two readers apart anyway).
thread_local std::vector<std::string>* tProblems = nullptr;

void Report(const char* filename, size_t line, const char* text) {
  if (tProblems == nullptr) return;
  std::string where = filename ? filename : "";
  // Built by appending: GCC 12 at -O3 warns falsely on operator+ with a temporary here.
  if (filename && line != size_t(-1)) {
    where += ':';
    where += std::to_string(line);
  }
  std::string message = text ? text : "";
  while (!message.empty() && message.back() == '\n') message.pop_back();
  if (!where.empty()) message.insert(0, where + ": ");
  tProblems->push_back(std::move(message));
}

// Records the problem and returns, even for a fatal one: the read then ends with what it has,
// which the caller throws away because a problem was recorded.
void OnProblem(int, po_message_t, const char* filename, size_t line, size_t, int, const char* text) {
  Report(filename, line, text);
}

void OnProblemPair(int, po_message_t, const char* filename1, size_t line1, size_t, int, const char* text1,
                   po_message_t, const char*, size_t, size_t, int, const char* text2) {
  std::string both = text1 ? text1 : "";
  both += ' ';
  both += text2 ? text2 : "";
  Report(filename1, line1, both.c_str());
}

constexpr po_xerror_handler kHandler{OnProblem, OnProblemPair};

// Why an entry cannot be shown, or "" when it can.
std::string Unusable(po_message_t message, std::vector<std::string>& problems) {
  const char* text = po_message_msgstr(message);
  if (po_message_msgid_plural(message) != nullptr) return "has plural forms, which no picture uses";
  if (text == nullptr || *text == '\0') return "is not translated";
  if (po_message_is_fuzzy(message)) return "is marked fuzzy";
  size_t before = problems.size();
  po_message_check_format(message, &kHandler);
  if (problems.size() != before) {
    problems.resize(before);
    return "has format directives that do not match the English";
  }
  return "";
}

void TakeMessages(po_file_t file, Translations& catalogue, const std::string& path,
                  std::vector<std::string>& problems, std::vector<std::string>& warnings) {
  po_message_iterator_t it = po_message_iterator(file, nullptr);
  while (po_message_t message = po_next_message(it)) {
    const std::string english = po_message_msgid(message);
    if (english.empty() || po_message_is_obsolete(message)) continue;  // the header, old entries
    catalogue.english.push_back(english);
    if (path.ends_with(".pot")) continue;
    std::string why = Unusable(message, problems);
    if (why.empty()) {
      catalogue.translated[english] = po_message_msgstr(message);
    } else {
      warnings.push_back(path + ": \"" + english + "\" " + why + "; it stays English");
    }
  }
  po_message_iterator_free(it);
}

}  // namespace

bool bReadTranslations(const std::string& path, Translations& catalogue, std::vector<std::string>& warnings) {
  catalogue = {};
  catalogue.language = std::filesystem::path(path).stem().string();
  std::vector<std::string> problems;
  tProblems = &problems;
  po_file_t file = po_file_read(path.c_str(), &kHandler);
  bool ok = file != nullptr && problems.empty();
  if (ok) TakeMessages(file, catalogue, path, problems, warnings);
  if (file != nullptr) po_file_free(file);
  tProblems = nullptr;
  if (file == nullptr && problems.empty()) problems.push_back(path + ": cannot be read");
  for (const std::string& p : problems) warnings.push_back(p);
  if (!ok) {
    warnings.push_back(path + ": not used; its language stays English");
    catalogue.translated.clear();
  }
  return ok;
}

std::vector<Translations> ReadAllTranslations(const std::string& folder, std::vector<std::string>& warnings) {
  std::vector<std::string> paths;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (entry.path().extension() == ".po") paths.push_back(entry.path().string());
  }
  if (ec) warnings.push_back(folder + ": " + ec.message());
  std::sort(paths.begin(), paths.end());
  std::vector<Translations> catalogues;
  for (const std::string& path : paths) {
    Translations catalogue;
    if (bReadTranslations(path, catalogue, warnings)) catalogues.push_back(std::move(catalogue));
  }
  return catalogues;
}

}  // namespace contentgen
