// Every command the main window understands, by the number its menus, buttons, accelerator and
// the hall post with it. The hall's own two (notice, forced leave) come from its outbox.
#pragma once

#include "hall/hall_outbox.h"

constexpr int CmdHelpKey = 40000;
constexpr int CmdStartupMenu = 40102;
constexpr int CmdSlotP1 = 40201;  // 40201..40204: P1..P4
constexpr int CmdSlotP4 = 40204;
constexpr int CmdDayShop = 40301;
constexpr int CmdNightShop = 40302;
constexpr int CmdEnterShop = 40303;
constexpr int CmdPlayers = 40304;
constexpr int CmdExit = 40305;
constexpr int CmdPrevMachine = 40306;
constexpr int CmdNextMachine = 40307;
constexpr int CmdSelectMachine = 40308;
constexpr int CmdBackToMachine = 40309;
constexpr int CmdLeaveShop = 40310;
constexpr int CmdExchange = 40311;
constexpr int CmdHallView = 40312;
constexpr int CmdStopPlaying = 40313;
constexpr int CmdManual = 40401;
constexpr int CmdAuto = 40402;
constexpr int CmdOrder123 = 40404;
constexpr int CmdOrder132 = 40405;
constexpr int CmdSound = 40500;
constexpr int CmdAnnounce = 40501;
constexpr int CmdHighScores = 40600;
constexpr int CmdHowToPlay = 40700;
constexpr int CmdVersion = 40701;

// Sent to the notice dialog, not to the main window.
constexpr int CmdNoticeSetText = 1501;
constexpr int CmdNoticeTick = 1502;

static_assert(CmdSlotP4 - CmdSlotP1 == 3, "one command per player slot");
