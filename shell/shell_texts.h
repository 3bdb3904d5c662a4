// Texts of the window layer that the string table does not hold: said when a typed name has a
// character that the player file, which keeps names in Shift-JIS, cannot store.
#pragma once

// UTF-8, like the string table.
constexpr const char* kTextNameNotStorable =
    "お名前に使えない文字が含まれています。\n別の文字で入力して下さい。";

// String-table entries only the shell uses.
constexpr int TextRunningGame = 5;  // "【MERIDOLA No.N】と同時には遊べません。"
constexpr int TextHelpFile = 43;    // "Kv440N.chm"
