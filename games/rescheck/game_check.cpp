// The resource check of a MERIDOLA game (MERIDOLA_GAME, from its build): every id the game
// loads, with the sizes, texts and numbers the game relies on. What every game shares is
// written out here independently of the resource scripts; the game's own bitmaps and sounds
// are those its description lists.
#include <cstdio>

#include "games/common/resource_ids.h"
#include "games/rescheck/check_log.h"
#include "games/rescheck/resource_checks.h"
#include "hall/string_table.h"
#include "presentation/game_description.h"

namespace {

// A menu-bar suffix: "(", U+001E, key letter, U+001F, kana, ")".
#define SFX(letter, kana) "(\x1e" letter "\x1f" kana ")"

// The bitmaps every game has.
const BitmapExpect kSharedBitmaps[] = {
    {500, 128, 432, false, 0}, {503, 16, 264, false, 0},  {504, 10, 192, false, 0},
    {505, 32, 168, false, 0},  {506, 24, 112, false, 0},  {507, 30, 256, false, 0},
    {508, 128, 246, false, 0}, {509, 120, 564, false, 0}, {510, 120, 216, false, 0},
    {511, 170, 864, false, 0}, {512, 32, 96, false, 0},   {514, 52, 544, false, 0},
    {516, 88, 170, false, 170}, {517, 88, 328, false, 328}, {518, 40, 28, false, 28},
    {519, 72, 140, false, 28},
};

const MenuItemExpect kSharedBarTail[] = {
    {0, "ﾏﾙﾁﾌﾟﾚｲ" SFX("M", "ﾏ"), kPopup},
    {1, "P1" SFX("1", "1"), ID_CMD_SLOT_P1},
    {1, "P2" SFX("2", "2"), ID_CMD_SLOT_P2},
    {1, "P3" SFX("3", "3"), ID_CMD_SLOT_P3},
    {1, "P4" SFX("4", "4"), ID_CMD_SLOT_P4},
    {0, "ｵﾌﾟｼｮﾝ" SFX("O", "ｵ"), kPopup},
    {1, "ｻｳﾝﾄﾞ" SFX("S", "ｻ"), ID_CMD_SOUND},
    {1, "ｱﾅｳﾝｽ" SFX("A", "ｱ"), ID_CMD_ANNOUNCE},
    {0, "情報" SFX("I", "ｼ"), kPopup},
    {1, "ﾊｲｽｺｱ" SFX("H", "ﾊ") "...", ID_CMD_HIGH_SCORES},
    {0, "ﾍﾙﾌﾟ" SFX("H", "ﾍ"), kPopup},
    {1, "遊び方" SFX("H", "ﾍ"), ID_CMD_HOW_TO_PLAY},
    {1, "", kSeparator},
    {1, "ﾊﾞｰｼﾞｮﾝ情報" SFX("A", "ｼ") "...", ID_CMD_VERSION},
};

const MenuItemExpect kTitleBarHead[] = {
    {0, "ｹﾞｰﾑ" SFX("G", "ｹ"), kPopup},
    {1, "昼のお店" SFX("D", "ﾋ"), ID_CMD_DAY_SHOP},
    {1, "夜のお店" SFX("N", "ﾖ"), ID_CMD_NIGHT_SHOP},
    {1, "", kSeparator},
    {1, "お店に入る" SFX("G", "ｹ"), ID_CMD_ENTER_SHOP},
    {1, "", kSeparator},
    {1, "ﾌﾟﾚｲﾔｰ" SFX("P", "ﾌ") "...", ID_CMD_PLAYERS},
    {1, "", kSeparator},
    {1, "終了" SFX("E", "ｼ"), ID_CMD_EXIT},
};

const MenuItemExpect kHallBarHead[] = {
    {0, "ｹﾞｰﾑ" SFX("G", "ｹ"), kPopup},
    {1, "前の台" SFX("F", "ﾏ"), ID_CMD_PREV_MACHINE},
    {1, "次の台" SFX("N", "ﾂ"), ID_CMD_NEXT_MACHINE},
    {1, "", kSeparator},
    {1, "台の選択" SFX("C", "ｾ"), ID_CMD_SELECT_MACHINE},
    {1, "台に戻る" SFX("R", "ﾓ"), ID_CMD_BACK_TO_MACHINE},
    {1, "", kSeparator},
    {1, "ﾌﾟﾚｲﾔｰ" SFX("P", "ﾌ") "...", ID_CMD_PLAYERS},
    {1, "", kSeparator},
    {1, "お店を出る" SFX("E", "ﾃ"), ID_CMD_LEAVE_SHOP},
};

const MenuItemExpect kPlayBarHead[] = {
    {0, "ｹﾞｰﾑ" SFX("G", "ｹ"), kPopup},
    {1, "換メダル" SFX("C", "ｶ") "...", ID_CMD_EXCHANGE},
    {1, "ホール" SFX("L", "ｹ"), ID_CMD_HALL_VIEW},
    {1, "", kSeparator},
    {1, "ﾌﾟﾚｲﾔｰ" SFX("P", "ﾌ") "...", ID_CMD_PLAYERS},
    {1, "", kSeparator},
    {1, "止める" SFX("Q", "ﾔ"), ID_CMD_STOP_PLAYING},
    {0, "ﾌﾟﾚｲ" SFX("P", "ﾌ"), kPopup},
    {1, "ﾌﾟﾚｲﾓｰﾄﾞ" SFX("P", "ﾌ"), kPopup},
    {2, "手動" SFX("M", "ｼ"), ID_CMD_MANUAL},
    {2, "自動" SFX("A", "ﾄ"), ID_CMD_AUTO},
    {1, "停止順" SFX("S", "ﾃ"), kPopup},
    {2, "①②③ " SFX("1", "1"), ID_CMD_ORDER_123},
    {2, "①③② " SFX("2", "2"), ID_CMD_ORDER_132},
};

// The popups' shared middle part, one level below the named top popup.
#define POPUP_SHARED                                                                      \
  {1, "ﾏﾙﾁﾌﾟﾚｲ", kPopup}, {2, "P1", ID_CMD_SLOT_P1}, {2, "P2", ID_CMD_SLOT_P2}, {2, "P3", ID_CMD_SLOT_P3},          \
      {2, "P4", ID_CMD_SLOT_P4}, {1, "ｵﾌﾟｼｮﾝ", kPopup}, {2, "ｻｳﾝﾄﾞ", ID_CMD_SOUND}, {2, "ｱﾅｳﾝｽ", ID_CMD_ANNOUNCE}

const MenuItemExpect kTitlePopup[] = {
    {0, "FMENUDEMO", kPopup}, {1, "お店に入る", ID_CMD_ENTER_SHOP}, {1, "", kSeparator},
    {1, "ﾌﾟﾚｲﾔｰ...", ID_CMD_PLAYERS}, {1, "", kSeparator},       POPUP_SHARED,
    {1, "", kSeparator},      {1, "終了", ID_CMD_EXIT},
};

const MenuItemExpect kHallPopup[] = {
    {0, "FMENUHALL", kPopup}, {1, "台の選択", ID_CMD_SELECT_MACHINE},   {1, "台に戻る", ID_CMD_BACK_TO_MACHINE},
    {1, "", kSeparator},      {1, "ﾌﾟﾚｲﾔｰ...", ID_CMD_PLAYERS}, {1, "", kSeparator},
    POPUP_SHARED,             {1, "", kSeparator},      {1, "お店を出る", ID_CMD_LEAVE_SHOP},
};

const MenuItemExpect kPlayPopup[] = {
    {0, "FMENUPLAY", kPopup}, {1, "換メダル...", ID_CMD_EXCHANGE}, {1, "ホール", ID_CMD_HALL_VIEW},
    {1, "", kSeparator},      {1, "ﾌﾟﾚｲﾓｰﾄﾞ", kPopup},   {2, "手動", ID_CMD_MANUAL},
    {2, "自動", ID_CMD_AUTO},       {1, "停止順", kPopup},      {2, "①②③", ID_CMD_ORDER_123},
    {2, "①③②", ID_CMD_ORDER_132},       {1, "", kSeparator},        {1, "ﾌﾟﾚｲﾔｰ...", ID_CMD_PLAYERS},
    {1, "", kSeparator},      POPUP_SHARED,               {1, "", kSeparator},
    {1, "止める", ID_CMD_STOP_PLAYING},
};

constexpr int kMaxMenu = 64;

// A menu bar: its own first popup(s), then the four popups every bar shares.
void CheckBar(int id, const MenuItemExpect* head, int headCount) {
  MenuItemExpect items[kMaxMenu];
  int count = 0;
  for (int i = 0; i < headCount; ++i) items[count++] = head[i];
  for (const MenuItemExpect& item : kSharedBarTail) items[count++] = item;
  CheckMenu(id, items, count);
}

const int kNoticeIds[] = {1001, 1};
const int kPlayersIds[] = {1201, 1504, 1503, 1505, 1};
const int kEnrolIds[] = {1101, 1, 2};
const int kInfoIds[] = {1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012,
                        1013, 1014, 1015, 1016, 1017, 1018, 1019, 1020, 1021, 1022, 1023, 1024,
                        1};
const int kChoiceIds[] = {1201, 1, 2};
const int kScoreIds[] = {1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008,
                         1009, 1010, 1011, 1012, 1013, 1014, 1015, 1};
const int kExchangeIds[] = {1001, 1301, 1302, 1303, 1, 2};
const int kVersionIds[] = {1};

#define IDS(list) list, int(sizeof(list) / sizeof(list[0]))
const DialogExpect kDialogs[] = {
    {400, nullptr, 11, IDS(kNoticeIds)},
    {401, "ﾌﾟﾚｲﾔｰの情報", 9, IDS(kPlayersIds)},
    {402, "ﾌﾟﾚｲﾔｰの登録", 9, IDS(kEnrolIds)},
    {403, "ﾌﾟﾚｲﾔｰの照会", 9, IDS(kInfoIds)},
    {404, "ﾌﾟﾚｲﾔｰ選択", 9, IDS(kChoiceIds)},
    {405, "ﾊｲｽｺｱ", 9, IDS(kScoreIds)},
    {406, "メダル交換", 9, IDS(kExchangeIds)},
    {407, "ﾊﾞｰｼﾞｮﾝ情報", 9, IDS(kVersionIds)},
};

// Game No.1's sounds have the lengths its machine was tuned to; the other games' sounds are
// checked for their format and for being there.
struct WaveExpect {
  int id;
  double seconds;
};
const WaveExpect kNo1Waves[] = {{701, 3.0}, {702, 1.2}, {703, 2.0}, {704, 0.15}, {705, 0.6},
                                {706, 0.4}, {707, 0.2}, {708, 0.1}, {709, 0.6}};

double WaveSeconds(int game, int id) {
  if (game != 1) return 0;
  for (const WaveExpect& wave : kNo1Waves) {
    if (wave.id == id) return wave.seconds;
  }
  return 0;
}

struct CursorExpect {
  int id;
  int hotX;
  int hotY;
};
const CursorExpect kCursors[] = {{201, 8, 0}, {202, 26, 0}, {203, 19, 0}, {204, 5, 0}, {205, 12, 0}};

#define COUNT(list) int(sizeof(list) / sizeof(list[0]))

}  // namespace

int main() {
  constexpr int kGame = MERIDOLA_GAME;
  const GameDescription& game = *GameDescriptionOf(kGame);
  for (const BitmapExpect& bitmap : kSharedBitmaps) CheckBitmap(bitmap);
  for (int i = 0; i < game.bitmapCount; ++i) CheckBitmap(GameBitmapExpect(game, game.bitmaps[i]));
  CheckPaletteBitmap(500);
  CheckStrings(kGame);
  CheckBar(301, kTitleBarHead, COUNT(kTitleBarHead));
  CheckBar(302, kHallBarHead, COUNT(kHallBarHead));
  CheckBar(303, kPlayBarHead, COUNT(kPlayBarHead));
  CheckMenu(310, kTitlePopup, COUNT(kTitlePopup));
  CheckMenu(311, kHallPopup, COUNT(kHallPopup));
  CheckMenu(312, kPlayPopup, COUNT(kPlayPopup));
  CheckHelpAccelerator(100);
  for (const DialogExpect& dialog : kDialogs) CheckDialog(dialog, GameText(kGame, 1));
  CheckNoticeDialogStyle(400);
  for (const CursorExpect& cursor : kCursors) CheckCursor(cursor.id, cursor.hotX, cursor.hotY);
  CheckIcon(110);
  CheckIcon(111);
  for (int i = 0; i < game.sound.waveCount; ++i) {
    CheckWave(game.sound.waves[i], WaveSeconds(kGame, game.sound.waves[i]));
  }
  CheckNoOtherWaves(game.sound.waves, game.sound.waveCount);
  std::printf("resource check of MERIDOLA No.%d: %d checks, %d failed\n", kGame, CheckCount(),
              FailureCount());
  return FailureCount();
}
