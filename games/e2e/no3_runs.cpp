// The Tarnolet 3's own end-to-end run, read back from the screen: its hall lamps, the bet
// button blinking while credited medals wait, the START lamp, the dark flash of a winning line,
// and the dark reels with a bright middle row in JAC play.
#include "games/common/resource_ids.h"
#include "games/e2e/no3_runs.h"

#include <cstdio>

#include "games/e2e/e2e_steps.h"
#include "games/e2e/face_check.h"
#include "presentation/game_description.h"

namespace {

constexpr int kBigBonusMachine = 0;  // where the hall cursor starts: a big bonus in progress
constexpr int kWinMachine = 9;       // three peach pairs are drawn: the next full bet wins
constexpr int kJacMachine = 10;      // a JAC stage whose every game wins
constexpr int kPeachPairRole = 8;
const std::wstring kFirst = L"一郎", kSecond = L"二郎";

// The part of the description that draws this strip.
int PartOf(const char* strip) {
  const GameDescription& d = DrivenDescription();
  const int s = StripIndex(d, strip);
  for (int i = 0; i < d.partCount; ++i) {
    if (d.parts[i].drawer == PartDrawer::Looks && d.parts[i].strip == s) return i;
  }
  return -1;
}

// Reel cells as the bits of the description's dark-cell rule (bit 3 x reel + row).
int LineCells(int lines) {
  static const int kRows[5][3] = {{0, 1, 2}, {0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {2, 1, 0}};
  int cells = 0;
  for (int line = 0; line < 5; ++line) {
    if ((lines >> line) & 1) {
      for (int reel = 0; reel < 3; ++reel) cells |= 1 << (3 * reel + kRows[line][reel]);
    }
  }
  return cells;
}
constexpr int kAllCells = 0x1FF, kOuterRows = 0x16D;  // every cell; the top and bottom rows

struct Screen : FaceOnScreen {
  int misses = 0;

  // A rectangle in which no pixel is the white of the lit reel paper: the reel light is off.
  bool Dark(int x, int y, int w, int h) const {
    for (int j = y; j < y + h; ++j) {
      for (int i = x; i < x + w; ++i) {
        if (now.At(i, j) == 0xFFFFFF) return false;
      }
    }
    return true;
  }
  // The dark cells of the three windows (bit 3 x reel + row).
  int DarkCells() const {
    const GameDescription& d = DrivenDescription();
    int cells = 0;
    for (int reel = 0; reel < 3; ++reel) {
      for (int row = 0; row < 3; ++row) {
        int y = d.reels.y + d.reels.rowsAbove + d.symbolHeight * row;
        if (Dark(d.reels.x + d.reels.step * reel, y, d.reels.w, d.symbolHeight)) cells |= 1 << (3 * reel + row);
      }
    }
    return cells;
  }
  // The windows' edges above the top row and below the bottom row are dark.
  bool EdgesDark() const {
    const ReelGeometry& r = DrivenDescription().reels;
    const int below = r.rowsAbove + 3 * DrivenDescription().symbolHeight;
    for (int reel = 0; reel < 3; ++reel) {
      int x = r.x + r.step * reel;
      if (!Dark(x, r.y, r.w, r.rowsAbove) || !Dark(x, r.y + below, r.w, r.h - below)) return false;
    }
    return true;
  }
  int Look(int part, int place = 0) const { return ref.PartLook(now, part, place); }
  // The lit bet-line lamps as line bits, or -1 when a lamp shows neither look.
  int LitLines(int part) const {
    int lines = 0;
    for (int i = 0; i < 5; ++i) {
      int look = Look(part, i);
      if (look < 0) return -1;
      if (look >= 5) lines |= 1 << i;
    }
    return lines;
  }
  // Waits until the screen shows what is asked; when it never does, the last picture is kept.
  template <typename Condition>
  bool Until(Condition condition, int ms) {
    if (WaitUntil([&] { return Grab() && condition(); }, ms)) return true;
    char name[32];
    std::snprintf(name, sizeof name, "no3-miss-%d.bmp", ++misses);
    if (SavePicture(now, DataPath(name))) std::printf("  the screen then: %s\n", DataPath(name).c_str());
    return false;
  }
  // The looks a place shows over `ms`, as bits (look k = bit k; bit 31 for no look at all, seen
  // on two pictures in a row: a picture taken while the window was being copied to is torn).
  template <typename Read>
  unsigned LooksSeen(Read read, int ms) {
    unsigned seen = 0;
    bool noLookBefore = false;
    WaitUntil([&] {
      if (Grab()) {
        int look = read();
        if (look >= 0) seen |= 1u << look;
        if (look < 0 && noLookBefore) seen |= 1u << 31;
        noLookBefore = look < 0;
      }
      return false;
    }, ms);
    return seen;
  }
};

void Exchange(GameSession& g, const char* what) {
  g.Command(ID_CMD_EXCHANGE);
  HWND exchange = g.WaitDialog(L"メダル交換");
  if (!Check(exchange != nullptr, "%s: the exchange opens", what)) return;
  g.Press(exchange, IDOK);
  g.WaitGone(exchange);
}

// Lever, then the three stops one after another as each STOP lamp goes out.
bool PlayGame(GameSession& g, Screen& s, const char* what) {
  const int stops = PartOf("StopLampLooks");
  Key(g, 5);
  // The three lamps look alike: their lit looks (3 to 5) are read as the first of them.
  auto lit = [&](int reel) { return s.Look(stops, reel) >= 3; };
  if (!Check(s.Until([&] { return lit(0) && lit(1) && lit(2); }, 8000), "%s: the lever lights the three STOP lamps",
             what)) {
    return false;
  }
  Sleep(800);
  for (int reel = 0; reel < 3; ++reel) {
    Key(g, reel + 1);
    if (!Check(s.Until([&] { return s.Look(stops, reel) >= 0 && !lit(reel); }, 5000), "%s: keypad %d puts out STOP lamp %d",
               what, reel + 1, reel + 1)) {
      return false;
    }
    Sleep(500);
  }
  return true;
}

// The hall: a machine in its big bonus blinks its top lamp and flashes its band; a machine
// without a bonus shows both unlit.
void HallLamps(GameSession& g, const std::wstring& exe) {
  Screen hall;
  hall.window = g.Child(L"Kv4401Hall");
  if (!Check(hall.ref.LoadHall(exe), "the hall lamps load from the program")) return;
  const GameDescription& d = DrivenDescription();
  auto seen = [&](int part, int machineLeft) {
    const HallPartSpec& p = d.hallParts[part];
    return hall.LooksSeen([&] { return hall.ref.HallLookAt(hall.now, p.strip, machineLeft + p.x, p.y); }, 1500);
  };
  // The cursor's machine stands in the middle slot of the view.
  const int centre = 192 - 74 + 52, left = centre - 192;
  const unsigned both = 1u | 2u;
  for (int part = 0; part < d.hallPartCount; ++part) {
    const char* name = d.hallStrips[d.hallParts[part].strip].name;
    unsigned looks = seen(part, centre);
    Check(looks == both, "hall, machine in a big bonus: %s shows both its looks, nothing else (seen %#x)", name,
          looks);
  }
  Do(g, ID_CMD_NEXT_MACHINE);  // the cursor to machine 1, a customer's machine without a bonus
  Sleep(600);
  const int top = 0, band = 1;
  unsigned lamp = seen(top, centre), stripe = seen(band, centre);
  Check(lamp == 2u && stripe == 1u, "hall, a machine without a bonus: top lamp and band unlit (seen %#x, %#x)",
        lamp, stripe);
  lamp = seen(top, left);
  Check(lamp == both, "hall, the big bonus beside the cursor still blinks its top lamp (seen %#x)", lamp);
  Do(g, ID_CMD_PREV_MACHINE);
  Sleep(600);
}

void RunWin(GameSession& g, Screen& s) {
  const int bet = 21, start = PartOf("StartLampLooks"), lines = PartOf("LineLampLooks");
  const int meter = PartOf("WinMeterLooks"), digits = PartOf("MeterDigits");
  auto betLooks = [&](int ms) { return s.LooksSeen([&] { return s.ref.ControlLook(s.now, bet); }, ms); };
  auto startLooks = [&](int ms) { return s.LooksSeen([&] { return s.Look(start); }, ms); };
  SitAt(g, kWinMachine, "seated at the peach pairs");
  Exchange(g, "the first medals");
  unsigned looks = betLooks(1000);
  Check(looks == 1u, "no credit: the bet button does not blink (seen %#x)", looks);
  looks = startLooks(600);
  Check(looks == 1u, "before the bet: the START lamp unlit (seen %#x)", looks);
  for (int medal = 0; medal < 3; ++medal) Key(g, 6);
  looks = startLooks(1200);
  Check(looks == 3u, "bet placed: the START lamp blinks (seen %#x)", looks);
  looks = betLooks(800);
  Check(looks == 1u, "bet placed, no credit: the bet button unlit (seen %#x)", looks);
  for (int medal = 0; medal < 4; ++medal) Key(g, 6);  // past the full bet: into the credit
  looks = betLooks(1200);
  Check(looks == (1u | 4u), "credited medals wait: the bet button blinks (seen %#x)", looks);
  if (!PlayGame(g, s, "the peach pairs")) return;
  looks = betLooks(800);
  Check(looks == 1u, "a game under way: the bet button unlit (seen %#x)", looks);
  looks = startLooks(400);
  Check(looks == 1u, "a game under way: the START lamp unlit (seen %#x)", looks);

  if (!Check(s.Until([&] { return s.Look(meter) == 1; }, 10000), "the win lights the WIN METER label")) return;
  // The winning lines' cells flash dark with their lamps; the other cells stay bright.
  bool dark = false, bright = false, meterSteady = true;
  int stray = 0, lamps = 0;
  WaitUntil([&] {
    if (!s.Grab()) return false;
    int lit = s.LitLines(lines), cells = s.DarkCells();
    meterSteady = meterSteady && s.Look(meter) == 1;
    if (lit > 0) {
      lamps |= lit;
      if (cells == LineCells(lit)) dark = true;
    }
    if (lit == 0 && cells == 0) bright = true;
    if ((cells & ~LineCells(lamps | lit)) != 0) ++stray;
    return false;
  }, 2500);
  Check(dark && bright, "the winning lines %#x flash dark with their lamps (dark seen %d, bright seen %d)", lamps,
        dark, bright);
  Check(stray == 0, "no cell of a line that did not win goes dark (%d pictures)", stray);
  Check(meterSteady, "the WIN METER label stays lit while the lines flash");
  ShotNow("no3-win-flash");
  // Paid out into the credit, the next game's medals wait in it.
  Check(s.Until([&] { return s.Look(digits, 2) == 1 && s.Look(digits, 3) == 5; }, 8000),
        "the payout meter shows 15");
  Sleep(1000);
  looks = betLooks(1200);
  Check(looks == (1u | 4u), "after the payout: the bet button blinks again (seen %#x)", looks);
}

void RunJac(GameSession& g, Screen& s) {
  const int digit = PartOf("BonusGameDigits"), stages = PartOf("StageLampLooks");
  Do(g, ID_CMD_SLOT_P2);
  EnterAs(g, 1);
  SitAt(g, kJacMachine, "P2 seated in a JAC stage");
  Check(s.Until([&] { return (s.DarkCells() & kAllCells) == kOuterRows && s.EdgesDark(); }, 3000),
        "JAC play: the reels dark but for the middle row (dark cells %#x)", s.DarkCells());
  Check(s.Look(digit) == 6, "JAC play: the bonus-game digit shows 6 (look %d)", s.Look(digit));
  unsigned first = s.LooksSeen([&] { return s.Look(stages, 0); }, 1200);
  unsigned second = s.LooksSeen([&] { return s.Look(stages, 1); }, 500);
  unsigned third = s.LooksSeen([&] { return s.Look(stages, 2); }, 500);
  Check(first == (1u | 8u) && second == 2u && third == 4u,
        "JAC stage 1: its lamp blinks, lamps 2 and 3 unlit (seen %#x, %#x, %#x)", first, second, third);
  Exchange(g, "medals for the JAC game");
  Key(g, 6);  // a JAC game takes one medal
  if (!PlayGame(g, s, "a JAC game")) return;
  Check(s.Until([&] { return s.Look(digit) == 5; }, 10000), "the JAC win counts down: the digit shows 5 (look %d)",
        s.Look(digit));
  bool whole = false, middle = false;
  WaitUntil([&] {
    if (!s.Grab()) return false;
    int cells = s.DarkCells();
    whole = whole || cells == kAllCells;
    middle = middle || cells == kOuterRows;
    return whole && middle;
  }, 3000);
  Check(whole && middle, "the JAC win flashes the middle row dark too (all dark %d, middle bright %d)", whole, middle);
  ShotNow("no3-jac");
}

}  // namespace

bool PrepareNo3Case(const std::string& run) {
  if (run != "no3") return false;
  PrepareShops(false);
  MachineRecord& big = Shops[ShopDay].machines[kBigBonusMachine];
  big.bigGames = 20;
  big.bigNet = 90;
  big.jacStage = 3;
  Shops[ShopDay].machines[kWinMachine].roleFlags = kPeachPairRole;
  MachineRecord& jac = Shops[ShopDay].machines[kJacMachine];
  jac.jacWins = 6;
  jac.jacGames = 6;
  jac.jacStage = 1;
  WriteHall();
  WritePlayers({kFirst.c_str(), kSecond.c_str()});
  return true;
}

void RunNo3Case(const std::string& run, GameSession& g, const std::wstring& exe) {
  if (run != "no3") return;
  Screen s;
  s.window = g.Child(L"Kv4401Play");
  if (!Check(s.ref.Load(exe), "the game's looks load from its program")) return;
  EnterAs(g, 0);
  HallLamps(g, exe);
  RunWin(g, s);
  RunJac(g, s);
}
