// The Sulvano on the screen: its sign bands in the hall, then a JAC stage played with the keypad
// left to right, its BONUS GAME dots read back game by game against the wins and field 42.
#include "games/common/resource_ids.h"
#include "games/e2e/no5_runs.h"

#include <cstdio>
#include <set>
#include <vector>

#include "games/e2e/e2e_steps.h"
#include "games/e2e/face_check.h"
#include "games/e2e/hall_bands.h"
#include "games/e2e/lean_runs.h"
#include "presentation/faces/no5_rules.h"
#include "presentation/game_description.h"

namespace {

using namespace no5_face;

constexpr int kStageMachine = 0;    // free, a regular bonus's JAC stage about to start
constexpr int kBonusCustomer = 1;   // a customer in a big bonus
constexpr int kPlainCustomer = 2;   // a customer without a bonus
const std::wstring kPlayer = L"一郎";

struct No5Face : FaceOnScreen {

  int Look(LookRule rule, int place) const { return ref.RuleLook(now, rule, place); }
  bool Lit(LookRule rule, int place = 0) const { return Look(rule, place) > DotUnlit; }
  bool Unlit(LookRule rule, int place = 0) const { return Look(rule, place) == DotUnlit; }
  // The BONUS GAME dots left to right: 'o' lit, '.' dark, '?' neither.
  std::string GameDots() const {
    std::string dots;
    for (int j = 0; j < kBonusGameDots; ++j) {
      int look = Look(No5BonusGameDotLook, j);
      dots += look == DotRed ? 'o' : look == DotUnlit ? '.' : '?';
    }
    return dots;
  }
  // The payout display: 0 while blank, -1 when unreadable.
  int Payout() const {
    int tens = Look(No5DigitGlyph, PayoutTens), units = Look(No5DigitGlyph, PayoutUnits);
    if (tens == kBlankGlyph && units == kBlankGlyph) return 0;
    if (tens < 0 || tens > 9 || units < 0 || units > 9) return -1;
    return 10 * tens + units;
  }
  // Everything the BONUS GAME dots and the top picture showed over `ms`, sampled often enough
  // to see both halves of their blink.
  void Watch(int ms, std::vector<std::set<char>>& dots, std::set<int>& top) {
    dots.assign(kBonusGameDots, {});
    top.clear();
    for (int waited = 0; waited <= ms; waited += 60) {
      if (Grab()) {
        std::string now = GameDots();
        for (int j = 0; j < kBonusGameDots; ++j) dots[size_t(j)].insert(now[size_t(j)]);
        top.insert(Look(No5TopPictureLook, 0));
      }
      Sleep(60);
    }
  }
};

// One JAC game: the bet, the lever when every reel rests, the stop of the leftmost reel still
// turning; true when it was played to its end, with `won` from the payout display.
bool PlayJacGame(GameSession& g, No5Face& face, int game, bool* won) {
  const int reel = game % 3;
  Key(g, 6);
  if (reel == 0) {
    Check(WaitUntil([&] { return face.Grab() && face.Lit(No5StartDotLook); }, 3000),
          "game %d: the bet lights START", game + 1);
    Key(g, 5);
    Check(WaitUntil([&] { return face.Grab() && face.Unlit(No5StartDotLook); }, 3000),
          "game %d: the lever puts START out", game + 1);
  }
  if (!Check(WaitUntil([&] { return face.Grab() && face.Lit(No5StopDotLook, reel); }, 15000),
             "game %d: the STOP dot of reel %d lights", game + 1, reel + 1)) {
    return false;
  }
  Check(face.Unlit(No5MedalInDotLook), "game %d: MEDAL IN is out while the reel turns", game + 1);
  Key(g, reel + 1);
  // The game is over when the machine takes medals again.
  auto over = [&] {
    return face.Grab() && face.Lit(No5MedalInDotLook) && face.Unlit(No5StopDotLook, reel);
  };
  if (!Check(WaitUntil(over, 10000), "game %d: ends after its stop", game + 1)) return false;
  int paid = face.Payout();
  Check(paid == 0 || paid == 15, "game %d: the payout shows 15 or stays blank (%d)", game + 1,
        paid);
  *won = paid == 15;
  return true;
}

// The sign bands at the island's first machines: the free machine in its JAC stage flashes its
// bulbs on the dark sign, the customers' signs are lit, the one in a big bonus flashing.
void CheckHallBands(GameSession& g, const No5Face& face) {
  HWND hall = g.Child(L"Kv4401Hall");
  int seen = 0;
  Check(HallBandFlashes(face.ref, hall, 1, 0, 1, 4000),
        "hall: the free machine in a JAC stage flashes on its dark sign");
  Check(HallBandFlashes(face.ref, hall, 2, 2, 3, 4000),
        "hall: the customer's machine in a big bonus flashes on its lit sign");
  Do(g, ID_CMD_NEXT_MACHINE);
  Check(HallBandShows(face.ref, hall, 2, 2, 3000, &seen),
        "hall: the customer's machine without a bonus shows its lit sign (look %d)", seen);
  Check(HallBandFlashes(face.ref, hall, 1, 2, 3, 4000),
        "hall: the big bonus, now at the cursor, still flashes");
  if (!shotsDir.empty()) Shot("no5-hall-bands");
  Do(g, ID_CMD_PREV_MACHINE);
  Sleep(600);  // the slide back to machine 0
}

void RunJacStage(GameSession& g, const std::wstring& exe) {
  No5Face face;
  face.window = g.Child(L"Kv4401Play");
  if (!Check(face.ref.Load(exe), "the game's looks load from its program")) return;
  EnterAs(g, 0);
  CheckHallBands(g, face);
  SitAt(g, kStageMachine, "seated at the machine of the JAC stage");
  g.Command(ID_CMD_EXCHANGE);
  HWND exchange = g.WaitDialog(L"メダル交換");
  if (!Check(exchange != nullptr, "the exchange opens")) return;
  g.Press(exchange, IDOK);
  g.WaitGone(exchange);

  // Under Wine the face is repainted where the exchange stood a moment after it closed.
  Check(WaitUntil([&] { return face.Grab() && face.Look(No5TopPictureLook, 0) >= 0; }, 8000),
        "the top picture shows one of its looks once the exchange has gone");
  std::vector<std::set<char>> seen;
  std::set<int> top;
  face.Watch(1200, seen, top);
  // 'b' for a dot seen both lit and dark, else the one look it showed.
  std::string blinking;
  for (const auto& dot : seen) {
    blinking += dot == std::set<char>{'o', '.'} ? 'b' : dot.size() == 1 ? *dot.begin() : '?';
  }
  Check(blinking == "bbbbbbbbbbbb", "before the first JAC game all twelve dots blink (%s)",
        blinking.c_str());
  Check(top == std::set<int>{0, 1}, "the top picture flashes in the stage");
  if (!shotsDir.empty()) {
    WaitUntil([&] { return face.Grab() && face.Look(No5TopPictureLook, 0) == 1; }, 2000);
    ShotNow("no5-stage-lit");
  }

  std::vector<int> wins;
  int winCount = 0;
  for (int game = 0; game < kBonusGameDots && winCount < 6; ++game) {
    bool won = false;
    if (!PlayJacGame(g, face, game, &won)) break;
    wins.push_back(won ? 1 : 0);
    winCount += won ? 1 : 0;
    std::printf("  JAC game %d: %s\n", game + 1, won ? "won" : "lost");
    if (winCount == 6) break;
    Sleep(450);  // the dots change at the next blink after the game
    face.Watch(900, seen, top);
    std::string steady, blinking;
    for (int j = 0; j < kBonusGameDots; ++j) {
      const std::set<char>& dot = seen[size_t(j)];
      if (j <= game) {
        steady += dot.size() == 1 ? *dot.begin() : '?';
      } else {
        blinking += dot == std::set<char>{'o', '.'} ? 'b' : '?';
      }
    }
    std::string expect;
    for (int w : wins) expect += w ? 'o' : '.';
    Check(steady == expect, "after game %d the dots played read the wins (%s, expected %s)",
          game + 1, steady.c_str(), expect.c_str());
    Check(blinking == std::string(blinking.size(), 'b'), "after game %d the %d dots to come blink",
          game + 1, static_cast<int>(blinking.size()));
    if (game == 4 && !shotsDir.empty()) ShotNow("no5-stage-game5");
  }
  Check(winCount == 6, "the stage gives its six wins (%d in %d games)", winCount,
        static_cast<int>(wins.size()));
  // Over: a regular bonus leaves every dot dark and the top picture unlit.
  Check(WaitUntil([&] {
          return face.Grab() && face.GameDots() == "............" &&
                 face.Look(No5TopPictureLook, 0) == 0;
        }, 5000), "after the stage the dots and the top picture are out");
  if (!shotsDir.empty()) Shot("no5-after-stage");

  CloseSeated(g, kPlayer);
  const std::string hall = DataPath(HallFileName().c_str());
  if (!Check(LoadHallFile(hall.c_str()), "the hall file is read back")) return;
  const int row = Shops[ShopDay].machines[kStageMachine].jacSequence;
  if (!Check(row >= 0 && row < kJacSequenceRows, "field 42 holds a JAC sequence (%d)", row)) return;
  std::string pattern, played;
  for (size_t j = 0; j < wins.size(); ++j) {
    pattern += kBonusGamePattern[row][j] ? 'o' : '.';
    played += wins[j] ? 'o' : '.';
  }
  Check(played == pattern, "the wins stopped left to right are sequence %d's row (%s, row %s)", row,
        played.c_str(), pattern.c_str());
}

}  // namespace

bool PrepareNo5Case(const std::string& run) {
  if (run != "no5") return false;
  PrepareShops(false);
  Shops[ShopDay].machines[kBonusCustomer].bigGames = 20;
  Shops[ShopDay].machines[kBonusCustomer].bigNet = 40;
  static_assert(kPlainCustomer <= 8, "customers hold machines 1 to 8");
  MachineRecord& stage = Shops[ShopDay].machines[kStageMachine];
  stage.jacWins = 6;
  stage.jacGames = 12;
  stage.jacStage = 1;
  WriteHall();
  WritePlayers({kPlayer.c_str()});
  return true;
}

void RunNo5Case(const std::string& run, GameSession& g, const std::wstring& exe) {
  if (run == "no5") RunJacStage(g, exe);
}
