// The steps every end-to-end run of a game shares: answering boxes, reading menus, lists and
// panels, enrolling and entering players, preparing the hall file and asking for screenshots.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "games/e2e/e2e_game.h"
#include "games/e2e/game_session.h"
#include "games/rescheck/check_log.h"
#include "hall/player_record.h"
#include "hall/save_data.h"
#include "hall/shops.h"

inline const std::wstring kLongName = L"あいうえおかきくけこさ";  // 22 bytes in Shift-JIS

// Where the screenshots go (the runner's folder), empty outside make screenshots.
extern std::string shotsDir;

// How long the long measurements (hall10, play10) last: ten minutes, or the seconds given in
// MERIDOLA_MEASURE_SECONDS for a quick look.
int MeasureMilliseconds();

std::string Hex(const std::wstring& s);

// A message box of the game with this text and icon, answered with `button`.
bool ExpectBox(GameSession& g, const std::wstring& text, int icon, int button, const char* what);
// A command the game handles at once (no box or dialog): sent, so it is done on return.
void Do(const GameSession& g, int id);
// A numeric keypad key (0-9) going down or up, and a press of it: sent, so the machine has
// taken it on return (the screen follows at the next tick).
void KeypadKey(const GameSession& g, int digit, bool down);
// Answers every message box the game shows with OK until it ends; its exit code, -1 if it
// does not end.
int AnswerBoxesUntilExit(GameSession& g);

bool Checked(const std::vector<MenuItemState>& menu, int id);
bool Greyed(const std::vector<MenuItemState>& menu, int id);
bool Has(const std::vector<MenuItemState>& menu, int id);

// Waits until exactly the listed panel controls are shown, then reports each one.
void CheckPanel(GameSession& g, std::initializer_list<int> shown, const char* screen);
// Waits until only this screen window and the info panel are shown.
void CheckScreen(GameSession& g, const wchar_t* visibleClass, const char* what);

// The player list (control 1201) of the player dialogs.
std::wstring ListLine(HWND dialog, int index);
int ListCount(HWND dialog);
void SelectLine(HWND dialog, int index);
bool Enabled(HWND dialog, int id);
std::wstring Trim(const std::wstring& s);

// Enrols a name through dialog 402 from the open player dialog; the dialog is left for the
// caller when the name is refused.
HWND OpenEnrolment(GameSession& g, HWND players, const std::wstring& name);
void Enrol(GameSession& g, HWND players, const std::wstring& name);
void RefusedEnrolment(GameSession& g, HWND players, const std::wstring& name,
                      const std::wstring& text, const char* what);

// The game's save files in the documents folder it uses.
std::string DataPath(const char* name);
CalendarTime NowPlusSeconds(int seconds);
// A hall where customers hold machines 1 to 8 of the day shop (and of the night shop with
// `nightCustomers`), machines 0 and 9 to 15 are free and no hour is left to catch up. Both
// shops hold one high score. PrepareShops only fills Shops, for a caller that changes a
// machine before WriteHall saves them.
void PrepareHall(bool nightCustomers = false);
void PrepareShops(bool nightCustomers);
void WriteHall();
// A player file with just these players, each with the purse of a new enrolment.
void WritePlayers(std::initializer_list<const wchar_t*> names);
long FileSize(const std::string& path);
const PlayerRecord* FindRecord(const std::wstring& name);

// Enters the hall as the player on this line of the player choice.
void EnterAs(GameSession& g, int line);
// Sits down at a machine of the hall, walking there from machine 0 with FORE.
void SitAt(GameSession& g, int machine, const char* what);

// A keypad digit pressed and released. The game handles keys at once, inside the message, so
// the machine has taken the press when this returns; the screen follows at the next tick.
void Key(const GameSession& g, int digit);
void Keys(const GameSession& g, std::initializer_list<int> digits);
// Answers the next message box with OK and returns its text.
std::wstring TakeBox(GameSession& g, int icon, const char* what);
// Buys the preselected 50 medals at the seated machine.
void Exchange50(GameSession& g, const char* what);
// The game's modeless notice dialog, shown or hidden.
HWND NoticeDialog(const GameSession& g);
// Within `ms` the notice shows this text, centred on the 480-pixel screen area and on the main
// window.
void CheckNoticeShown(GameSession& g, const std::wstring& text, const char* what, int ms = 5000);

// Asks the runner for a screenshot of the whole screen, saved as NAME.png.
void Shot(const char* name);
// Takes the picture at once, without the runner: for screens that change by the moment, such as
// blinking lamps. Saved as NAME.bmp; the runner turns it into a PNG.
void ShotNow(const char* name);
HWND ShotDialog(GameSession& g, int command, const wchar_t* caption, const char* name);

std::wstring Wide(const char* text);
// Reads the save files from the documents folder the game itself uses.
void UseGameDocumentsFolder();

// Ten minutes of play for the tick statistics (the "play10" run).
void RunPlayTenMinutes(GameSession& g);
