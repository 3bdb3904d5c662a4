// The Pembrix 7 on the screen: the lamp panel through the bets, the wait after the lever and a
// JAC stage, the GAME OVER lamp and the displays between games, the printed face in its own true
// colours (its bitmap carries a colour table of its own), and the sign bands in the hall.
#include "games/common/resource_ids.h"
#include "games/e2e/no4_runs.h"

#include <cstdio>
#include <vector>

#include "games/e2e/e2e_steps.h"
#include "games/e2e/face_check.h"
#include "games/e2e/hall_bands.h"
#include "games/e2e/lean_runs.h"
#include "presentation/faces/no4_rules.h"
#include "presentation/game_description.h"

namespace {

constexpr int kPlayMachine = 0;    // an apple role is drawn there: the next game pays
constexpr int kBonusCustomer = 1;  // a customer in a big bonus: its sign band flashes
constexpr int kStageMachine = 9;   // free, in the middle of a JAC stage
const std::wstring kPlayer = L"一郎";

struct No4Face : FaceOnScreen {

  // The look at a place of the first part drawn with a rule (the displays and GAME OVER are
  // listed twice).
  int Look(LookRule rule, int place) const { return ref.RuleLook(now, rule, place); }
  // A row of lamps left to right: '#' lit, '.' unlit, '?' neither.
  std::string Row(LookRule rule, int unlit, int lit) const {
    std::string row;
    const PartSpec* part = FaceReference::PartOfRule(rule);
    for (int p = 0; part != nullptr && p < part->placeCount; ++p) {
      int look = Look(rule, p);
      row += look == lit ? '#' : look == unlit ? '.' : '?';
    }
    return row;
  }
  std::string BetLamps() const { return Row(No4BetLampLook, No4PanelFrameUnlit, No4PanelFrameLit); }
  std::string FrameLamps() const { return Row(No4FrameLampLook, No4PanelFrameUnlit, No4PanelFrameLit); }
  std::string JacLamps() const { return Row(No4JacGameLampLook, No4PanelGameUnlit, No4PanelGameLit); }
  std::string WaitLamps() const { return Row(No4WaitLampLook, No4PanelGameUnlit, No4PanelGameLit); }
  int StartLamp() const { return Look(No4StartLampLook, 0); }
  int GameOver() const { return Look(No4GameOverLampLook, 0); }
  // The displays as the player reads them: a blank digit reads 0, -1 when a glyph is unknown
  // or in the other display's colour.
  int Credit() const {
    int tens = Look(No4CreditGlyph, 0), units = Look(No4CreditGlyph, 1);
    if (units < kNo4CreditGlyphs || units >= kNo4BlankGlyph) return -1;
    if (tens == kNo4BlankGlyph) return units - kNo4CreditGlyphs;
    if (tens < kNo4CreditGlyphs + 1 || tens >= kNo4BlankGlyph) return -1;
    return 10 * (tens - kNo4CreditGlyphs) + units - kNo4CreditGlyphs;
  }
  int Payout() const {
    int tens = Look(No4PayoutGlyph, 0), units = Look(No4PayoutGlyph, 1);
    if (tens == kNo4BlankGlyph && units == kNo4BlankGlyph) return 0;
    if (units < 0 || units > 9) return -1;
    if (tens == kNo4BlankGlyph) return units == 0 ? -1 : units;
    return tens >= 1 && tens <= 9 ? 10 * tens + units : -1;
  }

  // Pixels of the printed face that differ from the face bitmap's own colours, outside the
  // reels and the places where parts draw their looks.
  int PrintedFaceOff(int* firstX, int* firstY) const {
    const GameDescription& d = DrivenDescription();
    auto inside = [](int x, int y, int l, int t, int w, int h) {
      return x >= l && x < l + w && y >= t && y < t + h;
    };
    int left = d.reels.x, right = d.reels.x + 2 * d.reels.step + d.reels.w;
    for (int i = 0; i < d.payLineCount; ++i) {
      left = d.payLines[i].x0 < left ? d.payLines[i].x0 : left;
      right = d.payLines[i].x1 > right ? d.payLines[i].x1 : right;
    }
    int off = 0;
    for (int y = 0; y < now.height; ++y) {
      for (int x = 0; x < now.width; ++x) {
        bool drawn = inside(x, y, left, d.reels.y, right - left, d.reels.h);
        for (int i = 0; i < d.partCount && !drawn; ++i) {
          const PartSpec& p = d.parts[i];
          if (p.strip < 0) continue;
          for (int k = 0; k < p.placeCount && !drawn; ++k) {
            drawn = inside(x, y, p.places[k].x, p.places[k].y, d.strips[p.strip].w, d.strips[p.strip].h);
          }
        }
        if (drawn || now.At(x, y) == ref.Face().At(x, y)) continue;
        if (off++ == 0) {
          *firstX = x;
          *firstY = y;
        }
      }
    }
    return off;
  }
};

// Waits until the condition holds, then checks it once more on the last picture with its report.
template <typename Condition>
bool Settles(No4Face& face, Condition condition, int ms) {
  return WaitUntil([&] { return face.Grab() && condition(); }, ms);
}

void CheckHallBands(GameSession& g, const No4Face& face) {
  HWND hall = g.Child(L"Kv4401Hall");
  int seen = 0;
  // The cursor starts at machine 0 (free) with the customer's machine in the big bonus beside it.
  Check(HallBandShows(face.ref, hall, 1, 0, 3000, &seen), "hall: a free machine's band is dark (look %d)", seen);
  Do(g, ID_CMD_NEXT_MACHINE);
  Check(HallBandFlashes(face.ref, hall, 1, 2, 3, 4000),
        "hall: a customer's machine in a big bonus shows its lit sign and flashes its bulbs");
  Check(HallBandShows(face.ref, hall, 0, 0, 3000, &seen), "hall: the free machine on the left, dark (look %d)", seen);
  Check(HallBandShows(face.ref, hall, 2, 2, 3000, &seen),
        "hall: a customer's machine without a bonus shows its lit sign (look %d)", seen);
  if (!shotsDir.empty()) Shot("no4-hall-bands");
  Do(g, ID_CMD_PREV_MACHINE);
  Sleep(600);  // the slide back to machine 0
}

void Exchange(GameSession& g) {
  g.Command(ID_CMD_EXCHANGE);
  HWND exchange = g.WaitDialog(L"メダル交換");
  if (!Check(exchange != nullptr, "the exchange opens")) return;
  g.Press(exchange, IDOK);
  g.WaitGone(exchange);
}

void CheckBetweenGames(No4Face& face, int credit, const char* when) {
  Settles(face, [&] {
    return face.GameOver() == 1 && face.BetLamps() == "..." && face.JacLamps() == "......" &&
           face.FrameLamps() == ".." && face.Credit() == credit && face.Payout() == 0;
  }, 3000);
  Check(face.GameOver() == 1, "%s: GAME OVER lit (look %d)", when, face.GameOver());
  Check(face.BetLamps() == "...", "%s: bet lamps dark (%s)", when, face.BetLamps().c_str());
  Check(face.JacLamps() == "......" && face.FrameLamps() == "..",
        "%s: JAC-game and frame lamps dark outside a stage (%s, %s)", when, face.JacLamps().c_str(),
        face.FrameLamps().c_str());
  Check(face.Credit() == credit, "%s: the credit reads %d (got %d)", when, credit, face.Credit());
  Check(face.Payout() == 0 && face.Look(No4PayoutGlyph, 0) == kNo4BlankGlyph,
        "%s: nothing paid shows a blank payout (got %d)", when, face.Payout());
}

void CheckBets(GameSession& g, No4Face& face) {
  const char* rows[4] = {"...", "#..", "##.", "###"};
  for (int bet = 1; bet <= 3; ++bet) {
    Key(g, 6);
    Settles(face, [&] { return face.BetLamps() == rows[bet] && face.GameOver() == 0; }, 2000);
    Check(face.BetLamps() == rows[bet], "bet %d: the bet lamps read %s (got %s)", bet, rows[bet],
          face.BetLamps().c_str());
    Check(face.GameOver() == 0, "bet %d: GAME OVER goes dark with the first medal (look %d)", bet,
          face.GameOver());
  }
  Key(g, 6);
  Settles(face, [&] { return face.Credit() == 1; }, 2000);
  Check(face.Credit() == 1 && face.Look(No4CreditGlyph, 0) == kNo4BlankGlyph,
        "a fourth medal goes to the credit: it reads 1 with a blank tens (got %d)", face.Credit());
  if (!shotsDir.empty()) Shot("no4-bet-3");
}

// The lever starts the reels; the wait lamps then fill one by one and the start lamp lights
// after them, while the reels are stopped and the game pays.
void CheckWaitAndWin(GameSession& g, No4Face& face) {
  Key(g, 5);
  bool emptied = Settles(face, [&] { return face.WaitLamps() == "......"; }, 8000);
  Check(emptied, "the reels start: the wait lamps go dark (%s)", face.WaitLamps().c_str());
  std::vector<int> counts;
  bool startLitEarly = false, startLit = false;
  DWORD begin = GetTickCount();
  int stopped = 0;
  while (GetTickCount() - begin < 7500) {
    // A stop key is taken only once the reel stopped before has come to rest.
    if (stopped < 3 && GetTickCount() - begin > 1500u + 700u * stopped) Key(g, ++stopped);
    if (!face.Grab()) continue;
    std::string row = face.WaitLamps();
    int lit = 0;
    for (char c : row) lit += c == '#';
    if (row.find('?') == std::string::npos) counts.push_back(lit);
    if (face.StartLamp() == No4PanelStartLit) {
      startLit = true;
      startLitEarly = startLitEarly || lit < 6;
    }
    Sleep(100);
  }
  bool rising = !counts.empty();
  for (size_t i = 1; i < counts.size(); ++i) rising = rising && counts[i] >= counts[i - 1];
  std::string seen;
  for (int c : counts) {
    if (seen.empty() || seen.back() != char('0' + c)) seen += char('0' + c);
  }
  Check(rising && seen.size() == 7 && seen.front() == '0' && seen.back() == '6',
        "the wait lamps fill one by one (counts seen %s)", seen.c_str());
  Check(startLit && !startLitEarly, "the start lamp lights once the wait lamps are full");
}

// One more game of three medals from the tray, its reels stopped one by one.
void PlayGame(GameSession& g, No4Face& face) {
  for (int medal = 0; medal < 3; ++medal) Key(g, 6);
  Key(g, 5);
  Settles(face, [&] { return face.GameOver() == 0 && face.WaitLamps() == "......"; }, 8000);
  Sleep(1500);
  for (int reel = 1; reel <= 3; ++reel) {
    Key(g, reel);
    Sleep(700);
  }
}

// The game's end relights GAME OVER and shows what it paid; the apple role drawn on this machine
// pays as soon as stop control lines it up, which the first game's stops may not allow.
void CheckPayout(GameSession& g, No4Face& face) {
  int credit = 1, paid = 0;
  for (int game = 1; game <= 5 && paid == 0; ++game) {
    if (game > 1) PlayGame(g, face);
    Settles(face, [&] { return face.GameOver() == 1 && face.Payout() >= 0; }, 10000);
    Sleep(400);  // a payout still counting shows its last medals
    Settles(face, [&] { return face.GameOver() == 1 && face.Payout() >= 0; }, 2000);
    Check(face.GameOver() == 1, "game %d over: GAME OVER lit again (look %d)", game, face.GameOver());
    paid = face.Payout();
    const int expected = credit + paid > 50 ? 50 : credit + paid;
    Check(paid >= 0 && face.Credit() == expected, "game %d: the credit took the payout (%d + %d, reads %d)",
          game, credit, paid, face.Credit());
    credit = face.Credit();
  }
  Check(paid > 0, "the apple role pays: the payout reads %d (glyphs %d %d)", paid,
        face.Look(No4PayoutGlyph, 0), face.Look(No4PayoutGlyph, 1));
  if (!shotsDir.empty()) Shot("no4-win");
}

void CheckJacStage(GameSession& g, No4Face& face) {
  g.Command(ID_CMD_STOP_PLAYING);
  ExpectBox(g, L"「" + kPlayer + L"」さん\n止めますか。", IconAsk, IDOK, "stop playing");
  HWND box = g.WaitMessageBox();
  if (Check(box != nullptr, "the cash-out")) {
    g.Press(box, IDOK);
    g.WaitGone(box);
  }
  SitAt(g, kStageMachine, "seated at the machine in a JAC stage");
  // Nine games left of twelve: the first three games of the stage have lit three lamps.
  Settles(face, [&] { return face.JacLamps() == "###..."; }, 3000);
  Check(face.JacLamps() == "###...", "JAC stage, 9 games left: the JAC-game lamps read ###... (got %s)",
        face.JacLamps().c_str());
  bool dark = false, lit = false;
  WaitUntil([&] {
    if (face.Grab()) {
      dark = dark || face.FrameLamps() == "..";
      lit = lit || face.FrameLamps() == "##";
    }
    return dark && lit;
  }, 3000);
  Check(dark && lit, "JAC stage: the frame lamps flash together");
  if (!shotsDir.empty()) Shot("no4-jac-stage");
}

void RunNo4(GameSession& g, const std::wstring& exe) {
  No4Face face;
  face.window = g.Child(L"Kv4401Play");
  if (!Check(face.ref.Load(exe), "the game's looks load from its program")) return;
  EnterAs(g, 0);
  CheckHallBands(g, face);
  SitAt(g, kPlayMachine, "seated at the Pembrix 7");
  Exchange(g);
  CheckBetweenGames(face, 0, "seated");
  int x = 0, y = 0, off = 0;
  // The exchange box has just gone: the screen beneath it is painted again first.
  Settles(face, [&] { return (off = face.PrintedFaceOff(&x, &y)) == 0; }, 3000);
  if (!Check(off == 0, "the printed face shows in its own colours pixel for pixel (%d off, first at "
             "%d,%d: 0x%06x, the face 0x%06x)", off, x, y, face.now.At(x, y), face.ref.Face().At(x, y))) {
    if (SavePicture(face.now, DataPath("no4-face.bmp"))) {
      std::printf("  the screen then: %s\n", DataPath("no4-face.bmp").c_str());
    }
  }
  CheckBets(g, face);
  CheckWaitAndWin(g, face);
  CheckPayout(g, face);
  CheckJacStage(g, face);
  CloseSeated(g, kPlayer);
}

}  // namespace

bool PrepareNo4Case(const std::string& run) {
  if (run != "no4") return false;
  PrepareShops(false);
  Shops[ShopDay].machines[kPlayMachine].roleFlags = RoleFruit;
  MachineRecord& bonus = Shops[ShopDay].machines[kBonusCustomer];
  bonus.bigGames = 25;
  bonus.bigNet = 40;
  MachineRecord& stage = Shops[ShopDay].machines[kStageMachine];
  stage.jacWins = 4;
  stage.jacGames = 9;
  stage.jacStage = 1;
  WriteHall();
  WritePlayers({kPlayer.c_str()});
  return true;
}

void RunNo4Case(const std::string& run, GameSession& g, const std::wstring& exe) {
  if (run == "no4") RunNo4(g, exe);
}
