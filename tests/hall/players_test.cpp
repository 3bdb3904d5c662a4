// Players, money and medals: enrolment and deletion, names cut by whole code page 932
// characters, a visit from the choice of the player to the farewell, the medal exchange, the
// cash-out, the high scores and the win rate.
#include <cstring>
#include <string>

#include "hall/cp932_text.h"
#include "hall/medal_exchange.h"
#include "hall/player_roster.h"
#include "hall/player_slot.h"
#include "hall/seats.h"
#include "hall/shops.h"
#include "hall/string_id.h"
#include "hall/visits.h"
#include "base/screen_id.h"
#include "tests/hall/hall_test_support.h"

namespace {

class PlayersTest : public HallTest {
 protected:
  int Enrol(const char* name) {
    HallMessage refusal;
    return EnrolPlayer(name, refusal);
  }
  // Enrols, chooses and seats a player in the current slot at a day-shop machine.
  PlayerRecord& Seated(const char* name, int machine) {
    int k = Enrol(name);
    EXPECT_GT(k, 0);
    EXPECT_EQ(StartVisit(k - 1), 1);
    CurrentSlot.slot->screen = ScreenHall;
    CurrentSlot.slot->hallCursor = machine;
    EXPECT_EQ(TakeSeat().stringId, 0);
    return *FindPlayer(name);
  }
  // Stands up with this many medals and cashes out.
  HallMessage LeaveWith(int medals) {
    CurrentSlot.slot->machine->medals = medals;
    EXPECT_EQ(LeaveSeat(CurrentSlot.index), 1);
    return CashOut(CurrentSlot.index);
  }
};

TEST_F(PlayersTest, NamesAreCutByWholeCharacters) {
  char out[kMaxNameLength + 1];
  // 21 single bytes then a two-byte character: the character does not fit and is left out.
  std::string text(21, 'a');
  text += "\x82\xA0";  // "あ"
  EXPECT_EQ(LimitCp932(text.c_str(), out, kMaxNameLength), 21);
  EXPECT_EQ(std::string(out), std::string(21, 'a'));
  // Eleven two-byte characters are exactly 22 bytes.
  std::string wide;
  for (int i = 0; i < 12; ++i) wide += "\x88\x9F";  // "亜"
  EXPECT_EQ(LimitCp932(wide.c_str(), out, kMaxNameLength), 22);
  // Half-width katakana (0xA0-0xDF) are single bytes; 0xE0 starts a pair.
  EXPECT_EQ(LimitCp932("\xB1\xB2\xE0\x40x", out, 3), 2);
  // A lead byte with no second byte is dropped; a trail byte in the ASCII range stays paired.
  EXPECT_EQ(LimitCp932("ab\x81", out, 22), 2);
  EXPECT_EQ(LimitCp932("\x83\x5C" "c", out, 22), 3);
}

TEST_F(PlayersTest, EnrolmentRefusesEmptyAndDuplicateNames) {
  HallMessage refusal;
  EXPECT_EQ(EnrolPlayer("", refusal), 0);
  EXPECT_EQ(refusal.stringId, TextEmptyName);
  EXPECT_EQ(refusal.icon, IconWarning);
  EXPECT_EQ(EnrolPlayer("Aya", refusal), 1);
  EXPECT_EQ(refusal.stringId, 0);
  EXPECT_EQ(EnrolPlayer("Aya", refusal), 0);
  EXPECT_EQ(refusal.stringId, TextDuplicateName);
  EXPECT_EQ(EnrolPlayer("aya", refusal), 2);  // case counts
  EXPECT_EQ(Players[0].purse, 10000);
  EXPECT_EQ(Players[0].wins, 0);
  EXPECT_EQ(CountEnrolled(), 2);
  std::string longName(22, 'x');
  EXPECT_EQ(EnrolPlayer(longName.c_str(), refusal), 3);
  EXPECT_EQ(std::string(Players[2].name), longName);  // 22 bytes stored whole
  EXPECT_EQ(EnrolPlayer(longName.c_str(), refusal), 0);
  EXPECT_EQ(refusal.stringId, TextDuplicateName);
}

// A name longer than the record holds is refused with a word, never cut to another name.
TEST_F(PlayersTest, NamesOverTwentyTwoBytesAreRefusedNotCut) {
  HallMessage refusal;
  std::string fifteen;
  for (int i = 0; i < 15; ++i) fifteen += "\x82\xA0";  // "あ" fifteen times: 30 bytes
  EXPECT_EQ(EnrolPlayer(fifteen.c_str(), refusal), 0);
  EXPECT_EQ(refusal.stringId, TextNameTooLong);
  EXPECT_EQ(refusal.icon, IconWarning);
  EXPECT_EQ(EnrolPlayer((std::string(22, 'x') + "1").c_str(), refusal), 0);
  EXPECT_EQ(refusal.stringId, TextNameTooLong);
  EXPECT_EQ(CountEnrolled(), 0);
  EXPECT_EQ(EnrolPlayer(fifteen.substr(0, 22).c_str(), refusal), 1);  // eleven fit
}

TEST_F(PlayersTest, NinthPlayerFindsNoRecordAndDeletionMovesPlayersUp) {
  const char* names[] = {"A", "B", "C", "D", "E", "F", "G", "H"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Enrol(names[i]), i + 1);
  HallMessage refusal;
  EXPECT_EQ(EnrolPlayer("I", refusal), 0);
  EXPECT_EQ(refusal.stringId, 0);  // enrolment is simply not offered
  Players[1].purse = 777;
  HallMessage question = DeleteQuestion(0);
  EXPECT_EQ(question.stringId, TextDeleteQuestion);
  EXPECT_STREQ(question.name, "A");
  EXPECT_EQ(DeletePlayer(0), 1);
  EXPECT_STREQ(Players[0].name, "B");
  EXPECT_EQ(Players[0].purse, 777);
  EXPECT_STREQ(Players[6].name, "H");
  EXPECT_EQ(Players[7].inUse, 0);
  EXPECT_EQ(SelectionAfterDelete(0), 0);
  EXPECT_EQ(SelectionAfterDelete(6), 6);
  EXPECT_EQ(Enrol("I"), 8);  // the freed last record
  while (CountEnrolled() > 0) DeletePlayer(0);
  EXPECT_EQ(SelectionAfterDelete(0), -1);
  const PlayerRecord zero{};
  EXPECT_EQ(std::memcmp(&Players[7], &zero, sizeof zero), 0);
}

TEST_F(PlayersTest, PlayerInTheHallCannotBeChosenOrDeleted) {
  Enrol("Aya");
  Enrol("Ben");
  Enrol("Cho");
  MakeSlotCurrent(2);
  ASSERT_EQ(StartVisit(1), 1);  // Ben enters as P3
  PlayerListLine lines[kPlayerRecords];
  ASSERT_EQ(FillPlayerList(lines), 3);
  EXPECT_TRUE(lines[0].choosable);
  EXPECT_FALSE(lines[1].choosable);
  EXPECT_EQ(lines[1].slotLabelId, TextSlotLabelP1 + 2);
  EXPECT_STREQ(lines[1].name, "Ben");
  EXPECT_EQ(PlayerSlotLabelId(Players[1]), TextSlotLabelP1 + 2);
  EXPECT_EQ(PlayerSlotLabelId(Players[0]), TextNotInHall);
  EXPECT_EQ(DeletePlayer(1), 0);
  EXPECT_EQ(StartVisit(1), 0);
  EXPECT_EQ(CountEnrolled(), 3);
}

TEST_F(PlayersTest, EnteringTheShopChecksPlayersAndHours) {
  EXPECT_EQ(EnterShopRefusal().stringId, TextNoPlayerToSeat);
  Enrol("Aya");
  EXPECT_EQ(EnterShopRefusal().stringId, 0);
  ASSERT_EQ(StartVisit(0), 1);
  MakeSlotCurrent(1);
  EXPECT_EQ(EnterShopRefusal().stringId, TextNoPlayerToSeat);  // Aya is already in
  Enrol("Ben");
  SetClock(2026, 12, 7, 22, 0);  // the slot still points at the day shop, now closed
  EXPECT_EQ(EnterShopRefusal().stringId, TextDayShopHours);
  ResetPlayerSlot(1);            // a fresh slot goes to the open shop
  EXPECT_EQ(EnterShopRefusal().stringId, 0);
  SetClock(2026, 12, 8, 10, 0);
  EXPECT_EQ(EnterShopRefusal().stringId, TextNightShopHours);
}

TEST_F(PlayersTest, ChoosingAPlayerOpensANewVisit) {
  Enrol("Aya");
  for (int k = 0; k < 4; ++k) Players[0].history[k].amount = 100 * (k + 1);
  std::memcpy(Players[0].history[0].date, "12/01", 6);
  SetClock(2026, 3, 5, 14, 0);
  ASSERT_EQ(StartVisit(0), 1);
  EXPECT_STREQ(CurrentSlot.slot->name, "Aya");
  const ScoreEntry* h = Players[0].history;
  EXPECT_STREQ(h[0].date, "03/05");
  EXPECT_STREQ(h[0].text, "Orlido 2");
  EXPECT_EQ(h[0].amount, 0);
  EXPECT_STREQ(h[1].date, "12/01");
  EXPECT_EQ(h[1].amount, 100);
  EXPECT_EQ(h[3].amount, 300);  // the oldest visit dropped out
}

// A new player buys 500 medals with the whole purse, and is then refused 50.
TEST_F(PlayersTest, ExchangeUntilThePurseIsShort) {
  PlayerRecord& p = Seated("Aya", 4);
  MachineRecord& m = Shops[0].machines[4];
  EXPECT_EQ(m.pendingNotice, NoticeOutOfMedals);  // sat down without medals
  EXPECT_EQ(ExchangeButton, 1301);
  EXPECT_EQ(ExchangeMedals(1303).stringId, 0);
  EXPECT_EQ(m.medals, 500);
  EXPECT_EQ(p.purse, 0);
  EXPECT_EQ(p.history[0].amount, -10000);
  EXPECT_EQ(m.pendingNotice, NoticeNone);
  EXPECT_EQ(ExchangeButton, 1303);
  HallMessage refused = ExchangeMedals(1301);
  EXPECT_EQ(refused.stringId, TextShortPurse);
  EXPECT_EQ(refused.icon, IconWarning);
  EXPECT_EQ(m.medals, 500);
  EXPECT_EQ(ExchangeButton, 1303);  // a refused exchange remembers nothing
}

TEST_F(PlayersTest, ExchangeRowsAndTheClosingNoticeStays) {
  PlayerRecord& p = Seated("Aya", 4);
  p.purse = 20000;
  MachineRecord& m = Shops[0].machines[4];
  EXPECT_EQ(ExchangeMedals(1301).stringId, 0);
  EXPECT_EQ(ExchangeMedals(1302).stringId, 0);
  EXPECT_EQ(m.medals, 300);
  EXPECT_EQ(p.purse, 14000);
  m.pendingNotice = NoticeClosingTime;
  EXPECT_EQ(ExchangeMedals(1301).stringId, 0);
  EXPECT_EQ(m.pendingNotice, NoticeClosingTime);
  EXPECT_EQ(ExchangeMedals(1304).stringId, 0);  // no such row: nothing happens
  EXPECT_EQ(p.purse, 13000);
}

TEST_F(PlayersTest, CashOutPaysWholeLotsAndCarriesTheRest) {
  struct Case {
    int medals;
    int yen;
    int odd;
  };
  const Case cases[] = {{16, 200, 0}, {15, 0, 15}, {100, 1200, 4}};
  PlayerRecord& p = Seated("Aya", 4);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.medals);
    int purse = p.purse;
    int visit = p.history[0].amount;
    HallMessage shown = LeaveWith(c.medals);
    EXPECT_EQ(shown.stringId, TextCashOut);
    EXPECT_EQ(shown.icon, IconInformation);
    EXPECT_STREQ(shown.name, "Aya");
    EXPECT_EQ(shown.value[0], c.medals);
    EXPECT_EQ(shown.value[1], c.yen);
    EXPECT_EQ(shown.value[2], c.odd);
    EXPECT_EQ(p.purse, purse + c.yen);
    EXPECT_EQ(p.history[0].amount, visit + c.yen);
    EXPECT_EQ(p.carriedMedals, c.odd);
    EXPECT_EQ(CurrentSlot.slot->medalsToCashOut, 0);
    // The odd medals go into the next machine.
    CurrentSlot.slot->hallCursor = 6;
    ASSERT_EQ(TakeSeat().stringId, 0);
    EXPECT_EQ(Shops[0].machines[6].medals, c.odd);
    EXPECT_EQ(Shops[0].machines[6].pendingNotice, c.odd > 0 ? NoticeNone : NoticeOutOfMedals);
    EXPECT_EQ(p.carriedMedals, 0);
    CurrentSlot.slot->machine->medals = 0;
    LeaveSeat(CurrentSlot.index);
    EXPECT_EQ(CashOut(CurrentSlot.index).stringId, 0);  // no medals: nothing shown
    CurrentSlot.slot->hallCursor = 4;
    ASSERT_EQ(TakeSeat().stringId, 0);
  }
}

TEST_F(PlayersTest, SeatsAreRefusedWhenTakenOrClosed) {
  Seated("Aya", 4);
  MakeSlotCurrent(1);
  Enrol("Ben");
  ASSERT_EQ(StartVisit(1), 1);
  CurrentSlot.slot->hallCursor = 4;
  EXPECT_EQ(TakeSeat().stringId, TextMachineTaken);
  PlaceOccupant(0, 5, OccupantCustomer, 100);
  CurrentSlot.slot->hallCursor = 5;
  EXPECT_EQ(TakeSeat().stringId, TextMachineTaken);
  EXPECT_EQ(Shops[0].occupiedCount, 2);
  SetClock(2026, 12, 7, 22, 0);
  CurrentSlot.slot->hallCursor = 6;
  EXPECT_EQ(TakeSeat().stringId, TextClosingTime);
  EXPECT_EQ(Shops[0].machines[6].occupant, OccupantFree);
}

TEST_F(PlayersTest, LeavingKeepsTheBonusForTheNextCustomer) {
  Seated("Aya", 9);
  MachineRecord& m = Shops[0].machines[9];
  m.bigGames = 14;
  m.bigNet = 120;
  m.medals = 333;
  HallChanged = 0;
  ASSERT_EQ(LeaveSeat(0), 1);
  EXPECT_EQ(m.occupant, OccupantFree);
  EXPECT_EQ(m.bigGames, 14);
  EXPECT_EQ(m.medals, 0);
  EXPECT_EQ(PlayerSlots[0].medalsToCashOut, 333);
  EXPECT_EQ(PlayerSlots[0].machine, &Shops[0].machines[16]);
  EXPECT_EQ(PlayerSlots[0].hallCursor, 9);
  EXPECT_EQ(PlayerSlots[0].seatedMachine, 16);
  EXPECT_EQ(PlayerSlots[0].screen, ScreenHall);
  EXPECT_EQ(HallChanged, 1);
}

TEST_F(PlayersTest, ClosingVisitsCountsWinsLossesAndBest) {
  Seated("Aya", 4);
  PlayerRecord& p = *FindPlayer("Aya");
  struct Visit {
    int amount;
    int wins;
    int losses;
    int best;
  };
  const Visit visits[] = {{0, 0, 0, 0}, {-3000, 0, 1, 0}, {2400, 1, 1, 2400}, {1200, 2, 1, 2400}};
  for (const Visit& v : visits) {
    SCOPED_TRACE(v.amount);
    p.history[0].amount = v.amount;
    HallMessage farewell = CloseVisit();
    EXPECT_EQ(farewell.stringId, TextFarewell);
    EXPECT_STREQ(farewell.name, "Aya");
    EXPECT_EQ(p.wins, v.wins);
    EXPECT_EQ(p.losses, v.losses);
    EXPECT_EQ(p.best.amount, v.best);
  }
  EXPECT_STREQ(p.best.text, "Orlido 2");
  // A visit at 0 yen or below never entered the table.
  EXPECT_EQ(Shops[0].highScores[0].amount, 2400);
  EXPECT_EQ(Shops[0].highScores[1].amount, 1200);
  EXPECT_EQ(Shops[0].highScores[2].amount, 0);
  EXPECT_STREQ(Shops[0].highScores[2].date, "");
  FreeSlotAfterVisit();
  EXPECT_STREQ(CurrentSlot.slot->name, "");
  EXPECT_EQ(CurrentSlot.slot->screen, ScreenTitle);
  EXPECT_EQ(CurrentSlot.slot->hallCursor, 16);
}

TEST_F(PlayersTest, EqualResultsRankTheLaterOneBelow) {
  ShopRecord& shop = Shops[0];
  CalendarTime when{};
  when.month = 11;
  when.dayOfMonth = 7;
  EXPECT_EQ(EnterHighScore(shop, "first", 5000, when), 0);
  EXPECT_EQ(EnterHighScore(shop, "second", 5000, when), 1);
  EXPECT_EQ(EnterHighScore(shop, "top", 9000, when), 0);
  EXPECT_EQ(EnterHighScore(shop, "third", 5000, when), 3);
  EXPECT_EQ(EnterHighScore(shop, "low", 100, when), 4);
  EXPECT_EQ(EnterHighScore(shop, "lower", 50, when), -1);  // the table is full
  EXPECT_EQ(EnterHighScore(shop, "new", 6000, when), 1);    // "low" drops out
  EXPECT_STREQ(shop.highScores[0].text, "top");
  EXPECT_STREQ(shop.highScores[1].text, "new");
  EXPECT_STREQ(shop.highScores[2].text, "first");
  EXPECT_STREQ(shop.highScores[3].text, "second");
  EXPECT_STREQ(shop.highScores[4].text, "third");
  EXPECT_STREQ(shop.highScores[4].date, "12/07");
}

TEST_F(PlayersTest, WinRateText) {
  PlayerRecord p{};
  char text[4];
  FormatWinRate(p, text);
  EXPECT_STREQ(text, "100");
  p.wins = 1;
  p.losses = 2;
  FormatWinRate(p, text);
  EXPECT_STREQ(text, "33");
  p.wins = 1;
  p.losses = 19;
  FormatWinRate(p, text);
  EXPECT_STREQ(text, " 5");
  p.wins = 0;
  FormatWinRate(p, text);
  EXPECT_STREQ(text, " 0");
  p.wins = 99999999;  // no overflow at the largest counts a file may hold
  p.losses = 99999999;
  EXPECT_EQ(WinRate(p), 50);
}

TEST_F(PlayersTest, PurseNeverWrapsAround) {
  PlayerRecord& p = Seated("Aya", 4);
  p.purse = kYenLimit - 100;
  p.history[0].amount = kYenLimit - 100;
  LeaveWith(99999999);
  EXPECT_EQ(p.purse, kYenLimit);
  EXPECT_EQ(p.history[0].amount, kYenLimit);
}

// The Windows session ends with P1 seated with medals and P2 walking the hall: the medals go
// back to P1 as a cash-out would pay them, both visits are closed, and no seat code is left
// on the floor for the next start to find.
TEST_F(PlayersTest, EndOfTheSessionGivesTheMedalsBackAndClosesTheVisits) {
  PlayerRecord& aya = Seated("Aya", 6);
  CurrentSlot.slot->machine->medals = 100;
  aya.history[0].amount = -2000;  // bought 100 medals
  aya.purse = 8000;
  MakeSlotCurrent(1);
  ASSERT_EQ(StartVisit(Enrol("Ben") - 1), 1);
  CurrentSlot.slot->screen = ScreenHall;
  CloseAllVisitsQuietly();
  const PlayerRecord* a = FindPlayer("Aya");
  const PlayerRecord* b = FindPlayer("Ben");
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(a->purse, 9200);  // 100 medals: 1,200 yen and 4 carried
  EXPECT_EQ(a->carriedMedals, 4);
  EXPECT_EQ(a->history[0].amount, -800);
  EXPECT_EQ(a->losses, 1);
  EXPECT_EQ(b->wins + b->losses, 0);
  const MachineRecord& m = Shops[ShopDay].machines[6];
  EXPECT_EQ(m.occupant, OccupantFree);
  EXPECT_EQ(m.medals, 0);
  for (const PlayerSlot& slot : PlayerSlots) {
    EXPECT_STREQ(slot.name, "");
    EXPECT_EQ(slot.medalsToCashOut, 0);
  }
  EXPECT_EQ(CurrentSlot.index, 0);
  EXPECT_EQ(Shops[ShopDay].occupiedCount, 0);
}

}  // namespace
