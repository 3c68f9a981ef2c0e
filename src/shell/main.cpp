#include "shell/data_dir.h"
#include "shell/shell.h"

int main(int argc, char** argv) {
  // Where the content lies once installed: relative to the program, and as configured.
  int code = iPrepareFolders(argc, argv, TAVIMORA_INSTALLED_DATA_RELATIVE, TAVIMORA_INSTALLED_DATA_DIR);
  if (code >= 0) return code;
  return WinMain();
}
