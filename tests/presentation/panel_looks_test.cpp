// The info panel's looks: the clock's glyphs, counters with their thousands mark, the machine
// board's plates, frames and lamps, the player tabs, and the faces of the panel's controls.
#include <gtest/gtest.h>

#include <cstring>

#include "hall/player_slot.h"
#include "presentation/panel_looks.h"
#include "base/screen_id.h"
#include "base/tick_counters.h"

namespace {

class PanelLooks : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTickCounters();
    for (int k = 0; k < kPlayerSlots; ++k) {
      PlayerSlots[k] = PlayerSlot{};
      PlayerSlots[k].slotNumber = k;
      PlayerSlots[k].hallCursor = kNoMachine;
      PlayerSlots[k].seatedMachine = kNoMachine;
      PlayerSlots[k].machine = &placeholder;
    }
    CurrentSlot = {0, &PlayerSlots[0]};
    m = MachineRecord{};
    placeholder = MachineRecord{};
  }
  // The glyphs of a counter as text: blank ' ', comma ',', with each glyph's x.
  static std::string Text(const CounterGlyph* g, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += g[i].glyph == 10 ? ' ' : g[i].glyph == 11 ? ',' : char('0' + g[i].glyph);
    return s;
  }
  MachineRecord m, placeholder;
};

TEST_F(PanelLooks, ClockShowsABlankBeforeTenOClock) {
  CalendarTime t{};
  t.hour = 9;
  t.minute = 5;
  t.weekday = 3;
  ClockGlyphs c = ClockGlyphsOf(t);
  EXPECT_EQ(c.dayLook, 3);
  EXPECT_EQ(c.digit[0], panel::kBlankGlyph);
  EXPECT_EQ(c.digit[1], 9);
  EXPECT_EQ(c.digit[2], 0);
  EXPECT_EQ(c.digit[3], 5);
  t.hour = 21;
  t.minute = 59;
  c = ClockGlyphsOf(t);
  EXPECT_EQ(c.digit[0] * 1000 + c.digit[1] * 100 + c.digit[2] * 10 + c.digit[3], 2159);
}

TEST_F(PanelLooks, CountersCarryTheThousandsMark) {
  CounterGlyph g[kCounterGlyphsMax];
  int n = MedalsGlyphs(12345, 57, g);
  EXPECT_EQ(Text(g, n), " 12,345");
  // Three figures, the mark at the next place, the last three moved 4 pixels on.
  const int xs[7] = {57, 67, 77, 87, 91, 101, 111};
  for (int i = 0; i < n; ++i) EXPECT_EQ(g[i].x, xs[i]) << i;
  // Small numbers have no mark: blanks and the figure.
  EXPECT_EQ(Text(g, GamesGlyphs(5, 57, g)), "      5");
  EXPECT_EQ(Text(g, GamesGlyphs(999, 57, g)), "    999");
  EXPECT_EQ(Text(g, GamesGlyphs(1000, 57, g)), "  1,000");
  // Only six figures fit: longer numbers show their first six.
  EXPECT_EQ(Text(g, GamesGlyphs(1234567, 57, g)), "123,456");
  EXPECT_EQ(Text(g, MedalsGlyphs(999999, 57, g)), "999,999");
  // Big bonus counts: two places, a blank tens, a sign the strip lacks shows blank.
  EXPECT_EQ(Text(g, BigCountGlyphs(7, 45, g)), " 7");
  EXPECT_EQ(g[1].x, 55);
  EXPECT_EQ(Text(g, BigCountGlyphs(12, 45, g)), "12");
  EXPECT_EQ(Text(g, BigCountGlyphs(-1, 45, g)), " 1");
  EXPECT_EQ(Text(g, GamesGlyphs(-12, 57, g)), "     12");
}

TEST_F(PanelLooks, DayNamesAreTheDayBeforeYesterdayYesterdayAndToday) {
  EXPECT_EQ(BigCountDayLook(0, 0), 5);  // Sunday: Friday, Saturday, Sunday
  EXPECT_EQ(BigCountDayLook(0, 1), 6);
  EXPECT_EQ(BigCountDayLook(0, 2), 0);
  EXPECT_EQ(BigCountDayLook(3, 0), 1);
}

TEST_F(PanelLooks, BoardPlatesLightWhileOpenAndBlinkInABigBonus) {
  EXPECT_TRUE(BoardPlateLit(m, 1));
  EXPECT_FALSE(BoardPlateLit(m, 0));
  m.bigGames = 10;
  Blink256 = 0;
  EXPECT_TRUE(BoardPlateLit(m, 0));
  Blink256 = 1;
  EXPECT_FALSE(BoardPlateLit(m, 1));
  // Machines 0-7 up the left column, 8-15 down the right, lamps beside their plates.
  EXPECT_EQ(BoardPlatePosition(0).y, 149);
  EXPECT_EQ(BoardPlatePosition(7).y, 37);
  EXPECT_EQ(BoardPlatePosition(8).x, 93);
  EXPECT_EQ(BoardPlatePosition(15).y, 149);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(BoardLampPosition(i).y, BoardPlatePosition(i).y + 2) << i;
}

TEST_F(PanelLooks, FramesMarkTheSeatAndTheHallCursor) {
  EXPECT_EQ(BoardFrameOf(3, 3, 3), FrameWhite);
  EXPECT_EQ(BoardFrameOf(3, 3, 5), FrameYellow);
  EXPECT_EQ(BoardFrameOf(5, 3, 5), FrameCyan);
  EXPECT_EQ(BoardFrameOf(4, 3, 5), FrameNone);
  EXPECT_EQ(BoardFrameOf(16, 16, 16), FrameWhite);  // never drawn: only 0..15 are asked
}

TEST_F(PanelLooks, OccupancyLampBlinksForNoticesAndForAPlayerAway) {
  m.occupant = OccupantFirstPlayer + 1;  // P2
  PlayerSlots[1].shop = 1;
  PlayerSlots[1].seatedMachine = 6;
  PlayerSlots[1].screen = ScreenPlay;
  Blink256 = 1;
  EXPECT_EQ(OccupancyLampLook(m, 6, 1), 3);
  PlayerSlots[1].screen = ScreenHallAway;
  EXPECT_EQ(OccupancyLampLook(m, 6, 1), 0);
  EXPECT_EQ(OccupancyLampLook(m, 6, 0), 3);  // the same number in the other shop
  Blink256 = 0;
  EXPECT_EQ(OccupancyLampLook(m, 6, 1), 3);
  // A customer's machine with a notice waiting blinks too.
  m.occupant = OccupantCustomer;
  m.pendingNotice = NoticeOutOfMedals;
  EXPECT_EQ(OccupancyLampLook(m, 2, 0), 1);
  Blink256 = 1;
  EXPECT_EQ(OccupancyLampLook(m, 2, 0), 0);
}

TEST_F(PanelLooks, PlayerTabsShowRegisteredCurrentAndWaitingPlayers) {
  std::strcpy(PlayerSlots[0].name, "Aki");
  std::strcpy(PlayerSlots[2].name, "Ren");
  MachineRecord seat{};
  PlayerSlots[2].machine = &seat;
  CurrentSlot = {0, &PlayerSlots[0]};
  EXPECT_EQ(PlayerTabLook(0), 78);  // registered and current
  EXPECT_EQ(PlayerTabLook(1), 0);   // free
  EXPECT_EQ(PlayerTabLook(2), 52);
  CurrentSlot = {1, &PlayerSlots[1]};
  EXPECT_EQ(PlayerTabLook(1), 26);  // free and current
  // P3's machine has a notice waiting: the tab blinks, unless P3 is the current player.
  seat.pendingNotice = NoticeOutOfMedals;
  Blink256 = 1;
  EXPECT_EQ(PlayerTabLook(2), 0);
  Blink256 = 0;
  EXPECT_EQ(PlayerTabLook(2), 52);
  Blink256 = 1;
  CurrentSlot = {2, &PlayerSlots[2]};
  EXPECT_EQ(PlayerTabLook(2), 78);
}

TEST_F(PanelLooks, CounterBoardShowsTheCursorsMachineElseTheSeat) {
  PlayerSlot& s = PlayerSlots[0];
  EXPECT_EQ(CounterMachineOf(s), -1);
  s.seatedMachine = 4;
  EXPECT_EQ(CounterMachineOf(s), 4);
  s.hallCursor = 11;
  EXPECT_EQ(CounterMachineOf(s), 11);
}

TEST_F(PanelLooks, ControlFacesComeFromTheirStrips) {
  FaceRect r;
  ASSERT_TRUE(PanelButtonFaceRect(17, true, r));
  EXPECT_EQ(r.y, 104 + 26);  // the three EXIT buttons share one face
  ASSERT_TRUE(PanelButtonFaceRect(14, false, r));
  EXPECT_EQ(r.y, 104);
  ASSERT_TRUE(PanelButtonFaceRect(11, true, r));
  EXPECT_EQ(r.x, 60);  // FORE and NEXT: halves of one strip, pressed 50 rows lower
  EXPECT_EQ(r.y, 514);
  EXPECT_EQ(r.h, 50);
  EXPECT_FALSE(PanelButtonFaceRect(6, false, r));
  EXPECT_FALSE(PanelButtonFaceRect(18, false, r));
  EXPECT_EQ(DayNightFaceRect(1).y, 414);
  EXPECT_EQ(StopOrderFaceRect(1).y, 134);
  EXPECT_EQ(PlayModeFaceRect(5).y, 26);  // out-of-range values stay inside the strip
  EXPECT_EQ(PageTabFaceRect(-1).y, 0);
}

}  // namespace
