// The lean runs of any game, read through its description: start-up and the refusal of a
// second copy, a visit on its face with the keypad and automatic play, and the shared player
// file with game No.1 in both directions.
#include "games/common/resource_ids.h"
#include "games/e2e/lean_runs.h"

#include <cstdio>

#include "games/e2e/e2e_steps.h"
#include "games/e2e/face_check.h"
#include "presentation/game_description.h"

namespace {

constexpr int kPlayMachine = 0;  // a fruit role is already drawn there: the next game wins
const std::wstring kPlayer = L"一郎";

// A place drawn with OR over, or itself ORed over, another look (a point over a digit) shows no
// look of its own.
bool Overdrawn(const PartSpec& part, int place) {
  const Place& at = part.places[place];
  for (int q = 0; q < part.placeCount; ++q) {
    const Place& other = part.places[q];
    if (other.x == at.x && other.y == at.y && (other.paint || at.paint)) return true;
  }
  return false;
}

// The cash-out box of a player who stands up with medals, answered; false when none came.
bool TakeCashOut(GameSession& g, const std::wstring& who, int ms) {
  HWND box = g.WaitMessageBox(ms);
  if (box == nullptr || g.BoxText(box).find(who + L"メダル ") != 0) return false;
  g.Press(box, IDOK);
  g.WaitGone(box);
  return true;
}

// The first player enters, sits at the play machine and buys the preselected 50 medals.
bool SitAndBuyMedals(GameSession& g, const char* what) {
  EnterAs(g, 0);
  SitAt(g, kPlayMachine, what);
  g.Command(ID_CMD_EXCHANGE);
  HWND exchange = g.WaitDialog(L"メダル交換");
  if (!Check(exchange != nullptr, "%s: the exchange opens", what)) return false;
  g.Press(exchange, IDOK);
  return g.WaitGone(exchange);
}

// The face on the screen against the game's looks.
struct LeanFace : FaceOnScreen {

  // Every part a full paint draws shows one of its strip's looks at every place (a part the
  // paint leaves to the tick may still show the face's own picture).
  int PartsOffTheirLooks(std::string* which) {
    const GameDescription& d = DrivenDescription();
    int off = 0;
    for (int i = 0; i < d.partCount; ++i) {
      const PartSpec& part = d.parts[i];
      if (part.drawer != PartDrawer::Looks || (part.bit & d.fullPaintSkips) != 0) continue;
      for (int p = 0; p < part.placeCount; ++p) {
        if (Overdrawn(part, p)) continue;
        if (ref.PartLook(now, i, p) >= 0) continue;
        ++off;
        if (which != nullptr) {
          char place[96];
          std::snprintf(place, sizeof place, " %s@(%d,%d)", d.strips[part.strip].name,
                        part.places[p].x, part.places[p].y);
          *which += place;
        }
      }
    }
    return off;
  }
  bool ReelsMove() {
    const ReelGeometry& r = DrivenDescription().reels;
    if (!Grab()) return false;
    Picture before = now;
    Sleep(150);
    return Grab() && Differences(before, now, r.x, r.y, r.step * 2 + r.w, r.h) > 0;
  }
};

// The second copy of the family is refused with the running game's title.
void SecondCopyRefused(const std::wstring& exe, const std::wstring& probe, const std::wstring& running,
                       const char* what) {
  GameSession second(exe, probe);
  if (Check(second.Launch(), "%s: a second program starts", what) &&
      Check(second.Inject(), "%s: probe in it", what)) {
    ExpectBox(second, L"【" + running + L"】と同時には遊べません。", IconStop, IDOK, what);
    int code = second.WaitExit();
    Check(code == 0, "%s: the refused program ends with exit code 0 (got %d)", what, code);
  }
}

void RunStart(GameSession& g, const std::wstring& exe, const std::wstring& probe) {
  CheckScreen(g, L"Kv4401Demo", "start-up");
  CheckPanel(g, {5, 7, 8, 9}, "title");
  SecondCopyRefused(exe, probe, GameTitle(), "a second copy of the game");
  auto bar = g.MenuBar();
  Check(Checked(bar, ID_CMD_DAY_SHOP) && Has(bar, ID_CMD_ENTER_SHOP) && Has(bar, ID_CMD_EXIT), "title bar: shop and game items");
  // A player enrols, enters the shop and sits down.
  g.Command(ID_CMD_PLAYERS);
  HWND players = g.WaitDialog(L"ﾌﾟﾚｲﾔｰの情報");
  if (Check(players != nullptr, "the player dialog opens")) {
    Enrol(g, players, kPlayer);
    Check(ListCount(players) == 1 && ListLine(players, 0) == L"    \t" + kPlayer, "the new player is listed");
    g.Press(players, IDOK);
    g.WaitGone(players);
  }
  EnterAs(g, 0);
  SitAt(g, kPlayMachine, "the new player sits down");
  g.Command(ID_CMD_STOP_PLAYING);
  const std::wstring who = L"「" + kPlayer + L"」さん\n";
  ExpectBox(g, who + L"止めますか。", IconAsk, IDOK, "stop playing");
  TakeCashOut(g, who, 1500);  // nothing was bought: there may be nothing to cash
  CheckScreen(g, L"Kv4401Hall", "after standing up");
  g.Command(ID_CMD_LEAVE_SHOP);
  ExpectBox(g, who + L"またのご来店、心よりお待ちしております。", IconInfo, IDOK, "farewell");
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  int code = g.WaitExit();
  Check(code == 0, "the game ends with exit code 0 (got %d)", code);
  Check(FileSize(DataPath(HallFileName().c_str())) == 6440, "the game saved its own hall file %s",
        HallFileName().c_str());
}

void RunFace(GameSession& g, const std::wstring& exe) {
  LeanFace face;
  face.window = g.Child(L"Kv4401Play");
  if (!Check(face.ref.Load(exe), "the game's looks load from its program")) return;
  if (!SitAndBuyMedals(g, "seated")) return;

  std::string off;
  bool drawn = WaitUntil([&] { off.clear(); return face.Grab() && face.PartsOffTheirLooks(&off) == 0; }, 3000);
  Check(drawn, "seated: every lamp and display shows one of its looks (off:%s)", off.c_str());

  // The bet button and the lever show their pressed looks while their keys are held.
  for (int medal = 0; medal < 3; ++medal) Key(g, 6);
  KeypadKey(g, 4, true);
  Check(WaitUntil([&] { return face.Grab() && face.ref.ControlLook(face.now, 21) % 2 == 1; }, 3000),
        "keypad 4 held: the bet button shows pressed");
  KeypadKey(g, 4, false);
  KeypadKey(g, 5, true);
  Check(WaitUntil([&] { return face.Grab() && face.ref.ControlLook(face.now, 22) == 1; }, 3000),
        "keypad 5 held: the lever shows pulled down");
  KeypadKey(g, 5, false);
  Check(WaitUntil([&] { return face.ReelsMove(); }, 8000), "the lever starts the reels");
  Sleep(1500);
  for (int reel = 1; reel <= 3; ++reel) {
    Key(g, reel);
    Sleep(400);
  }
  Check(WaitUntil([&] { return !face.ReelsMove(); }, 10000), "the three stop keys stop the reels");
  // The fruit role drawn before the game is lined up and paid: read where the face can show it.
  if (face.ref.HasOrlidoDisplays()) {
    Check(WaitUntil([&] { return face.Grab() && face.ref.PaidDisplay(face.now) > 0; }, 8000),
          "the win is paid and shown (paid %d)", face.ref.PaidDisplay(face.now));
  } else {
    std::printf("  (this face's payout display is read by the game's own runs)\n");
  }
  off.clear();
  Check(WaitUntil([&] { off.clear(); return face.Grab() && face.PartsOffTheirLooks(&off) == 0; }, 5000),
        "after the game: every lamp and display shows one of its looks (off:%s)", off.c_str());

  // Automatic play works the controls on its own.
  Do(g, ID_CMD_AUTO);
  Check(WaitUntil([&] { return face.ReelsMove(); }, 15000), "automatic play starts a game");
  Check(WaitUntil([&] { return !face.ReelsMove(); }, 20000), "automatic play stops the reels");
  Check(WaitUntil([&] { return face.ReelsMove(); }, 20000), "automatic play goes on");
  Do(g, ID_CMD_MANUAL);
  if (!shotsDir.empty()) Shot("lean-face");
  CloseSeated(g, kPlayer);
}

// Game No.1 and this game share the player file, and each refuses to run beside the other.
void RunFamily(GameSession& g, const std::wstring& exe, const std::wstring& probe) {
  const std::wstring first = SiblingGame(exe, 1);
  SecondCopyRefused(first, probe, GameTitle(), "game No.1 beside this game");
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  g.WaitExit();

  // A visit in game No.1 changes the purse; the file it leaves is what this game reads.
  GameSession one(first, probe);
  if (!Check(one.Start(), "game No.1 starts")) return;
  if (!SitAndBuyMedals(one, "seated in game No.1")) return;
  CloseSeated(one, kPlayer);
  const bool saved = LoadPlayerFile(DataPath("tavri.dat").c_str());
  const PlayerRecord* p = saved ? FindRecord(kPlayer) : nullptr;
  if (!Check(p != nullptr, "game No.1 saved the player")) return;
  const int purse = p->purse;
  Check(purse < 10000, "the visit in game No.1 cost money (purse %d)", purse);

  GameSession again(exe, probe);
  if (!Check(again.Start(), "the game starts again")) return;
  again.Command(ID_CMD_PLAYERS);
  HWND players = again.WaitDialog(L"ﾌﾟﾚｲﾔｰの情報");
  if (Check(players != nullptr, "the player dialog opens")) {
    SelectLine(players, 0);
    again.Press(players, IDC_INSPECT);
    HWND info = again.WaitDialog(L"ﾌﾟﾚｲﾔｰの照会");
    if (Check(info != nullptr, "the player information opens")) {
      wchar_t want[32];
      std::swprintf(want, 32, L"%d,%03d", purse / 1000, purse % 1000);
      Check(Trim(again.ItemText(info, IDC_FIELD_3)) == want, "the purse left by game No.1 (got \"%s\")",
            ToUtf8(again.ItemText(info, IDC_FIELD_3)).c_str());
      again.Press(info, IDOK);
      again.WaitGone(info);
    }
    again.Press(players, IDOK);
    again.WaitGone(players);
  }
  SecondCopyRefused(first, probe, GameTitle(), "game No.1 beside this game, again");
  PostMessageW(again.Main(), WM_CLOSE, 0, 0);
  Check(again.WaitExit() == 0, "the game ends");
  const PlayerRecord* after = LoadPlayerFile(DataPath("tavri.dat").c_str()) ? FindRecord(kPlayer) : nullptr;
  Check(after != nullptr && after->purse == purse, "the purse is kept by this game's save");
}

}  // namespace

void CloseSeated(GameSession& g, const std::wstring& player) {
  const std::wstring who = L"「" + player + L"」さん\n";
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  ExpectBox(g, who + L"止めますか。", IconAsk, IDOK, "closing: question");
  Check(TakeCashOut(g, who, 5000), "closing: the cash-out");
  ExpectBox(g, who + L"またのご来店、心よりお待ちしております。", IconInfo, IDOK, "closing: farewell");
  int code = g.WaitExit();
  Check(code == 0, "the game ends with exit code 0 (got %d)", code);
}

bool PrepareLeanCase(const std::string& run) {
  if (run != "face" && run != "family") return false;
  PrepareShops(false);
  Shops[ShopDay].machines[kPlayMachine].roleFlags = RoleFruit;
  WriteHall();
  // Game No.1 finds the same floor in its own hall file.
  if (run == "family") {
    Check(SaveHallFile(DataPath("Kv4401.dat").c_str()), "game No.1's hall file is written");
  }
  WritePlayers({kPlayer.c_str()});
  return true;
}

void RunLeanCase(const std::string& run, GameSession& g, const std::wstring& exe,
                 const std::wstring& probe) {
  if (run == "start") RunStart(g, exe, probe);
  if (run == "face") RunFace(g, exe);
  if (run == "family") RunFamily(g, exe, probe);
}
