// Every command the main window understands, by the number its menus, buttons, accelerator and
// the hall post with it. The hall's own two (notice, forced leave) come from its outbox.
#pragma once

#include "games/common/resource_ids.h"
#include "hall/hall_outbox.h"

constexpr int CmdHelpKey = ID_CMD_HELP_KEY;
constexpr int CmdStartupMenu = ID_CMD_STARTUP_MENU;
constexpr int CmdSlotP1 = ID_CMD_SLOT_P1;  // 40201..40204: P1..P4
constexpr int CmdSlotP4 = ID_CMD_SLOT_P4;
constexpr int CmdDayShop = ID_CMD_DAY_SHOP;
constexpr int CmdNightShop = ID_CMD_NIGHT_SHOP;
constexpr int CmdEnterShop = ID_CMD_ENTER_SHOP;
constexpr int CmdPlayers = ID_CMD_PLAYERS;
constexpr int CmdExit = ID_CMD_EXIT;
constexpr int CmdPrevMachine = ID_CMD_PREV_MACHINE;
constexpr int CmdNextMachine = ID_CMD_NEXT_MACHINE;
constexpr int CmdSelectMachine = ID_CMD_SELECT_MACHINE;
constexpr int CmdBackToMachine = ID_CMD_BACK_TO_MACHINE;
constexpr int CmdLeaveShop = ID_CMD_LEAVE_SHOP;
constexpr int CmdExchange = ID_CMD_EXCHANGE;
constexpr int CmdHallView = ID_CMD_HALL_VIEW;
constexpr int CmdStopPlaying = ID_CMD_STOP_PLAYING;
constexpr int CmdManual = ID_CMD_MANUAL;
constexpr int CmdAuto = ID_CMD_AUTO;
constexpr int CmdOrder123 = ID_CMD_ORDER_123;
constexpr int CmdOrder132 = ID_CMD_ORDER_132;
constexpr int CmdSound = ID_CMD_SOUND;
constexpr int CmdAnnounce = ID_CMD_ANNOUNCE;
constexpr int CmdHighScores = ID_CMD_HIGH_SCORES;
constexpr int CmdHowToPlay = ID_CMD_HOW_TO_PLAY;
constexpr int CmdVersion = ID_CMD_VERSION;

// Sent to the notice dialog, not to the main window.
constexpr int CmdNoticeSetText = 1501;
constexpr int CmdNoticeTick = 1502;

static_assert(CmdSlotP4 - CmdSlotP1 == 3, "one command per player slot");
