// The shop's high scores (405), the medal exchange at the seated machine (406) and the version
// box (407).
#include "games/common/resource_ids.h"
#include "hall/medal_exchange.h"
#include "hall/number_format.h"
#include "hall/player_roster.h"
#include "hall/player_slot.h"
#include "shell/win32/shell_windows.h"
#include "shell/win32/wide_text.h"

namespace {

void SetNarrow(HWND dialog, int id, const char* text, bool cp932) {
  wchar_t wide[64];
  if (cp932) {
    Cp932ToWide(text, wide, 64);
  } else {
    Utf8ToWide(text, wide, 64);
  }
  SetDlgItemTextW(dialog, id, wide);
}

bool EndsDialog(UINT message, WPARAM wParam) {
  return message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL);
}

}  // namespace

INT_PTR CALLBACK HighScoreDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    const ShopRecord* shop = CurrentSlot.slot->shopRecord;
    if (shop == nullptr) return TRUE;
    for (int r = 0; r < kHighScorePlaces; ++r) {
      const ScoreEntry& e = shop->highScores[r];
      char date[sizeof e.date + 1] = {};
      char text[sizeof e.text + 1] = {};
      for (size_t i = 0; i < sizeof e.date && e.date[i]; ++i) date[i] = e.date[i];
      for (size_t i = 0; i < sizeof e.text && e.text[i]; ++i) text[i] = e.text[i];
      SetNarrow(dialog, IDC_FIELD_1 + 3 * r, date, true);
      SetNarrow(dialog, IDC_FIELD_2 + 3 * r, text, true);
      char amount[kGroupedTrimBytes];
      FormatGroupedTrim(e.amount, amount);
      SetNarrow(dialog, IDC_FIELD_3 + 3 * r, amount, false);
    }
    return TRUE;
  }
  if (EndsDialog(message, wParam)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK ExchangeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    const PlayerRecord* p = FindPlayer(CurrentSlot.slot->name);
    char purse[kGroupedTrimBytes];
    FormatGrouped(p != nullptr ? p->purse : 0, purse);
    SetNarrow(dialog, IDC_FIELD_1, purse, false);
    CheckRadioButton(dialog, kExchangeTable[0].button, kExchangeTable[kExchangeRows - 1].button,
                     ExchangeButton);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, 0);
    return TRUE;
  }
  if (LOWORD(wParam) != IDOK) return FALSE;
  int button = ExchangeButton;
  for (const ExchangeRow& row : kExchangeTable) {
    if (IsDlgButtonChecked(dialog, row.button) == BST_CHECKED) button = row.button;
  }
  HallMessage refusal = ExchangeMedals(button);
  if (refusal.stringId != 0) {
    ShowHallMessage(dialog, refusal);
    return TRUE;
  }
  InvalidateInfoArea();
  EndDialog(dialog, 1);
  return TRUE;
}

INT_PTR CALLBACK VersionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (EndsDialog(message, wParam)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}
