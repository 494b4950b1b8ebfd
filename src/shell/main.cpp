// Process entry: the platform start code around startApplication.
#include <windows.h>

#include "shell/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  startApplication();
  finalCleanup();
  return quitCode();
}
