// settings.txt: the bytes become the settings file. Whatever it holds, every setting read lies
// within its range, and a file that held anything not understood is written again so that the
// next read understands all of it and gives the same settings.
#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "save/settings.h"

namespace {
constexpr size_t kMaxInput = 64 * 1024;
constexpr char kFile[] = "content/levels/settings.txt";
}  // namespace

int FuzzSettingsFile(const uint8_t* data, size_t size) {
  if (size > kMaxInput) return 0;
  FuzzWorkDirScope workDir;
  vWriteFuzzFile(kFile, data, size);
  vForgetSettings();
  const Settings read = CurrentSettings();
  vFlushSettings();  // the file understood is written again by the settings' writer
  FUZZ_CHECK(read.volume >= 1 && read.volume <= kVolumeSteps);
  FUZZ_CHECK(read.width >= 0 && read.height >= 0 && (read.width == 0) == (read.height == 0));
  bool clean = false, exists = false;
  const Settings again = ParseSettings(FuzzFileBytes(kFile, &exists), clean);
  FUZZ_CHECK(exists && clean);
  FUZZ_CHECK(again == read);
  return 0;
}
