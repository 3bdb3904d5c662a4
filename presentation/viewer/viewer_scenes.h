// The viewer's scenes: each sets up the hall, the players and the current player's machine,
// shows the current screen and runs the game's ticks until the moment the scene shows.
#pragma once

extern const char* const kSceneNames[];
extern const int kSceneCount;

// False for a name that is no scene.
bool SetUpScene(const char* name);
