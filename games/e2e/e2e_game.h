// Which game the end-to-end driver drives: told by the program's own file name (Kv440N.exe),
// with that game's description, title, hall file and machine.
#pragma once

#include <string>

struct GameDescription;

// Sets the driver up for the game of this program: its number, description and machine. False
// when the file name names no game this build describes.
bool DriveGameOf(const std::wstring& exe);
// The number of the game a program file name names (Kv440N.exe), or 0.
int GameNumberOf(const std::wstring& exe);
int DrivenGame();
const GameDescription& DrivenDescription();
// "MERIDOLA No.N", the caption of every box; "Kv440N.dat", the game's hall file.
std::wstring GameTitle();
std::wstring GameTitle(int game);
std::string HallFileName();
// The program of another game built beside this one (build/.../kv440M/Kv440M.exe).
std::wstring SiblingGame(const std::wstring& exe, int game);
