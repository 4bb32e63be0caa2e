// Quillora.exe: the main window and its message loop.
#include <windows.h>

#include "main-window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  quillora::win32::MainWindow window;
  if (!window.Create(instance)) {
    MessageBoxW(nullptr, L"Quillora could not create its main window.", L"Quillora v1.01",
                MB_ICONERROR | MB_OK);
    return 1;
  }
  window.Show();
  return window.RunMessageLoop();
}
