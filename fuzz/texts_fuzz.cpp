// libFuzzer entry for a language's table of run-time texts.
// The body is in targets/, where the replay test runs it too.
#include "targets/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return FuzzTextTable(data, size); }
