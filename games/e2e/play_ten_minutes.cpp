// The "play10" run: ten minutes at the play screen with four players seated, for the tick
// statistics. P1 plays automatically on screen, P3 and P4 automatically in the background.
#include <cstdio>

#include "games/common/resource_ids.h"
#include "games/e2e/e2e_steps.h"

namespace {

constexpr const wchar_t* kNames[] = {L"一郎", L"二郎", L"三郎", L"四郎"};

// Seats the player of slot `slot` at machine (16 - slot) mod 16 (P1 at 0, P2 at 15, P3 at 14, P4 at 13: all
// free in the prepared hall) with 500 medals, in automatic or manual play.
void SeatWithMedals(GameSession& g, int slot, bool automatic) {
  Do(g, ID_CMD_SLOT_P1 + slot);
  EnterAs(g, slot);
  SitAt(g, (16 - slot) % 16, "seated");
  g.Command(ID_CMD_EXCHANGE);
  HWND exchange = g.WaitDialog(L"メダル交換");
  if (!Check(exchange != nullptr, "P%d: the exchange opens", slot + 1)) return;
  SendDlgItemMessageW(exchange, IDC_MEDALS_50, BM_SETCHECK, BST_UNCHECKED, 0);
  SendDlgItemMessageW(exchange, IDC_MEDALS_500, BM_SETCHECK, BST_CHECKED, 0);
  g.Press(exchange, IDOK);
  Check(g.WaitGone(exchange), "P%d buys 500 medals", slot + 1);
  if (automatic) Do(g, ID_CMD_AUTO);
}

}  // namespace

void RunPlayTenMinutes(GameSession& g) {
  g.Command(ID_CMD_PLAYERS);
  HWND players = g.WaitDialog(L"ﾌﾟﾚｲﾔｰの情報");
  if (!Check(players != nullptr, "the player dialog opens")) return;
  for (const wchar_t* name : kNames) Enrol(g, players, name);
  g.Press(players, IDOK);
  g.WaitGone(players);

  SeatWithMedals(g, 1, false);
  SeatWithMedals(g, 2, true);
  SeatWithMedals(g, 3, true);
  SeatWithMedals(g, 0, true);
  const int measured = MeasureMilliseconds();
  std::printf("  four players seated; %d s of play on P1's screen\n", measured / 1000);
  Sleep(measured);

  // Closing asks each seated player in turn: stop?, the cash-out, the farewell.
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  int answered = 0;
  for (HWND box = g.WaitMessageBox(); box != nullptr; box = g.WaitMessageBox(3000)) {
    g.Press(box, IDOK);
    g.WaitGone(box);
    answered += 1;
  }
  Check(answered == 12, "closing asks, cashes out and bids farewell to four players (%d boxes)",
        answered);
  Check(g.WaitExit() == 0, "the game ends");
}
