# The bitmaps every game shares: resource id, width, height and the converter's options.
# Sources are games/common/art/<id>.svg drawn at exactly this size.
#   --dither     ordered dithering where the drawing has gradients
#   --sprite     drawn on the key colour #008080, which becomes transparent
set(MERIDOLA_COMMON_BITMAPS
  "500 128 432"
  "503 16 264"
  "504 10 192"
  "505 32 168"
  "506 24 112"
  "507 30 256"
  "508 128 246"
  "509 120 564"
  "510 120 216"
  "511 170 864 --dither"
  "512 32 96 --dither"
  "514 52 544 --dither"
  "516 88 170 --dither --sprite"
  "517 88 328 --dither --sprite"
  "518 40 28 --sprite"
  "519 72 140 --sprite"
)
