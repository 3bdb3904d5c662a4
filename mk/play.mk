# Playing and looking at a game under Wine:
#   make play [GAME=N]          builds and runs game No.N on a Wine virtual desktop (needs a display)
#   make screenshots [GAME=N]   PNGs of the game's screens and dialogs under Xvfb: build/screenshots/N
# The end-to-end runs use faketime to start the game at fixed times of day.

PACKAGES += faketime

PLAY_PREFIX ?= build/play-prefix
SHOTS_DIR   ?= build/screenshots/$(GAME)
# The screenshots keep their save files apart from the ones of make play.
SHOTS_PREFIX ?= build/shots-prefix
GAME        ?= 1
GAME_EXE     = $(MINGW_DIR)/games/kv440$(GAME)/Kv440$(GAME).exe

.PHONY: play screenshots game-built

# A game is built when the games' build list has it (games/CMakeLists.txt).
game-built:
	@if ! grep -q '^meridola_game($(GAME))' games/CMakeLists.txt; then \
	  echo "game No.$(GAME) is not built yet: the games built are" \
	    $$(sed -n 's/^meridola_game(\([1-7]\)).*/\1/p' games/CMakeLists.txt); exit 1; fi

play: game-built mingw
	sh tools/wine/prepare-prefix $(PLAY_PREFIX)
	@if [ -z "$$DISPLAY" ]; then \
	  echo "make play: no display (DISPLAY is not set); see make screenshots"; exit 1; fi
	WINEPREFIX=$(CURDIR)/$(PLAY_PREFIX) WINEDEBUG=-all \
	  wine explorer /desktop=meridola,800x600 $(GAME_EXE)

screenshots: game-built mingw
	sh tools/wine/prepare-prefix $(SHOTS_PREFIX)
	rm -rf $(SHOTS_DIR) && mkdir -p $(SHOTS_DIR)
	sh games/e2e/take-screenshots $(CURDIR)/$(SHOTS_PREFIX) \
	  $(MINGW_DIR)/games/e2e/meridola_e2e.exe $(GAME_EXE) \
	  $(MINGW_DIR)/games/e2e/menu_probe.dll $(CURDIR)/$(SHOTS_DIR)
	@ls $(SHOTS_DIR)/*.png
