#pragma once
// Preview pictures: the generated images composed the way the game draws them, with the mouse
// zones outlined, so that a person can check the look and that buttons lie under their zones.
#include <string>
#include <vector>

#include "layouts.h"

namespace contentgen {

// Writes the preview PNG files into `folder` (which must exist); false if one cannot be written.
// With layouts, also the last layout on the playing screen and a sheet of all of them. With a
// folder of catalogues, also each language's pictures in `folder`/<language>, for translators to
// see their texts in place.
bool bWritePreviews(const std::string& folder, const std::vector<Layout>& layouts,
                    const std::string& catalogueFolder = "");

}  // namespace contentgen
