# Playing and looking at a game under Wine:
#   make play [GAME=1]      builds and runs game No.N on a Wine virtual desktop (needs a display)
#   make screenshots        PNGs of the title, the hall by day and by night, the info panel,
#                           every dialog and the play screen (credit, reels turning, a win, a
#                           big bonus) of game No.1, taken under Xvfb: build/screenshots/
# The end-to-end runs use faketime to start the game at fixed times of day.

PACKAGES += faketime

PLAY_PREFIX ?= build/play-prefix
SHOTS_DIR   ?= build/screenshots
# The screenshots keep their save files apart from the ones of make play.
SHOTS_PREFIX ?= build/shots-prefix
GAME        ?= 1

.PHONY: play screenshots

play: mingw
	sh tools/wine/prepare-prefix $(PLAY_PREFIX)
	@if [ -z "$$DISPLAY" ]; then \
	  echo "make play: no display (DISPLAY is not set); see make screenshots"; exit 1; fi
	WINEPREFIX=$(CURDIR)/$(PLAY_PREFIX) WINEDEBUG=-all \
	  wine explorer /desktop=meridola,800x600 \
	  $(MINGW_DIR)/games/kv440$(GAME)/Kv440$(GAME).exe

screenshots: mingw
	sh tools/wine/prepare-prefix $(SHOTS_PREFIX)
	rm -rf $(SHOTS_DIR) && mkdir -p $(SHOTS_DIR)
	sh games/e2e/take-screenshots $(CURDIR)/$(SHOTS_PREFIX) \
	  $(MINGW_DIR)/games/e2e/kv4401_e2e.exe $(MINGW_DIR)/games/kv4401/Kv4401.exe \
	  $(MINGW_DIR)/games/e2e/menu_probe.dll $(CURDIR)/$(SHOTS_DIR)
	@ls $(SHOTS_DIR)/*.png
