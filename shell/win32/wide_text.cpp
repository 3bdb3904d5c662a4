// The game's texts are UTF-8 in the string table and Shift-JIS in the files; everything shown
// goes through the wide functions so Japanese reads right on any Windows locale.
#include "shell/win32/wide_text.h"

#include "hall/number_format.h"
#include "hall/string_id.h"
#include "hall/text.h"

namespace {
wchar_t wideBuffers[2][kWideTextChars];

void Convert(UINT codePage, const char* text, wchar_t* out, int chars) {
  out[0] = L'\0';
  if (text == nullptr || chars <= 0) return;
  // A text too long for the buffer shows nothing rather than half a character.
  if (MultiByteToWideChar(codePage, 0, text, -1, out, chars) <= 0) out[0] = L'\0';
  out[chars - 1] = L'\0';
}

UINT IconStyle(int icon) {
  switch (icon) {
    case IconWarning: return MB_ICONWARNING;
    case IconInformation: return MB_ICONINFORMATION;
    case IconQuestion: return MB_ICONQUESTION | MB_OKCANCEL;
    default: return MB_OK;
  }
}
}  // namespace

void Utf8ToWide(const char* text, wchar_t* out, int chars) { Convert(CP_UTF8, text, out, chars); }
void Cp932ToWide(const char* text, wchar_t* out, int chars) { Convert(932, text, out, chars); }

bool WideToCp932(const wchar_t* text, char* out, int bytes) {
  out[0] = '\0';
  BOOL lost = FALSE;
  int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text, -1, out, bytes, nullptr, &lost);
  if (n <= 0 || lost) {
    out[0] = '\0';
    return false;
  }
  return true;
}

const wchar_t* TextW(int buffer, int id) {
  wchar_t* out = wideBuffers[buffer == 1 ? 1 : 0];
  Utf8ToWide(LoadText(buffer, id), out, kWideTextChars);
  return out;
}

int GameMessageBox(HWND owner, const wchar_t* text, UINT style) {
  return MessageBoxW(owner, text, TextW(0, TextGameTitle), style);
}

void FormatHallMessage(const HallMessage& message, wchar_t* out, int chars) {
  wchar_t format[kWideTextChars];
  Utf8ToWide(LoadText(1, message.stringId), format, kWideTextChars);
  wchar_t name[64];
  Cp932ToWide(message.name, name, 64);
  wchar_t result[1025];
  if (message.stringId == TextCashOut) {
    char medals[kGroupedTrimBytes], yen[kGroupedTrimBytes];
    FormatGroupedTrim(message.value[0], medals);
    FormatGroupedTrim(message.value[1], yen);
    wchar_t medalsW[kGroupedTrimBytes], yenW[kGroupedTrimBytes];
    Utf8ToWide(medals, medalsW, kGroupedTrimBytes);
    Utf8ToWide(yen, yenW, kGroupedTrimBytes);
    wsprintfW(result, format, name, medalsW, yenW, static_cast<int>(message.value[2]));
  } else {
    wsprintfW(result, format, name);
  }
  lstrcpynW(out, result, chars);
}

int ShowHallMessage(HWND owner, const HallMessage& message, UINT extraStyle) {
  if (message.stringId == 0) return IDOK;
  wchar_t text[kWideTextChars];
  FormatHallMessage(message, text, kWideTextChars);
  return GameMessageBox(owner, text, IconStyle(message.icon) | extraStyle);
}
