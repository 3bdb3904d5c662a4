/* The resource ids every game shares, named once: the resource scripts (through windres),
   the C++ and the end-to-end driver read them here. Plain preprocessor definitions, so that the
   resource compiler reads them too. A game's own bitmaps and sounds are numbered by its
   description (games/kv440N/game.json) within the runs named here. */
#ifndef MERIDOLA_RESOURCE_IDS_H
#define MERIDOLA_RESOURCE_IDS_H

/* The accelerator table and the icons. */
#define IDR_ACCELERATORS 100
#define IDI_GAME 110
#define IDI_GAME_SMALL 111

/* Cursors of the play controls. */
#define IDC_CURSOR_MEDAL 201  /* a hand holding a medal */
#define IDC_CURSOR_LEVER 202  /* a hand gripping the lever */
#define IDC_CURSOR_POINT 203  /* a pointing hand */
#define IDC_CURSOR_PRESS 204  /* a hand with the index finger up */
#define IDC_CURSOR_POINT2 205 /* a pointing hand, hot spot further right */

/* Menu bars of the title, hall and play screens, and their right-click popups. */
#define IDM_TITLE_BAR 301
#define IDM_HALL_BAR 302
#define IDM_PLAY_BAR 303
#define IDM_TITLE_POPUP 310
#define IDM_HALL_POPUP 311
#define IDM_PLAY_POPUP 312

/* Dialogs. */
#define IDD_NOTICE 400
#define IDD_PLAYERS 401
#define IDD_ENROL 402
#define IDD_PLAYER_INFO 403
#define IDD_PLAYER_CHOICE 404
#define IDD_HIGH_SCORES 405
#define IDD_EXCHANGE 406
#define IDD_VERSION 407

/* Controls of the dialogs: the text fields of a dialog, numbered from 1001 in reading order
   (the notice's text, the purse of the exchange, the player's details, the high scores), and
   the named ones. */
#define IDC_FIELD_1 1001
#define IDC_FIELD_2 1002
#define IDC_FIELD_3 1003
#define IDC_FIELD_4 1004
#define IDC_FIELD_5 1005
#define IDC_FIELD_6 1006
#define IDC_FIELD_7 1007
#define IDC_FIELD_8 1008
#define IDC_FIELD_9 1009
#define IDC_FIELD_10 1010
#define IDC_FIELD_11 1011
#define IDC_FIELD_12 1012
#define IDC_FIELD_13 1013
#define IDC_FIELD_14 1014
#define IDC_FIELD_15 1015
#define IDC_FIELD_16 1016
#define IDC_FIELD_17 1017
#define IDC_FIELD_18 1018
#define IDC_FIELD_19 1019
#define IDC_FIELD_20 1020
#define IDC_FIELD_21 1021
#define IDC_FIELD_22 1022
#define IDC_FIELD_23 1023
#define IDC_FIELD_24 1024
#define IDC_NAME_EDIT 1101
#define IDC_PLAYER_LIST 1201
#define IDC_MEDALS_50 1301
#define IDC_MEDALS_250 1302
#define IDC_MEDALS_500 1303
#define IDC_ENROL 1503
#define IDC_INSPECT 1504
#define IDC_DELETE 1505

/* Bitmaps every game shares (DIBITMAP). */
#define IDB_PANEL 500   /* the info panel; the game palette's colour table */
#define IDB_TITLE 501
#define IDB_FACE 502
#define IDB_LARGE_DIGITS 503
#define IDB_SMALL_DIGITS 504
#define IDB_DAY_NAMES 505
#define IDB_SMALL_DAY_NAMES 506
#define IDB_MACHINE_PLATES 507
#define IDB_PANEL_PARTS 508
#define IDB_PANEL_BUTTONS 509
#define IDB_SELECTORS 510
#define IDB_ISLAND_ENDS 511
#define IDB_WALL_AND_FLOOR 512
#define IDB_HALL_MACHINE 513
#define IDB_HALL_PIECES 514
#define IDB_HALL_LAMPS 515
#define IDB_EMPTY_STOOL 516
#define IDB_SEATED_STOOL 517
#define IDB_FLOOR_BOX 518
#define IDB_SHELF_BOXES 519
#define IDB_FIRST_MACHINE_ART 600  /* 600..611: the machine's own pictures */
#define IDB_LAST_MACHINE_ART 611

/* Sounds (WAVE): 701..710, each game the ones its description lists. */
#define IDW_FIRST 701
#define IDW_LAST 710

/* Commands of the menus, buttons, accelerator and the hall. */
#define ID_CMD_HELP_KEY 40000
/* Posted by the game itself: the hall's notice and forced leave, and the start-up command. */
#define ID_CMD_NOTICE 40100
#define ID_CMD_FORCED_LEAVE 40101
#define ID_CMD_STARTUP_MENU 40102
#define ID_CMD_SLOT_P1 40201
#define ID_CMD_SLOT_P2 40202
#define ID_CMD_SLOT_P3 40203
#define ID_CMD_SLOT_P4 40204
#define ID_CMD_DAY_SHOP 40301
#define ID_CMD_NIGHT_SHOP 40302
#define ID_CMD_ENTER_SHOP 40303
#define ID_CMD_PLAYERS 40304
#define ID_CMD_EXIT 40305
#define ID_CMD_PREV_MACHINE 40306
#define ID_CMD_NEXT_MACHINE 40307
#define ID_CMD_SELECT_MACHINE 40308
#define ID_CMD_BACK_TO_MACHINE 40309
#define ID_CMD_LEAVE_SHOP 40310
#define ID_CMD_EXCHANGE 40311
#define ID_CMD_HALL_VIEW 40312
#define ID_CMD_STOP_PLAYING 40313
#define ID_CMD_MANUAL 40401
#define ID_CMD_AUTO 40402
#define ID_CMD_ORDER_123 40404
#define ID_CMD_ORDER_132 40405
#define ID_CMD_SOUND 40500
#define ID_CMD_ANNOUNCE 40501
#define ID_CMD_HIGH_SCORES 40600
#define ID_CMD_HOW_TO_PLAY 40700
#define ID_CMD_VERSION 40701

#endif
