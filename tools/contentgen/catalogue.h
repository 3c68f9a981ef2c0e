#pragma once
// Every picture of the content archive: its name, how it is stored, and how it is made.
#include <functional>
#include <string>
#include <vector>

#include "image.h"
#include "lettering.h"
#include "pcx_writer.h"

namespace contentgen {

struct CatalogueEntry {
  std::string name;  // without ".pcx"
  PcxVariant variant;
  std::function<Image()> make;  // the picture as the English game shows it
  // Only for a picture that holds text: the picture painted in a language.
  std::function<Image(const Language&)> paint = nullptr;
};

// In the order in which the game loads them.
std::vector<CatalogueEntry> Catalogue();

// Renders one picture by name; an empty picture for an unknown name.
Image RenderImage(const std::string& name);

}  // namespace contentgen
