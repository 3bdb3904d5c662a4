# Game No.1's own bitmaps (sources games/kv4401/art/<id>.svg), sounds and icons.
# The title picture carries its own colour table: the game colours in place plus the
# picture's extra shades in the entries the game table leaves black.
set(MERIDOLA_GAME_BITMAPS
  "501 480 432 --own-table --dither"
  "502 480 432 --dither"
  "513 140 272 --dither"
  "515 140 38"
  "600 60 336"
  "601 34 42"
  "602 24 24"
  "603 46 32"
  "604 64 90 --sprite"
  "605 62 100"
  "606 40 18"
  "607 86 32 --sprite"
  "608 54 54"
  "609 16 288"
)
set(MERIDOLA_GAME_SOUNDS 701 702 703 704 705 706 707 708 709)
set(MERIDOLA_GAME_ICONS 110 111)
