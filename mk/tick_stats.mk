# Tick statistics of game No.1 under Wine (handler time per tick, ticks the timer dropped):
#   make tick-stats                  ten minutes of play, four players seated (two in automatic
#                                    play in the background), P1 playing automatically on screen
#   make tick-stats STATS_RUN=hall10 ten minutes of the hall screen with one player inside
# The statistics build lives apart from the game's own build, in build/stats.

STATS_DIR ?= build/stats
STATS_RUN ?= play10

.PHONY: tick-stats

tick-stats: native
	cmake -S . -B $(STATS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	      -DMERIDOLA_HOST_BUILD=$(CURDIR)/$(NATIVE_DIR) -DMERIDOLA_TICK_STATS=ON
	cmake --build $(STATS_DIR) -j $(JOBS) --target Kv4401 meridola_e2e meridola_probe
	sh tools/wine/prepare-prefix $(CURDIR)/$(STATS_DIR)/prefix
	sh tools/wine/measure-ticks $(CURDIR)/$(STATS_DIR)/prefix \
	  $(STATS_DIR)/games/e2e/meridola_e2e.exe $(STATS_DIR)/games/kv4401/Kv4401.exe \
	  $(STATS_DIR)/games/e2e/menu_probe.dll $(CURDIR)/$(STATS_DIR) $(STATS_RUN)
