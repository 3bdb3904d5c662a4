// The texts the games compose at run time. Entries 1, 2, 3, 5 and 43 name the game itself;
// every other entry is the same in all seven games.
#include "hall/string_table.h"

namespace {

struct SharedText {
  int id;
  const char* text;
};

// Entries identical in every game.
const SharedText kSharedTexts[] = {
    {4, "tavri.dat"},
    {9, "ﾌﾟﾚｲﾔｰを登録して下さい。"},
    {10, "【昼のお店】の営業時間は、１０時～２２時です。"},
    {11, "【夜のお店】の営業時間は、２２時～１０時です。"},
    {12, "他のお客さまが、ご遊技中です。"},
    {13, "お金が足りません。"},
    {14, "%d 番台、Big Bonus スタートです。"},
    {15, "メダルがありません。"},
    {16, "閉店時間になりました。"},
    {17, "「%s」さん\n止めますか。"},
    {18, "「%s」さん\nメダル %s枚で %s円と、余り %d枚でした。"},
    {19, "「%s」さん\nまたのご来店、心よりお待ちしております。"},
    {32, "この方は、既に登録して有ります。"},
    {33, "お名前を入力して下さい。"},
    {34, "「%s」さんを削除します。"},
    {35, "Ｐ１"},
    {36, "Ｐ２"},
    {37, "Ｐ３"},
    {38, "Ｐ４"},
    {40, "****"},
    {41, "勝ち"},
    {42, "負け"},
    // Entries of our own. Each must fit the 127-byte text buffer in UTF-8.
    {50, "「%s」を読めませんでした。\n他のプログラムが使用中のようです。\n上書きせずに残します。"},
    {51, "お名前は全角11文字、半角22文字までです。"},
};

// Entries that name the game: [game - 1].
const char* const kTitles[kGameCount] = {
    "MERIDOLA No.1", "MERIDOLA No.2", "MERIDOLA No.3", "MERIDOLA No.4",
    "MERIDOLA No.5", "MERIDOLA No.6", "MERIDOLA No.7",
};
const char* const kModelNames[kGameCount] = {
    "Orlido 2", "Vexamira", "Tarnolet 3", "Pembrix 7", "Sulvano", "Quessida", "Brakolo",
};
const char* const kHallFiles[kGameCount] = {
    "Kv4401.dat", "Kv4402.dat", "Kv4403.dat", "Kv4404.dat",
    "Kv4405.dat", "Kv4406.dat", "Kv4407.dat",
};
const char* const kRefusals[kGameCount] = {
    "【MERIDOLA No.1】と同時には遊べません。", "【MERIDOLA No.2】と同時には遊べません。",
    "【MERIDOLA No.3】と同時には遊べません。", "【MERIDOLA No.4】と同時には遊べません。",
    "【MERIDOLA No.5】と同時には遊べません。", "【MERIDOLA No.6】と同時には遊べません。",
    "【MERIDOLA No.7】と同時には遊べません。",
};
const char* const kHelpFiles[kGameCount] = {
    "Kv4401.chm", "Kv4402.chm", "Kv4403.chm", "Kv4404.chm",
    "Kv4405.chm", "Kv4406.chm", "Kv4407.chm",
};

}  // namespace

const int kStringTableIds[] = {1,  2,  3,  4,  5,  9,  10, 11, 12, 13, 14, 15, 16, 17,
                               18, 19, 32, 33, 34, 35, 36, 37, 38, 40, 41, 42, 43, 50, 51};
const int kStringTableIdCount = sizeof(kStringTableIds) / sizeof(kStringTableIds[0]);

const char* GameText(int game, int id) {
  if (game < 1 || game > kGameCount) return nullptr;
  switch (id) {
    case 1: return kTitles[game - 1];
    case 2: return kModelNames[game - 1];
    case 3: return kHallFiles[game - 1];
    case 5: return kRefusals[game - 1];
    case 43: return kHelpFiles[game - 1];
    default: break;
  }
  for (const SharedText& entry : kSharedTexts) {
    if (entry.id == id) return entry.text;
  }
  return nullptr;
}
