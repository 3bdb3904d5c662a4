// End-to-end runs of game No.1's play screen: a whole visit played with the keypad and by the
// machine itself, the lamps and displays read back from the screen, the out-of-medals notice,
// closing time while seated, and the sound option with and without a sound device.
#include "games/common/resource_ids.h"
#include "games/e2e/play_cases.h"

#include <cstdio>
#include <cwchar>

#include "games/e2e/e2e_game.h"
#include "games/e2e/e2e_steps.h"
#include "games/e2e/face_check.h"
#include "machine/machine_record.h"
#include "presentation/game_description.h"

namespace {

constexpr int kPlayMachine = 0;     // the fruit role is already drawn there
constexpr int kBonusMachine = 15;   // in the middle of a big bonus
const std::wstring kTaro = L"太郎";
const std::wstring kHanako = L"花子";

// ---- the face ----------------------------------------------------------------------------

// The face of the machine the current player sits at, as the screen shows it.
struct Face : FaceOnScreen {

  // The game's play window and the face bitmaps out of its program file.
  bool Attach(const GameSession& g, const std::wstring& exe) {
    window = g.Child(L"Kv4401Play");
    return Check(ref.Load(exe), "the face bitmaps load from the game");
  }
  LampLook Lamp(FaceLamp lamp) const { return ref.Lamp(now, lamp); }
  int Credit() const { return ref.CreditDisplay(now); }
  int Paid(bool* point = nullptr) const { return ref.PaidDisplay(now, point); }
  bool BetweenGames() const {
    bool point = false;
    return Paid(&point) >= 0 && point;
  }
  int misses = 0;

  // Waits until the screen shows what `condition` asks of it. When it never does, the last
  // picture is kept beside the save files for whoever reads the failure.
  template <typename Condition>
  bool Until(Condition condition, int ms) {
    if (WaitUntil([&] { return Grab() && condition(); }, ms)) return true;
    char name[32];
    std::snprintf(name, sizeof name, "face-miss-%d.bmp", ++misses);
    if (SavePicture(now, DataPath(name))) std::printf("  the screen then: %s\n", DataPath(name).c_str());
    return false;
  }
  bool UntilLamp(FaceLamp lamp, LampLook look, int ms) {
    return Until([&] { return Lamp(lamp) == look; }, ms);
  }
  // The lamps that blink are seen both lit and unlit within `ms`, and never half drawn.
  bool Blinks(FaceLamp lamp, int ms) {
    bool lit = false, unlit = false, torn = false;
    WaitUntil([&] {
      if (!Grab()) return false;
      LampLook look = Lamp(lamp);
      lit |= look == LookLit;
      unlit |= look == LookUnlit;
      torn |= look == LookNeither;
      return lit && unlit;
    }, ms);
    return lit && unlit && !torn;
  }
  // The five bet-line lamps as bits (lamp i = bit 2^i), or -1 when one of them is half drawn.
  int LineLamps() const {
    int bits = 0;
    for (int i = 0; i < 5; ++i) {
      LampLook look = Lamp(static_cast<FaceLamp>(LampLine0 + i));
      if (look == LookNeither) return -1;
      if (look == LookLit) bits |= 1 << i;
    }
    return bits;
  }
  bool StopLampsAre(int litBits) const {
    for (int r = 0; r < 3; ++r) {
      LampLook want = (litBits >> r) & 1 ? LookLit : LookUnlit;
      if (Lamp(static_cast<FaceLamp>(LampStop0 + r)) != want) return false;
    }
    return true;
  }
};

// The reels turn: two pictures a little apart differ inside the reel windows (all three, or
// the window of one reel). The reels move on every tick of 25 ms.
bool ReelsTurning(Face& face, int reel = -1) {
  if (!face.Grab()) return false;
  Picture before = face.now;
  Sleep(120);
  const ReelGeometry& r = DrivenDescription().reels;
  int x = reel < 0 ? r.x : r.x + r.step * reel, w = reel < 0 ? 2 * r.step + r.w : r.w;
  return face.Grab() && Differences(before, face.now, x, r.y, w, r.h) > 0;
}

// A stop asked for by the keypad: the STOP lamp goes out at once, the reel slides on to its
// stop. The machine takes one stop at a time, so the next key waits for the reel to rest.
bool StopWithKey(GameSession& g, Face& face, int reel) {
  Key(g, reel + 1);
  return face.UntilLamp(static_cast<FaceLamp>(LampStop0 + reel), LookUnlit, 5000) &&
         WaitUntil([&] { return !ReelsTurning(face, reel); }, 5000);
}

// Ends by hand the game automatic play may have begun: the lever if medals are bet, then each
// reel whose STOP lamp is lit.
bool FinishGameByHand(GameSession& g, Face& face) {
  return WaitUntil([&] {
    if (!face.Grab()) return false;
    if (face.BetweenGames()) return true;
    for (int r = 0; r < 3; ++r) {
      if (face.Lamp(static_cast<FaceLamp>(LampStop0 + r)) == LookLit) {
        StopWithKey(g, face, r);
        return false;
      }
    }
    Key(g, 5);  // taken only while medals are bet
    Sleep(200);
    return false;
  }, 30000);
}

// One game with the keypad: lever, then the three stops as their lamps allow. Returns false
// when a step did not happen in time.
bool PlayOneGame(GameSession& g, Face& face, const char* what) {
  Key(g, 5);
  bool spinning = face.Until([&] { return face.StopLampsAre(7); }, 8000);
  if (!Check(spinning, "%s: after the lever the three STOP lamps light", what)) return false;
  for (int r = 0; r < 3; ++r) {
    if (!Check(StopWithKey(g, face, r), "%s: keypad %d stops reel %d and its STOP lamp goes out",
               what, r + 1, r + 1)) {
      return false;
    }
  }
  bool over = face.Until([&] { return face.BetweenGames(); }, 15000);
  return Check(over, "%s: the game ends (the decimal point shows after the paid display)", what);
}

// ---- the cash-out box ----------------------------------------------------------------------

// The numbers of a text in order, thousands separators included ("1,200" is 1200).
std::vector<long> Numbers(const std::wstring& text) {
  std::vector<long> out;
  bool in = false;
  for (size_t i = 0; i <= text.size(); ++i) {
    wchar_t c = i < text.size() ? text[i] : L' ';
    bool comma = c == L',' && in && i + 1 < text.size() && iswdigit(text[i + 1]);
    if (iswdigit(c)) {
      if (!in) out.push_back(0);
      out.back() = out.back() * 10 + (c - L'0');
      in = true;
    } else if (!comma) {
      in = false;
    }
  }
  return out;
}

struct CashOutSeen {
  long medals = -1, yen = -1, odd = -1;
};

// The cash-out box after leaving a machine: its text names the medals, the yen they fetch
// (16 medals for 200 yen) and the odd medals carried to the next machine.
CashOutSeen TakeCashOut(GameSession& g, const std::wstring& name, const char* what) {
  std::wstring text = TakeBox(g, IconInfo, what);
  CashOutSeen seen;
  std::vector<long> n = Numbers(text);
  std::wstring head = L"「" + name + L"」さん\nメダル ";
  bool shaped = text.compare(0, head.size(), head) == 0 && n.size() == 3 &&
                text.find(L"枚で ") != std::wstring::npos &&
                text.find(L"円と、余り ") != std::wstring::npos &&
                text.size() > 5 && text.compare(text.size() - 5, 5, L"枚でした。") == 0;
  if (!Check(shaped, "%s: the cash-out text (got \"%s\")", what, ToUtf8(text).c_str())) return seen;
  seen.medals = n[0];
  seen.yen = n[1];
  seen.odd = n[2];
  Check(seen.yen == seen.medals / 16 * 200 && seen.odd == seen.medals % 16,
        "%s: %ld medals fetch %ld yen with %ld odd", what, seen.medals, seen.yen, seen.odd);
  return seen;
}

// ---- runs ---------------------------------------------------------------------------------

// Keys on the title and hall screens press nothing: no box, the screen stays, and the player
// who sits down later finds the machine as it was.
void KeysDoNothing(GameSession& g, const wchar_t* screen, const char* what) {
  Keys(g, {6, 6, 6, 4, 5, 1, 2, 3});
  Check(g.WaitMessageBox(300) == nullptr, "%s: the keypad shows nothing", what);
  CheckScreen(g, screen, what);
}

void RunPlay(GameSession& g, const std::wstring& exe) {
  Face face;
  if (!face.Attach(g, exe)) return;

  KeysDoNothing(g, L"Kv4401Demo", "keypad on the title");
  EnterAs(g, 0);
  KeysDoNothing(g, L"Kv4401Hall", "keypad in the hall");
  SitAt(g, kPlayMachine, "seated at machine 1");
  auto bar = g.MenuBar();
  Check(Greyed(bar, ID_CMD_SOUND) && !Checked(bar, ID_CMD_SOUND), "play bar: no sound device greys sound");

  // A machine nobody touched: nothing paid, no credit, between games, every lamp dark but the
  // MEDALS lamp, which blinks for medals.
  bool idle = face.Until([&] {
    return face.Paid() == 0 && face.BetweenGames() && face.Credit() == 0 && face.LineLamps() == 0;
  }, 5000);
  Check(idle, "the displays show 00. and 00 with the bet lamps dark (paid %d, credit %d)",
        face.Paid(), face.Credit());
  Check(face.Blinks(LampMedals, 3000), "the MEDALS lamp blinks while the machine waits");
  for (FaceLamp lamp : {LampStop0, LampStop1, LampStop2, LampBonus0, LampBonus1, LampBonus2,
                        LampBigChance, LampWait}) {
    Check(face.Lamp(lamp) == LookUnlit, "idle: the %s lamp is dark", FaceReference::LampName(lamp));
  }

  Exchange50(g, "the first medals");
  // The bet button with no credit: held down by the key it shows its pressed look, and when the
  // key comes up it is released having bet nothing.
  DWORD_PTR result = 0;
  SendMessageTimeoutW(g.Main(), WM_KEYDOWN, VK_NUMPAD4, 1, SMTO_NORMAL, 5000, &result);
  Check(face.UntilLamp(ButtonBet, LookLit, 3000), "keypad 4 held: the bet button shows pressed");
  SendMessageTimeoutW(g.Main(), WM_KEYUP, VK_NUMPAD4, 0xC0000001, SMTO_NORMAL, 5000, &result);
  Check(face.UntilLamp(ButtonBet, LookUnlit, 3000), "keypad 4 up: the bet button is released");
  Sleep(300);
  Check(face.Grab() && face.LineLamps() == 0 && face.Credit() == 0 && face.BetweenGames(),
        "the bet button with no credit bets nothing");

  // Three medals bet, five more into the credit.
  Keys(g, {6, 6, 6});
  Check(face.Until([&] { return face.LineLamps() == 31; }, 3000),
        "three medals light all five bet lines (got %d)", face.LineLamps());
  Check(!face.BetweenGames() && face.Paid() == 0, "betting clears the decimal point");
  Keys(g, {6, 6, 6, 6, 6});
  Check(face.Until([&] { return face.Credit() == 5; }, 3000), "five more medals: credit 05 (got %d)",
        face.Credit());
  Check(face.Blinks(LampMedals, 3000), "the MEDALS lamp blinks while the bet may grow");

  // The fruit role drawn beforehand wins this game. The lever held by its key shows pulled
  // down; a key press never moves the mouse cursor.
  POINT cursorBefore{}, cursorAfter{};
  GetCursorPos(&cursorBefore);
  SendMessageTimeoutW(g.Main(), WM_KEYDOWN, VK_NUMPAD5, 1, SMTO_NORMAL, 5000, &result);
  Check(face.UntilLamp(ButtonLever, LookLit, 3000), "keypad 5 held: the lever shows pulled down");
  SendMessageTimeoutW(g.Main(), WM_KEYUP, VK_NUMPAD5, 0xC0000001, SMTO_NORMAL, 5000, &result);
  Check(face.UntilLamp(ButtonLever, LookUnlit, 3000), "keypad 5 up: the lever is released");
  GetCursorPos(&cursorAfter);
  Check(cursorBefore.x == cursorAfter.x && cursorBefore.y == cursorAfter.y,
        "the keypad leaves the mouse cursor where it was");
  Check(face.Until([&] { return face.StopLampsAre(7); }, 8000), "the STOP lamps light for the spin");
  Check(ReelsTurning(face), "the reels turn");
  Check(face.Lamp(LampMedals) == LookUnlit && face.LineLamps() == 31,
        "spinning: MEDALS dark, the bet lines stay lit");
  for (int r = 0; r < 3; ++r) {
    Check(StopWithKey(g, face, r), "keypad %d: the STOP lamp of reel %d goes out, the reel rests",
          r + 1, r + 1);
  }
  Check(face.Until([&] { return face.BetweenGames(); }, 15000), "the first game ends");
  int paid = face.Paid();
  Check(paid > 0 && face.Credit() == 5 + paid, "the win is paid into the credit: paid %d, credit %d",
        paid, face.Credit());
  int litSeen = 0, darkSeen = 0, torn = 0;
  WaitUntil([&] {
    if (!face.Grab()) return false;
    int bits = face.LineLamps();
    if (bits < 0) ++torn;
    if (bits == 0) ++darkSeen;
    if (bits > 0) litSeen |= bits;
    return darkSeen > 0 && litSeen != 0;
  }, 3000);
  Check(litSeen != 0 && darkSeen > 0 && torn == 0,
        "the winning lines flash (lamps seen lit: %d, dark %d times)", litSeen, darkSeen);
  Check(face.Blinks(LampMedals, 3000), "after the win the MEDALS lamp blinks again");
  int credit = face.Credit();

  // The next game bets from the credit with the bet button.
  Keys(g, {4, 4, 4, 4});
  Check(face.Until([&] { return face.Credit() == credit - 3 && face.LineLamps() == 31; }, 3000),
        "the bet button bets three medals from the credit and no more (credit %d)", face.Credit());
  PlayOneGame(g, face, "second game");

  // The machine plays itself for a while, also while the player looks at the hall.
  Do(g, ID_CMD_AUTO);
  Check(face.Until([&] { return face.StopLampsAre(7); }, 10000), "automatic play starts a game");
  Check(face.Until([&] { return face.BetweenGames(); }, 20000), "automatic play ends its game");
  Do(g, ID_CMD_HALL_VIEW);
  CheckScreen(g, L"Kv4401Hall", "looking at the hall");
  Sleep(3000);
  Do(g, ID_CMD_BACK_TO_MACHINE);
  CheckScreen(g, L"Kv4401Play", "back at the machine");
  bar = g.MenuBar();
  Check(Checked(bar, ID_CMD_AUTO), "automatic play is still chosen");
  Check(face.Until([&] { return face.StopLampsAre(7); }, 10000), "automatic play goes on");
  Do(g, ID_CMD_MANUAL);
  Sleep(1000);  // a press automatic play had posted arrives still
  Check(FinishGameByHand(g, face), "after switching to manual the game in progress ends by hand");
  Sleep(1500);
  Check(face.Grab() && face.BetweenGames() && face.StopLampsAre(0), "manual: no game starts");
  credit = face.Credit();

  // Stopping: the question, the cash-out of every medal, the hall, the farewell.
  g.Command(ID_CMD_STOP_PLAYING);
  ExpectBox(g, L"「" + kTaro + L"」さん\n止めますか。", IconAsk, IDOK, "stop playing");
  CashOutSeen cash = TakeCashOut(g, kTaro, "cash-out");
  Check(cash.medals >= credit, "the cash-out holds the credit shown (%ld >= %d)", cash.medals, credit);
  CheckScreen(g, L"Kv4401Hall", "after standing up");
  g.Command(ID_CMD_LEAVE_SHOP);
  ExpectBox(g, L"「" + kTaro + L"」さん\nまたのご来店、心よりお待ちしております。", IconInfo, IDOK,
            "farewell");
  CheckScreen(g, L"Kv4401Demo", "after leaving");

  // P2 sits down at a big bonus without medals: the notice comes at the next switch to P2.
  Do(g, ID_CMD_SLOT_P2);
  EnterAs(g, 1);
  SitAt(g, kBonusMachine, "P2 seated at machine 20");
  Check(face.Until([&] {
    return face.Lamp(LampBigChance) == LookLit && face.Lamp(LampBonus2) == LookLit &&
           face.Lamp(LampBonus1) == LookLit && face.Lamp(LampBonus0) == LookUnlit;
  }, 5000), "a big bonus after two JAC stages: BIG CHANCE and BONUS 1 and 2 lit, BONUS 3 dark");
  Sleep(500);
  HWND notice = NoticeDialog(g);
  Check(notice != nullptr && !IsWindowVisible(notice), "sitting down without medals shows nothing yet");
  Do(g, ID_CMD_SLOT_P1);
  Do(g, ID_CMD_SLOT_P2);
  CheckNoticeShown(g, L"メダルがありません。", "out of medals");
  DWORD shownAt = GetTickCount();
  notice = NoticeDialog(g);
  bool hid = WaitUntil([&] { return !IsWindowVisible(notice); }, 20000);
  double seconds = (GetTickCount() - shownAt) / 1000.0;
  std::printf("  the notice stood %.1f s\n", seconds);
  // It hides at its ninth age step, and the steps come every 1.6 s: 12.8 to 14.4 s after it
  // appeared, a little more on a busy machine.
  Check(hid && seconds >= 12.5 && seconds <= 17.0, "the notice hides itself after 13-14 s (%.1f s)",
        seconds);
  Do(g, ID_CMD_SLOT_P1);
  Do(g, ID_CMD_SLOT_P2);
  CheckNoticeShown(g, L"メダルがありません。", "out of medals again");

  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  ExpectBox(g, L"「" + kHanako + L"」さん\n止めますか。", IconAsk, IDOK, "closing: P2's question");
  ExpectBox(g, L"「" + kHanako + L"」さん\nまたのご来店、心よりお待ちしております。", IconInfo, IDOK,
            "closing: P2's farewell (no medals, no cash-out)");
  Check(g.WaitExit() == 0, "the game ends");

  if (!Check(LoadPlayerFile(DataPath("tavri.dat").c_str()), "the player file loads")) return;
  const PlayerRecord* taro = FindRecord(kTaro);
  const PlayerRecord* hanako = FindRecord(kHanako);
  if (Check(taro != nullptr && hanako != nullptr, "both players are in the file")) {
    long result = cash.yen - 1000;
    Check(taro->purse == 9000 + cash.yen, "P1's purse: 9,000 + %ld (got %d)", cash.yen, taro->purse);
    Check(taro->carriedMedals == cash.odd, "P1 carries %ld medals (got %d)", cash.odd,
          taro->carriedMedals);
    Check(taro->history[0].amount == result, "P1's visit: %ld yen (got %d)", result,
          taro->history[0].amount);
    Check(taro->wins == (result > 0 ? 1 : 0) && taro->losses == (result < 0 ? 1 : 0),
          "P1's visit counts as %s (got %d wins, %d losses)",
          result > 0 ? "a win" : result < 0 ? "a loss" : "neither", taro->wins, taro->losses);
    Check(hanako->purse == 10000 && hanako->carriedMedals == 0 && hanako->history[0].amount == 0 &&
              hanako->wins == 0 && hanako->losses == 0,
          "P2 spent nothing (purse %d)", hanako->purse);
  }
}

// Closing time while seated: the shop closes at 22:00 a few seconds after the start, and the
// first game that ends after it sends the player home. The machine plays by itself meanwhile.
void RunClosing(GameSession& g) {
  EnterAs(g, 0);
  SitAt(g, kPlayMachine, "seated before closing");
  Exchange50(g, "medals before closing");
  Do(g, ID_CMD_AUTO);
  const std::wstring who = L"「" + kTaro + L"」さん\n";
  HWND box = g.WaitMessageBox(60000);
  SYSTEMTIME now;
  GetLocalTime(&now);
  if (Check(box != nullptr, "after 22:00: a box appears")) {
    Check(now.wHour == 22, "the box comes after 22:00 (at %02d:%02d:%02d)", now.wHour, now.wMinute,
          now.wSecond);
    Check(g.BoxText(box) == L"閉店時間になりました。" && g.BoxIcon(box) == IconInfo,
          "22:00: \"閉店時間になりました。\" with the information icon (got \"%s\")",
          ToUtf8(g.BoxText(box)).c_str());
    g.Press(box, IDOK);
    g.WaitGone(box);
  }
  CashOutSeen cash = TakeCashOut(g, kTaro, "closing cash-out");
  CheckScreen(g, L"Kv4401Hall", "standing in the closed shop");
  auto bar = g.MenuBar();
  Check(Has(bar, ID_CMD_SELECT_MACHINE) && Has(bar, ID_CMD_LEAVE_SHOP) && !Has(bar, ID_CMD_BACK_TO_MACHINE), "the hall bar of a player on foot");
  g.Command(ID_CMD_SELECT_MACHINE);
  ExpectBox(g, L"閉店時間になりました。", IconWarn, IDOK, "a seat in the closed shop");
  g.Command(ID_CMD_LEAVE_SHOP);
  ExpectBox(g, who + L"またのご来店、心よりお待ちしております。", IconInfo, IDOK, "farewell");
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  Check(g.WaitExit() == 0, "the game ends");
  if (Check(LoadPlayerFile(DataPath("tavri.dat").c_str()), "the player file loads")) {
    const PlayerRecord* p = FindRecord(kTaro);
    Check(p != nullptr && p->purse == 9000 + cash.yen && p->carriedMedals == cash.odd,
          "the closing cash-out is kept: purse 9,000 + %ld, %ld medals carried", cash.yen, cash.odd);
  }
}

// With a sound device the sound option is offered and on, a game plays with its sounds, and
// the option toggles.
void RunSound(GameSession& g, const std::wstring& exe) {
  auto bar = g.MenuBar();
  Check(!Greyed(bar, ID_CMD_SOUND) && Checked(bar, ID_CMD_SOUND), "with a sound device: sound enabled and checked");
  Face face;
  if (!face.Attach(g, exe)) return;
  EnterAs(g, 0);
  SitAt(g, kPlayMachine, "seated with sound");
  Exchange50(g, "medals with sound");
  Keys(g, {6, 6, 6});
  Check(face.Until([&] { return face.LineLamps() == 31; }, 3000), "with sound: three medals bet");
  PlayOneGame(g, face, "a game with sound");
  Do(g, ID_CMD_SOUND);
  bar = g.MenuBar();
  Check(!Greyed(bar, ID_CMD_SOUND) && !Checked(bar, ID_CMD_SOUND), "sound off: enabled and unchecked");
  Do(g, ID_CMD_SOUND);
  bar = g.MenuBar();
  Check(Checked(bar, ID_CMD_SOUND), "sound on again: checked");
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  ExpectBox(g, L"「" + kTaro + L"」さん\n止めますか。", IconAsk, IDOK, "closing: question");
  TakeCashOut(g, kTaro, "closing: cash-out");
  ExpectBox(g, L"「" + kTaro + L"」さん\nまたのご来店、心よりお待ちしております。", IconInfo, IDOK,
            "closing: farewell");
  Check(g.WaitExit() == 0, "the game ends");
}

// Pictures of the play screen for make screenshots: betting with credit, the reels turning, a
// win flashing its lines, a big bonus with its lamps. The lamps blink, so the driver takes the
// pictures itself at the moment the screen shows them.
void RunPlayShots(GameSession& g, const std::wstring& exe) {
  Face face;
  if (!face.Attach(g, exe)) return;
  EnterAs(g, 0);
  SitAt(g, kPlayMachine, "seated for the pictures");
  Exchange50(g, "medals for the pictures");
  Keys(g, {6, 6, 6, 6, 6, 6, 6, 6});
  if (face.Until([&] { return face.Credit() == 5 && face.Lamp(LampMedals) == LookLit; }, 3000)) {
    ShotNow("play-credit");
  }
  Key(g, 5);
  if (face.Until([&] { return face.StopLampsAre(7); }, 8000)) ShotNow("play-reels-spinning");
  StopWithKey(g, face, 0);
  StopWithKey(g, face, 1);
  if (face.Until([&] { return face.StopLampsAre(4); }, 5000)) ShotNow("play-third-reel-spinning");
  Key(g, 3);
  if (face.Until([&] { return face.BetweenGames() && face.LineLamps() > 0; }, 15000)) {
    ShotNow("play-win");
  }
  g.Command(ID_CMD_STOP_PLAYING);
  ExpectBox(g, L"「" + kTaro + L"」さん\n止めますか。", IconAsk, IDOK, "stop playing");
  TakeCashOut(g, kTaro, "cash-out");
  SitAt(g, kBonusMachine, "seated at the big bonus");
  Exchange50(g, "medals for the big bonus");
  Keys(g, {6, 6, 6});
  if (face.Until([&] { return face.Lamp(LampBigChance) == LookLit && face.LineLamps() == 31; }, 5000)) {
    ShotNow("play-big-bonus");
  }
  PlayOneGame(g, face, "a big bonus game");
  if (face.Until([&] { return face.LineLamps() > 0; }, 3000)) ShotNow("play-big-bonus-win");
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  TakeBox(g, IconAsk, "closing: question");
  TakeBox(g, IconInfo, "closing: cash-out");
  TakeBox(g, IconInfo, "closing: farewell");
  g.WaitExit();
}

}  // namespace

bool PreparePlayCase(const std::string& run) {
  if (run != "play" && run != "closing" && run != "sound" && run != "shots-play") return false;
  PrepareShops(false);
  MachineRecord& fruit = Shops[ShopDay].machines[kPlayMachine];
  fruit.roleFlags = RoleFruit;
  MachineRecord& bonus = Shops[ShopDay].machines[kBonusMachine];
  bonus.bigGames = 20;
  bonus.bigNet = 90;
  bonus.jacStage = 2;
  bonus.bigCountDay[2] = 1;
  WriteHall();
  if (run == "play") {
    WritePlayers({kTaro.c_str(), kHanako.c_str()});
  } else {
    WritePlayers({kTaro.c_str()});
  }
  return true;
}

void RunPlayCase(const std::string& run, GameSession& g, const std::wstring& exe) {
  if (run == "play") RunPlay(g, exe);
  if (run == "closing") RunClosing(g);
  if (run == "sound") RunSound(g, exe);
  if (run == "shots-play") RunPlayShots(g, exe);
}
