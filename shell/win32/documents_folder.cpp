// The user's documents folder, asked of the shell folder service in "shfolder.dll" at run time
// (it is not everywhere), and handed to the save files' folder rule.
#include "hall/data_folder.h"
#include "shell/win32/shell_windows.h"

void UseDocumentsFolder() {
  using GetFolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
  constexpr int kPersonalFolder = 5;  // CSIDL_PERSONAL
  HMODULE library = LoadLibraryW(L"shfolder.dll");
  if (library == nullptr) return;
  auto entry = reinterpret_cast<GetFolderPath>(
      reinterpret_cast<void*>(GetProcAddress(library, "SHGetFolderPathA")));
  char path[MAX_PATH] = "";
  if (entry != nullptr && SUCCEEDED(entry(nullptr, kPersonalFolder, nullptr, 0, path))) {
    SetDocumentsFolder(path);
  }
  FreeLibrary(library);
}
