// The players' dialogs: the player list (401) with enrolment (402), a player's record (403)
// and the choice of who enters the shop (404). Names are Shift-JIS in the records and UTF-16
// on screen; a typed name Shift-JIS cannot hold is refused before the rules see it.
#include "games/common/resource_ids.h"
#include "hall/number_format.h"
#include "hall/player_roster.h"
#include "hall/string_id.h"
#include "hall/visits.h"
#include "shell/shell_texts.h"
#include "shell/win32/shell_windows.h"
#include "shell/win32/wide_text.h"

namespace {

constexpr int kList = IDC_PLAYER_LIST;
constexpr int kInspect = IDC_INSPECT;
constexpr int kEnrol = IDC_ENROL;
constexpr int kDelete = IDC_DELETE;
constexpr int kNameEdit = IDC_NAME_EDIT;

void SetText(HWND dialog, int id, const wchar_t* text) { SetDlgItemTextW(dialog, id, text); }

void SetCp932(HWND dialog, int id, const char* text) {
  wchar_t wide[64];
  Cp932ToWide(text, wide, 64);
  SetText(dialog, id, wide);
}

void SetUtf8(HWND dialog, int id, const char* text) {
  wchar_t wide[64];
  Utf8ToWide(text, wide, 64);
  SetText(dialog, id, wide);
}

// Fills list box 1201 with one line per enrolled player; returns the number of lines.
int FillList(HWND dialog) {
  HWND list = GetDlgItem(dialog, kList);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  PlayerListLine lines[kPlayerRecords];
  int n = FillPlayerList(lines);
  for (int i = 0; i < n; ++i) {
    wchar_t name[64];
    Cp932ToWide(lines[i].name, name, 64);
    wchar_t line[128];
    if (lines[i].slotLabelId != 0) {
      wsprintfW(line, L"%s\t%s", TextW(1, lines[i].slotLabelId), name);
    } else {
      wsprintfW(line, L"    \t%s", name);
    }
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  return n;
}

void SetTabStop(HWND dialog) {
  int stop = 24;
  SendDlgItemMessageW(dialog, kList, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&stop));
}

int Selected(HWND dialog) {
  return static_cast<int>(SendDlgItemMessageW(dialog, kList, LB_GETCURSEL, 0, 0));
}

void Select(HWND dialog, int index) {
  SendDlgItemMessageW(dialog, kList, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// Only a player who is not in the hall may be chosen or deleted: the line begins with a blank.
bool SelectedIsChoosable(HWND dialog) {
  int i = Selected(dialog);
  if (i < 0) return false;
  wchar_t line[128];
  if (SendDlgItemMessageW(dialog, kList, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) >= 128) {
    return false;
  }
  SendDlgItemMessageW(dialog, kList, LB_GETTEXT, static_cast<WPARAM>(i),
                      reinterpret_cast<LPARAM>(line));
  return line[0] == L' ';
}

void Enable(HWND dialog, int id, bool on) { EnableWindow(GetDlgItem(dialog, id), on ? TRUE : FALSE); }

// The only way left is out: 終了 takes the focus and the default.
void FocusClose(HWND dialog) {
  SendMessageW(dialog, DM_SETDEFID, IDOK, 0);
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDOK)), TRUE);
}

void Inspect(HWND dialog) {
  int i = Selected(dialog);
  if (i < 0) return;
  DialogBoxParamW(GameInstance, MAKEINTRESOURCEW(IDD_PLAYER_INFO), dialog, PlayerInfoDialogProc, i);
}

void Enrol(HWND dialog) {
  INT_PTR k = DialogBoxParamW(GameInstance, MAKEINTRESOURCEW(IDD_ENROL), dialog, EnrolDialogProc, 0);
  if (k <= 0) return;
  int n = FillList(dialog);
  if (n >= kPlayerRecords) {
    FocusClose(dialog);
    Enable(dialog, kEnrol, false);
  }
  Enable(dialog, kInspect, true);
  Select(dialog, static_cast<int>(k) - 1);
  Enable(dialog, kDelete, SelectedIsChoosable(dialog));
}

void Delete(HWND dialog) {
  int i = Selected(dialog);
  if (i < 0 || !SelectedIsChoosable(dialog)) return;
  MessageBeep(MB_OK);
  if (ShowHallMessage(dialog, DeleteQuestion(i), MB_OKCANCEL) != IDOK) return;
  DeletePlayer(i);
  FillList(dialog);
  Enable(dialog, kEnrol, true);
  int next = SelectionAfterDelete(i);
  if (next < 0) {
    FocusClose(dialog);
    Enable(dialog, kInspect, false);
    Enable(dialog, kDelete, false);
    return;
  }
  Select(dialog, next);
  Enable(dialog, kDelete, SelectedIsChoosable(dialog));
}

}  // namespace

INT_PTR CALLBACK PlayerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetTabStop(dialog);
    int n = FillList(dialog);
    if (n == 0) {
      Enable(dialog, kInspect, false);
      Enable(dialog, kDelete, false);
    }
    if (n >= kPlayerRecords) Enable(dialog, kEnrol, false);
    Select(dialog, 0);
    Enable(dialog, kDelete, n > 0 && SelectedIsChoosable(dialog));
    return TRUE;
  }
  if (message == WM_CLOSE) {
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case kList:
      if (HIWORD(wParam) == LBN_SELCHANGE) Enable(dialog, kDelete, SelectedIsChoosable(dialog));
      if (HIWORD(wParam) == LBN_DBLCLK) Inspect(dialog);
      return TRUE;
    case kInspect: Inspect(dialog); return TRUE;
    case kEnrol: Enrol(dialog); return TRUE;
    case kDelete: Delete(dialog); return TRUE;
    case IDOK:
    case IDCANCEL: EndDialog(dialog, IDOK); return TRUE;
    default: return FALSE;
  }
}

INT_PTR CALLBACK EnrolDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    // Twenty-two characters may still be more than 22 bytes; the rule then asks for a shorter
    // name rather than cutting it.
    SendDlgItemMessageW(dialog, kNameEdit, EM_LIMITTEXT, kMaxNameLength, 0);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, 0);
    return TRUE;
  }
  if (LOWORD(wParam) != IDOK) return FALSE;
  wchar_t typed[64];
  GetDlgItemTextW(dialog, kNameEdit, typed, 64);
  char name[2 * 64 + 1];
  HallMessage refusal;
  int k = 0;
  if (!WideToCp932(typed, name, sizeof name)) {
    wchar_t text[kWideTextChars];
    Utf8ToWide(kTextNameNotStorable, text, kWideTextChars);
    GameMessageBox(dialog, text, MB_ICONWARNING);
  } else {
    k = EnrolPlayer(name, refusal);
    if (k == 0) ShowHallMessage(dialog, refusal);
  }
  if (k == 0) {
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, kNameEdit)),
                 TRUE);
    return TRUE;
  }
  EndDialog(dialog, k);
  return TRUE;
}

INT_PTR CALLBACK PlayerInfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    int index = static_cast<int>(lParam);
    if (index < 0 || index >= kPlayerRecords) return TRUE;
    const PlayerRecord& p = Players[index];
    SetCp932(dialog, IDC_FIELD_1, p.name);
    SetText(dialog, IDC_FIELD_2, TextW(1, PlayerSlotLabelId(p)));
    char number[kGroupedTrimBytes];
    FormatGrouped(p.purse, number);
    SetUtf8(dialog, IDC_FIELD_3, number);
    char rate[8];
    FormatWinRate(p, rate);
    SetUtf8(dialog, IDC_FIELD_4, rate);
    if (p.best.date[0] != '\0') {
      SetCp932(dialog, IDC_FIELD_5, p.best.date);
      SetCp932(dialog, IDC_FIELD_6, p.best.text);
      FormatGroupedTrim(p.best.amount < 0 ? -p.best.amount : p.best.amount, number);
      SetUtf8(dialog, IDC_FIELD_7, number);
      SetText(dialog, IDC_FIELD_8, TextW(1, TextWin));
    }
    for (int k = 0; k < kHistoryVisits; ++k) {
      const ScoreEntry& e = p.history[k];
      if (e.date[0] == '\0') continue;
      SetCp932(dialog, IDC_FIELD_9 + 4 * k, e.date);
      SetCp932(dialog, IDC_FIELD_10 + 4 * k, e.text);
      FormatGroupedTrim(e.amount < 0 ? -e.amount : e.amount, number);
      SetUtf8(dialog, IDC_FIELD_11 + 4 * k, number);
      if (e.amount != 0) SetText(dialog, IDC_FIELD_12 + 4 * k, TextW(1, e.amount < 0 ? TextLoss : TextWin));
    }
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK PlayerChoiceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetTabStop(dialog);
    FillList(dialog);
    Select(dialog, 0);
    Enable(dialog, IDOK, SelectedIsChoosable(dialog));
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case kList:
      if (HIWORD(wParam) == LBN_SELCHANGE) Enable(dialog, IDOK, SelectedIsChoosable(dialog));
      if (HIWORD(wParam) == LBN_DBLCLK && SelectedIsChoosable(dialog)) {
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      }
      return TRUE;
    case IDOK:
      // The default button answers Enter even when greyed out: the rule refuses then.
      if (SelectedIsChoosable(dialog) && StartVisit(Selected(dialog))) EndDialog(dialog, 1);
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}
