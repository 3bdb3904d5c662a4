// End-to-end runs of the Vexamira and Brakolo: their three displays, spin gauge, top picture
// and lamps read back from the screen against the looks of the game's own bitmaps in known
// states, the band of the hall machine, and the sound item with a sound device.
#include "games/common/resource_ids.h"
#include "games/e2e/no2_runs.h"

#include <cstdio>
#include <cstring>
#include <set>

#include "games/e2e/e2e_steps.h"
#include "games/e2e/face_check.h"
#include "presentation/game_description.h"
#include "presentation/hall_looks.h"

namespace {

constexpr int kPlayMachine = 0;        // a bell role is drawn there: the first game wins
constexpr int kCustomerBonus = 2;      // a customer plays a big bonus there
constexpr int kJacMachine = 14;        // a JAC stage of four wins left inside a big bonus
constexpr int kBigMachine = 15;        // twenty general games of a big bonus left
// Bell or grapes (No.7: bell or apple): on every reel of both machines within a stop's slide.
constexpr int kWinRole = 4;
const std::wstring kPlayer = L"三郎";

// Glyphs of the displays' digit strip beyond 0-9.
constexpr int kBlank = 10, kDash = 11, kFirstFrame = 12, kFrames = 8;

int PartOf(const char* strip, int places) {
  const GameDescription& d = DrivenDescription();
  const int s = StripIndex(d, strip);
  for (int i = 0; i < d.partCount; ++i) {
    if (d.parts[i].strip == s && (places == 0 || d.parts[i].placeCount == places)) return i;
  }
  return -1;
}

// The face of the machine the player sits at, as the screen shows it, read part by part.
struct No2Face : FaceOnScreen {
  int displays = -1, animation = -1, top = -1, gauge = -1, lines = -1, stops = -1, medal = -1;
  int misses = 0;

  bool Attach(const GameSession& g, const std::wstring& exe) {
    window = g.Child(L"Kv4401Play");
    displays = PartOf("DisplayDigits", 6);
    animation = PartOf("DisplayDigits", 2);
    top = PartOf("TopPictureLooks", 0);
    gauge = PartOf("GaugeLooks", 0);
    lines = PartOf("LineLampLooks", 0);
    stops = PartOf("StopLampLooks", 0);
    medal = PartOf("MedalLampLooks", 0);
    bool parts = displays >= 0 && animation >= 0 && top >= 0 && gauge >= 0 && lines >= 0 &&
                 stops >= 0 && medal >= 0;
    return Check(parts, "the description has the family's parts") &&
           Check(ref.Load(exe), "the game's looks load from its program");
  }
  // Nothing is read from a picture not taken (a check that failed before the first one).
  int Look(int part, int place = 0) const {
    return now.width == 480 && now.height == 432 ? ref.PartLook(now, part, place) : -1;
  }

  // A display as it reads: k 0 the bonus counter, 1 the credit, 2 the payout. ' ' a blank, '-'
  // a dash, '~' a frame of the waiting animation, '?' no glyph at all.
  std::string Display(int k) const {
    std::string s;
    for (int i = 0; i < 2; ++i) {
      int glyph = Look(displays, 2 * k + i);
      s += glyph >= 0 && glyph <= 9 ? char('0' + glyph)
           : glyph == kBlank        ? ' '
           : glyph == kDash         ? '-'
           : glyph >= kFirstFrame && glyph < kFirstFrame + kFrames ? '~'
                                                                   : '?';
    }
    return s;
  }
  // The value of a display of figures (a blank tens is 0), or -1.
  int Number(int k) const {
    std::string s = Display(k);
    if ((s[0] != ' ' && (s[0] < '0' || s[0] > '9')) || s[1] < '0' || s[1] > '9') return -1;
    return (s[0] == ' ' ? 0 : 10 * (s[0] - '0')) + (s[1] - '0');
  }
  // The frame both payout digits show while the reels wait and start, or -1.
  int Frame() const {
    int a = Look(animation, 0), b = Look(animation, 1);
    return a == b && a >= kFirstFrame && a < kFirstFrame + kFrames ? a - kFirstFrame : -1;
  }
  // Rows of the gauge lit from its bottom (its lit look there, its unlit look above), or -1
  // when the gauge shows anything else.
  int GaugeRows() const {
    if (now.width != 480 || now.height != 432) return -1;
    const PartSpec& part = DrivenDescription().parts[gauge];
    const StripSpec& s = DrivenDescription().strips[part.strip];
    const Picture& looks = ref.Strip(part.strip);
    auto rowIs = [&](int row, int look) {
      for (int x = 0; x < s.w; ++x) {
        if (now.At(part.places[0].x + x, part.places[0].y + row) != looks.At(x, look * s.h + row)) return false;
      }
      return true;
    };
    int lit = 0;
    while (lit < s.h && rowIs(s.h - 1 - lit, 1)) ++lit;
    for (int row = 0; row < s.h - lit; ++row) {
      if (!rowIs(row, 0)) return -1;
    }
    return lit;
  }
  int GaugeHeight() const { return DrivenDescription().strips[DrivenDescription().parts[gauge].strip].h; }
  // Lit lamps of a part whose strip holds its unlit looks, then as many lit ones: bit i for
  // place i, or -1 when a place shows neither.
  int LitBits(int part) const {
    const PartSpec& p = DrivenDescription().parts[part];
    int bits = 0;
    for (int i = 0; i < p.placeCount; ++i) {
      int look = Look(part, i);
      if (look < 0) return -1;
      if (look >= p.placeCount) bits |= 1 << i;
    }
    return bits;
  }

  template <typename Condition>
  bool Until(Condition condition, int ms) {
    if (WaitUntil([&] { return Grab() && condition(); }, ms)) return true;
    char name[32];
    std::snprintf(name, sizeof name, "no2-miss-%d.bmp", ++misses);
    if (SavePicture(now, DataPath(name))) std::printf("  the screen then: %s\n", DataPath(name).c_str());
    return false;
  }
  // A part that blinks is seen in both its looks within `ms`, and never in neither.
  template <typename Read>
  bool Alternates(Read read, int a, int b, int ms) {
    bool seenA = false, seenB = false, other = false;
    WaitUntil([&] {
      if (!Grab()) return false;
      int v = read();
      seenA |= v == a;
      seenB |= v == b;
      other |= v != a && v != b;
      return seenA && seenB;
    }, ms);
    return seenA && seenB && !other;
  }
};

// For make screenshots: a picture of the screen at a moment it shows what `ready` asks.
template <typename Ready>
void Shoot(No2Face& face, Ready ready, const char* name) {
  if (!shotsDir.empty() && face.Until([&] { return ready(); }, 2000)) ShotNow(name);
}

// The reels turn: two pictures a little apart differ in the reel windows (all three, or one).
bool ReelsTurning(No2Face& face, int reel = -1) {
  const ReelGeometry& r = DrivenDescription().reels;
  if (!face.Grab()) return false;
  Picture before = face.now;
  Sleep(120);
  const int x = reel < 0 ? r.x : r.x + r.step * reel, w = reel < 0 ? 2 * r.step + r.w : r.w;
  return face.Grab() && Differences(before, face.now, x, r.y, w, r.h) > 0;
}

// Stops the three reels with the keypad: each once its STOP lamp is lit, and the next only
// once the reel before rests (the machine takes one stop at a time; the lamp goes out at the
// press, the reel slides on to its stop).
bool StopReels(GameSession& g, No2Face& face) {
  for (int reel = 0; reel < 3; ++reel) {
    if (!face.Until([&] { return (face.LitBits(face.stops) >> reel) & 1; }, 5000)) return false;
    Key(g, reel + 1);
    if (!face.Until([&] { return ((face.LitBits(face.stops) >> reel) & 1) == 0; }, 5000)) return false;
    if (!WaitUntil([&] { return !ReelsTurning(face, reel); }, 5000)) return false;
  }
  return true;
}

// The game and its pay-out are over: no STOP lamp is lit, the payout shows its figures and the
// MEDAL IN lamp, which only blinks between games, shows lit.
bool GameOver(const No2Face& face) {
  return face.LitBits(face.stops) == 0 && face.Number(2) >= 0 && face.Look(face.medal) == 1;
}

void ExchangeMedals(GameSession& g, const char* what) {
  g.Command(ID_CMD_EXCHANGE);
  HWND exchange = g.WaitDialog(L"メダル交換");
  if (!Check(exchange != nullptr, "%s: the exchange opens", what)) return;
  g.Press(exchange, IDOK);
  Check(g.WaitGone(exchange), "%s: the exchange closes", what);
}

// Stands up from the machine, answering the question and the cash-out if there is one.
void StandUp(GameSession& g, const char* what) {
  g.Command(ID_CMD_STOP_PLAYING);
  ExpectBox(g, L"「" + kPlayer + L"」さん\n止めますか。", IconAsk, IDOK, what);
  HWND box = g.WaitMessageBox(2000);
  if (box != nullptr) {
    g.Press(box, IDOK);
    g.WaitGone(box);
  }
  CheckScreen(g, L"Kv4401Hall", what);
}

// Idle with credit, a spin with the gauge filling, a win with its flashing lines, the lever
// pulled before the gauge is whole, a big bonus and a JAC stage, and the hall band.
void RunPlay(GameSession& g, const std::wstring& exe) {
  No2Face face;
  if (!face.Attach(g, exe)) return;
  EnterAs(g, 0);
  SitAt(g, kPlayMachine, "seated");
  auto bar = g.MenuBar();
  Check(Greyed(bar, ID_CMD_SOUND) && !Checked(bar, ID_CMD_SOUND), "no sound device: the sound item is greyed");

  Check(face.Until([&] {
    return face.Display(0) == "--" && face.Display(1) == " 0" && face.Display(2) == " 0" &&
           face.LitBits(face.lines) == 0;
  }, 5000), "idle: bonus \"--\", credit \" 0\", payout \" 0\", the bet lamps dark (got \"%s\", \"%s\", \"%s\")",
        face.Display(0).c_str(), face.Display(1).c_str(), face.Display(2).c_str());
  Check(face.GaugeRows() == face.GaugeHeight(), "idle: the gauge stands whole (%d rows)", face.GaugeRows());
  Check(face.Alternates([&] { return face.Look(face.medal); }, 0, 1, 3000), "idle: MEDAL IN blinks");
  Check(face.Look(face.top) == 0, "idle: the top picture is the face's own");

  ExchangeMedals(g, "medals");
  for (int i = 0; i < 8; ++i) Key(g, 6);
  Check(face.Until([&] { return face.LitBits(face.lines) == 31 && face.Display(1) == " 5"; }, 3000),
        "three medals light the five bet lines and five more make credit \" 5\" (got \"%s\")",
        face.Display(1).c_str());
  Check(face.Display(0) == "--" && face.Display(2) == " 0", "with credit: bonus \"--\", payout \" 0\"");
  Shoot(face, [&] { return face.Look(face.medal) == 1; }, "no2-credit");

  // The lever: the payout display turns to the waiting animation and the gauge fills again
  // from the bottom, a step each slow tick.
  Key(g, 5);
  Check(face.Until([&] { return face.LitBits(face.stops) == 7; }, 8000), "the lever lights the STOP lamps");
  Shoot(face, [] { return true; }, "no2-spinning");
  Check(face.Frame() >= 0, "spinning: both payout digits show a frame of the animation (got \"%s\")",
        face.Display(2).c_str());
  std::set<int> levels;
  bool gaugeRead = true;
  WaitUntil([&] {
    if (!face.Grab()) return false;
    int rows = face.GaugeRows();
    gaugeRead &= rows >= 0;
    if (rows >= 0) levels.insert(rows);
    return levels.size() >= 4;
  }, 3000);
  Check(gaugeRead && levels.size() >= 4 && *levels.begin() < face.GaugeHeight() / 2,
        "spinning: the gauge fills from the bottom (%d levels seen, the lowest %d rows)",
        static_cast<int>(levels.size()), levels.empty() ? -1 : *levels.begin());
  Check(StopReels(g, face), "the stop keys stop the reels one by one");

  // The fruit role drawn beforehand wins: paid into the credit, the winning lines flash.
  Check(face.Until([&] { return GameOver(face) && face.Number(2) > 0; }, 15000),
        "the win is paid (payout \"%s\")", face.Display(2).c_str());
  int paid = face.Number(2);
  Check(face.Number(1) == 5 + paid, "the credit grows by the %d paid (got %d)", paid, face.Number(1));
  int litSeen = 0;
  bool darkSeen = false, torn = false;
  WaitUntil([&] {
    if (!face.Grab()) return false;
    int bits = face.LitBits(face.lines);
    torn |= bits < 0;
    darkSeen |= bits == 0;
    if (bits > 0) litSeen |= bits;
    return darkSeen && litSeen != 0;
  }, 3000);
  Check(litSeen != 0 && darkSeen && !torn, "the winning lines flash (lamps seen lit: %d)", litSeen);
  Shoot(face, [&] { return face.LitBits(face.lines) > 0; }, "no2-win");

  // A quick game, then the lever again before the gauge is whole: the lever waits, the gauge
  // blinks and the payout display animates.
  for (int i = 0; i < 3; ++i) Key(g, 4);
  Key(g, 5);
  Check(face.Until([&] { return face.LitBits(face.stops) == 7; }, 8000), "the second game spins");
  Check(StopReels(g, face) && face.Until([&] { return GameOver(face); }, 15000), "the second game ends");
  for (int i = 0; i < 3; ++i) Key(g, 4);
  Key(g, 5);
  Check(face.Alternates([&] { return face.GaugeRows() > 0 ? 1 : face.GaugeRows(); }, 0, 1, 3000),
        "the lever waits: the gauge blinks between dark and its level");
  Shoot(face, [&] { return face.GaugeRows() > 0; }, "no2-waiting");
  std::set<int> frames;
  WaitUntil([&] {
    if (face.Grab() && face.Frame() >= 0) frames.insert(face.Frame());
    return frames.size() >= 2;
  }, 3000);
  Check(frames.size() >= 2, "the lever waits: the payout display steps through its animation");
  Check(face.Until([&] { return face.LitBits(face.stops) == 7; }, 8000), "the waiting lever starts the reels");
  Check(StopReels(g, face) && face.Until([&] { return GameOver(face); }, 15000), "the third game ends");

  // The hall: a free machine's band, a customer's, and a customer's in a big bonus.
  StandUp(g, "standing up");
  HWND hall = g.Child(L"Kv4401Hall");
  const int bands = 0;  // the hall strip of the band
  const int bandX = HallSlotX(1) + hall_view::kMachineDX + DrivenDescription().hallParts[0].x;
  const int bandY = DrivenDescription().hallParts[0].y;
  Picture view;
  auto band = [&] { return CapturePlayWindow(hall, view) ? face.ref.HallLookAt(view, bands, bandX, bandY) : -2; };
  Check(WaitUntil([&] { return band() == 0; }, 3000), "the hall: a free machine's band is dark (look %d)", band());
  Do(g, ID_CMD_NEXT_MACHINE);
  Check(WaitUntil([&] { return band() == 2; }, 3000), "the hall: a customer's machine shows its band lit (look %d)",
        band());
  Do(g, ID_CMD_NEXT_MACHINE);
  bool seen2 = false, seen3 = false;
  WaitUntil([&] {
    int look = band();
    seen2 |= look == 2;
    seen3 |= look == 3;
    return seen2 && seen3;
  }, 4000);
  Check(seen2 && seen3, "the hall: a customer's big bonus flashes the band");
  if (!shotsDir.empty() && WaitUntil([&] { return band() == 3; }, 2000)) ShotNow("no2-hall-band");
  Do(g, ID_CMD_PREV_MACHINE);
  Do(g, ID_CMD_PREV_MACHINE);

  // A big bonus: its general games on the bonus counter, the top picture flashing.
  SitAt(g, kBigMachine, "seated at the big bonus");
  Check(face.Until([&] { return face.Display(0) == "20"; }, 5000), "big bonus: the counter shows 20 (got \"%s\")",
        face.Display(0).c_str());
  Check(face.Alternates([&] { return face.Look(face.top); }, 0, 1, 3000), "big bonus: the top picture flashes");
  Shoot(face, [&] { return face.Look(face.top) == 1; }, "no2-big-bonus");
  // The player looks at the hall: the own machine stands there like an empty one, flashing.
  Do(g, ID_CMD_HALL_VIEW);
  CheckScreen(g, L"Kv4401Hall", "looking at the hall");
  seen2 = seen3 = false;
  bool seen1 = false;
  WaitUntil([&] {
    int look = band();
    seen1 |= look == 1;
    seen2 |= look >= 2;
    return seen1;
  }, 4000);
  Check(seen1 && !seen2, "the own machine, its player away: the band flashes as an empty machine's");
  Do(g, ID_CMD_BACK_TO_MACHINE);
  CheckScreen(g, L"Kv4401Play", "back at the machine");
  StandUp(g, "standing up from the big bonus");

  // A JAC stage inside a big bonus: the counter shows the wins left.
  g.Command(ID_CMD_PREV_MACHINE);
  g.Command(ID_CMD_SELECT_MACHINE);
  CheckScreen(g, L"Kv4401Play", "seated at the JAC stage");
  Check(face.Until([&] { return face.Display(0) == " 4"; }, 5000), "JAC stage: the counter shows 4 (got \"%s\")",
        face.Display(0).c_str());
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  Check(AnswerBoxesUntilExit(g) == 0, "the game ends");
}

// With a sound device the item is enabled and on, a game plays with its sounds, and the item
// switches them off and on.
void RunSound(GameSession& g, const std::wstring& exe) {
  No2Face face;
  if (!face.Attach(g, exe)) return;
  auto bar = g.MenuBar();
  Check(!Greyed(bar, ID_CMD_SOUND) && Checked(bar, ID_CMD_SOUND), "with a sound device: the sound item is on");
  EnterAs(g, 0);
  SitAt(g, kPlayMachine, "seated with sound");
  ExchangeMedals(g, "medals with sound");
  for (int i = 0; i < 3; ++i) Key(g, 6);
  Key(g, 5);
  Check(face.Until([&] { return face.LitBits(face.stops) == 7; }, 8000), "with sound: the reels spin");
  Check(StopReels(g, face) && face.Until([&] { return GameOver(face) && face.Number(2) > 0; }, 15000),
        "with sound: the win is paid");
  Do(g, ID_CMD_SOUND);
  bar = g.MenuBar();
  Check(!Greyed(bar, ID_CMD_SOUND) && !Checked(bar, ID_CMD_SOUND), "sound off: the item is unchecked");
  Do(g, ID_CMD_SOUND);
  bar = g.MenuBar();
  Check(Checked(bar, ID_CMD_SOUND), "sound on again: the item is checked");
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  Check(AnswerBoxesUntilExit(g) == 0, "the game ends");
}

}  // namespace

bool PrepareNo2Case(const std::string& run) {
  if (run != "no2play" && run != "no2sound") return false;
  PrepareShops(false);
  MachineRecord* m = Shops[ShopDay].machines;
  m[kPlayMachine].roleFlags = kWinRole;
  m[kCustomerBonus].bigGames = 20;
  m[kBigMachine].bigGames = 20;
  m[kBigMachine].bigNet = 90;
  m[kJacMachine].bigGames = 20;
  m[kJacMachine].bigNet = 60;
  m[kJacMachine].jacWins = 4;
  m[kJacMachine].jacGames = 9;
  m[kJacMachine].jacStage = 1;
  WriteHall();
  WritePlayers({kPlayer.c_str()});
  return true;
}

void RunNo2Case(const std::string& run, GameSession& g, const std::wstring& exe) {
  if (run == "no2play") RunPlay(g, exe);
  if (run == "no2sound") RunSound(g, exe);
}
