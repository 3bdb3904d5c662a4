// Stop control of machine No.5: the first stop of a spin chooses a table for the role served
// (kept in the record's single-bonus field, which this machine does not otherwise use); every
// reel then runs on to the next strip index the table allows. In JAC play the table also
// decides whether the JAC game wins.
#include "machine/families/no5/no5_family.h"
#include "machine/families/no5/no5_stop_tables.h"
#include "machine/game_random.h"
#include "machine/pay_lines.h"
#include "machine/reel_geometry.h"
#include "machine/stop_search.h"

int SlideToAllowed(uint32_t allowed, int top) {
  for (int n = 0; n < kStripLength; ++n) {
    if (allowed & (1u << Mod21(top - n))) return n;
  }
  return 0;  // a table row with no allowed index: stop where the reel is
}

namespace {

int SetOfRole(const MachineRecord& m, int role) {
  if (m.jacWins > 0) return TableSetJac;
  switch (role) {
    case No5RoleBig: return TableSetBig;
    case No5RoleRegular: return TableSetRegular;
    case No5RoleCherry: return TableSetCherry;
    case No5RoleFruit: return TableSetFruit;
    case No5RoleMelon: return TableSetMelon;
    case No5RoleJac: return TableSetJac;
    case No5RoleBonusGame: return TableSetBonusGame;
    default: return TableSetNone;
  }
}

// The table of a spin, chosen at its first stop.
int ChooseTable(MachineRecord& m, int set, int reel) {
  const bool reelOneFirst = reel == 0;
  switch (set) {
    case TableSetBig: return reelOneFirst ? 1 + GameRand() % 11 : 12;
    case TableSetRegular: return reelOneFirst ? 1 + GameRand() % 10 : 11;
    case TableSetCherry: return GameRand() % 4;
    case TableSetFruit: return reelOneFirst ? GameRand() % 15 : 15 + GameRand() % 6;
    case TableSetMelon: return reelOneFirst ? GameRand() % 2 : 2 + GameRand() % 3;
    case TableSetBonusGame: return reelOneFirst ? 1 : 0;
    case TableSetJac:
      if (m.jacWins > 0) {  // JAC play: the stage's sequence gives the table of each spin
        if (m.jacGames == 12) m.jacSequence = GameRand() % kJacSequenceCount;
        if (m.jacGames % 3 != 0 || m.jacGames < 3 || m.jacGames > 12) return m.singleBonus;
        int sequence = m.jacSequence >= 0 && m.jacSequence < kJacSequenceCount ? m.jacSequence : 0;
        return kJacSequences[sequence][4 - m.jacGames / 3];
      }
      if (m.bet == 1) return kJacInFirstTable;
      if (m.bet == 2) return kJacInFirstTable + GameRand() % 3;
      return kJacInFirstTable + GameRand() % 5;
    default: {
      int table = GameRand() % 7;
      return table == 1 && (m.bet == 2 || m.bet == 3) ? 0 : table;
    }
  }
}

// A big bonus general game with reel 1 stopped first reads reel 1 at the second stop: the
// bells and cherries it shows choose the table for the other two reels.
int RechooseBonusGameTable(const MachineModel& model, const MachineRecord& m, int table) {
  if (table == 0) return 0;
  auto shows = [&](int row, int symbol) {
    return SymbolAfter(model, m, 0, row, 0, false) == symbol;
  };
  if (shows(RowTop, No5SymbolBell)) table = 2;
  if (shows(RowMiddle, No5SymbolBell)) table = 3;
  if (shows(RowBottom, No5SymbolBell)) table = 4;
  if (shows(RowTop, No5SymbolCherry)) table = 5 + GameRand() % 2;
  if (shows(RowBottom, No5SymbolCherry)) table = 7 + GameRand() % 2;
  return table;
}

// Would the reel, resting after n more symbols as the last of the spin, line up a bonus that no
// role held grants? Sevens need the big bonus role; BARs or the JAC line a JAC stage role.
bool StartsUngrantedBonus(const MachineModel& model, const MachineRecord& m, int reel, int n) {
  MachineRecord probe = m;
  probe.reelPos[reel] = model.symbolHeight * Mod21(TopStripIndex(model.symbolHeight, m.reelPos[reel]) - n);
  probe.reelState[reel] = 0;
  model.payout(model, probe);
  bool big = probe.bigGames == kMarker && m.bigGames != kMarker && !(m.roleFlags & No5RoleBig);
  bool stage = probe.jacWins == kMarker && m.jacWins != kMarker &&
               !(m.roleFlags & (No5RoleRegular | No5RoleJac));
  return big || stage;
}

// The tables as given let a few last stops complete a line nobody asked for: Regular table 8
// holds three sevens on the middle line, Big tables 5 and 10 hold BARs, BonusGame tables 1, 4
// and 5 hold sevens or BARs. The last reel then runs on to the next place its table allows
// that lines up no such bonus, or failing that to the next place at all that does not.
int AvoidUngrantedBonus(const MachineModel& model, const MachineRecord& m, int reel,
                        uint32_t allowed, int top, int n) {
  if (!StartsUngrantedBonus(model, m, reel, n)) return n;
  for (int k = n + 1; k < kStripLength; ++k) {
    if ((allowed & (1u << Mod21(top - k))) && !StartsUngrantedBonus(model, m, reel, k)) return k;
  }
  for (int k = 0; k < kStripLength; ++k) {
    if (!StartsUngrantedBonus(model, m, reel, k)) return k;
  }
  return n;
}

}  // namespace

int No5ServedRole(const MachineRecord& m) {
  if (m.roleFlags & No5RoleJac) return No5RoleJac;
  if (m.jacWins > 0) return 0;
  static const int kSmall[] = {No5RoleBonusGame, No5RoleCherry, No5RoleFruit, No5RoleMelon};
  for (int role : kSmall) {
    if (m.roleFlags & role) return role;
  }
  if (m.bigGames > 0) return 0;
  if (m.roleFlags & No5RoleRegular) return No5RoleRegular;
  if (m.roleFlags & No5RoleBig) return No5RoleBig;
  return 0;
}

int No5StopControl(const MachineModel& model, MachineRecord& m, int reel) {
  const int role = No5ServedRole(m);
  const int set = SetOfRole(m, role);
  const int stop = StopsInGame(m);
  if (stop == 1) {
    m.singleBonus = ChooseTable(m, set, reel);
    // Scoring reads the JAC-marked symbols as Jac when a JAC-in is aimed at.
    m.targetSymbol = role == No5RoleJac ? No5SymbolJac : No5SymbolNone;
    m.targetLine = LineMiddle;
  } else if (stop == 2 && set == TableSetBonusGame) {
    m.singleBonus = RechooseBonusGameTable(model, m, m.singleBonus);
  }
  const StopTableSet& tables = kNo5StopTableSets[set];
  int table = m.singleBonus >= 0 && m.singleBonus < tables.count ? m.singleBonus : 0;
  int top = TopStripIndex(model.symbolHeight, m.reelPos[reel]);
  const uint32_t allowed = tables.tables[table].allowed[reel];
  int n = SlideToAllowed(allowed, top);
  if (m.jacWins <= 0 && stop == kReelCount) n = AvoidUngrantedBonus(model, m, reel, allowed, top, n);
  if (m.jacWins > 0) {  // the table decides the JAC game
    bool win = SymbolAfter(model, m, reel, RowMiddle, n, true) == No5SymbolJac;
    m.litLines = win ? LineMiddle : 0;
    m.payoutPending = win ? 15 : 0;
  }
  return n;
}
