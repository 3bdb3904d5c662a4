// The notice dialog (400): a modeless box for the big-bonus announcement and the out-of-medals
// notice, which hides itself after its ninth NoticeTick.
#include "shell/command_ids.h"
#include "shell/notice_age.h"
#include "shell/win32/shell_windows.h"

INT_PTR CALLBACK NoticeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case CmdNoticeSetText:
      NoticeTextSet();
      SetDlgItemTextW(dialog, IDC_FIELD_1, reinterpret_cast<const wchar_t*>(lParam));
      return TRUE;
    case CmdNoticeTick:
      if (NoticeTickHides(IsWindowVisible(dialog) != FALSE)) ShowWindow(dialog, SW_HIDE);
      return TRUE;
    case IDOK:
    case IDCANCEL:
      ShowWindow(dialog, SW_HIDE);
      return TRUE;
    default:
      return FALSE;
  }
}
