// String-table entries the hall and the player rules name: the texts they ask to be shown.
#pragma once

enum StringId {
  TextGameTitle = 1,
  TextModelName = 2,
  TextHallFile = 3,
  TextPlayerFile = 4,
  TextNoPlayerToSeat = 9,
  TextDayShopHours = 10,    // 10 + shop index: the closed shop's opening hours
  TextNightShopHours = 11,
  TextMachineTaken = 12,
  TextShortPurse = 13,
  TextBigBonusStart = 14,   // %d machine number
  TextOutOfMedals = 15,
  TextClosingTime = 16,
  TextStopQuestion = 17,    // %s name
  TextCashOut = 18,         // %s name, %s medals, %s yen, %d odd medals
  TextFarewell = 19,        // %s name
  TextDuplicateName = 32,
  TextEmptyName = 33,
  TextDeleteQuestion = 34,  // %s name
  TextSlotLabelP1 = 35,     // 35 + slot index: "Ｐ１" .. "Ｐ４"
  TextNotInHall = 40,
  TextWin = 41,
  TextLoss = 42,
  // Our own entries, the same in every game.
  TextFileInUse = 50,       // %s file name: it could not be read and is not saved over
  TextNameTooLong = 51,     // a typed name of more than 22 bytes
};
