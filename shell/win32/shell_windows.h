// The windows of the game's shell and the routines the shell's files call on each other:
// main window, screens, info panel, notice dialog, menus, commands, visits and dialogs.
// Windows only.
#pragma once

#include <windows.h>

#include "hall/hall_message.h"

// Handles kept for the whole run.
extern HINSTANCE GameInstance;
extern HWND MainWindow;
extern HWND NoticeDialog;
extern HWND InfoPanel;
extern HWND TitleWindow;
extern HWND HallWindow;
extern HWND PlayWindow;
extern char StartupDir[MAX_PATH];

// The private message of the tick.
constexpr UINT WM_GAME_TICK = WM_USER;

// WinMain of every game of the family, after the game has chosen its machine.
int RunGame(HINSTANCE instance, int showCommand);

// Main window.
bool RegisterMainWindowClass();
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void ShellShutdown();

// Tick timer (tick_timer.cpp).
bool StartTickTimer();
void StopTickTimer();
void HandleTick();
void ReportTickStats();

// Screens and the info panel (screens.cpp, info_panel.cpp).
bool RegisterScreenClasses();
bool CreateScreenWindows(HWND mainWindow);
HWND ScreenWindowOf(int screen);
void SwitchScreenWindow(int fromScreen, int toScreen);
void ShowScreenControls();
HWND PanelControl(int id);
void ShowPanelPage(int page);
void InvalidateInfoArea();
void InvalidatePanelControl(int id);

// Menus and help (menus.cpp).
void UpdateMenuBar();
bool ShowPopupMenu(HWND window, LPARAM lParam);
void OpenHelp(HWND owner);

// Commands (commands.cpp, shop_visits.cpp).
void DispatchCommand(HWND window, WPARAM wParam, LPARAM lParam);
void HandleKey(UINT message, WPARAM key);
void StopSound();
int SwitchSlot(int index);
int StopPlaying(int reason);
int CloseAllPlayers();
int CmdNoticeHandler(LPARAM lParam);
int CmdForcedLeaveHandler(LPARAM lParam);
int CmdEnterShopHandler();
int CmdSelectMachineHandler();
int CmdBackToMachineHandler();
int CmdHallViewHandler();
int CmdLeaveShopHandler();
int CmdPrevNextMachine(int direction);

// Dialogs (notice_dialog.cpp, player_dialogs.cpp, game_dialogs.cpp).
INT_PTR CALLBACK NoticeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PlayerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK EnrolDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PlayerInfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PlayerChoiceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK HighScoreDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ExchangeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK VersionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The documents folder from the shell service, handed to the save files' folder rule.
void UseDocumentsFolder();
