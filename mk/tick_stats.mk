# Tick statistics of game No.1 under Wine (handler time per tick and its steps, queue wait,
# ticks the timer dropped and why, what the X server and the Wine server spent):
#   make tick-stats                  ten minutes of play, four players seated (two in automatic
#                                    play in the background), P1 playing automatically on screen
#   make tick-stats STATS_RUN=hall10 ten minutes of the hall screen with one player inside
#   make tick-baseline               ten minutes of the bare timer: the same tick scheme with a
#                                    handler that spins BASELINE_HANDLER_US (default 0) and
#                                    draws nothing, for what Wine's timer alone delivers
#   STATS_SECONDS=120                any of them cut short, for a quick look
# The statistics build lives apart from the game's own build, in build/stats.

STATS_DIR ?= build/stats
STATS_RUN ?= play10
STATS_SECONDS ?=
BASELINE_HANDLER_US ?= 0

.PHONY: tick-stats tick-baseline tick-stats-build

tick-stats-build: native
	cmake -S . -B $(STATS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	      -DMERIDOLA_HOST_BUILD=$(CURDIR)/$(NATIVE_DIR) -DMERIDOLA_TICK_STATS=ON
	cmake --build $(STATS_DIR) -j $(JOBS) \
	      --target Kv4401 meridola_e2e meridola_probe meridola_bare_timer
	sh tools/wine/prepare-prefix $(CURDIR)/$(STATS_DIR)/prefix

tick-stats: tick-stats-build
	MERIDOLA_MEASURE_SECONDS=$(STATS_SECONDS) sh tools/wine/measure-ticks $(CURDIR)/$(STATS_DIR)/prefix \
	  $(STATS_DIR)/games/e2e/meridola_e2e.exe $(STATS_DIR)/games/kv4401/Kv4401.exe \
	  $(STATS_DIR)/games/e2e/menu_probe.dll $(CURDIR)/$(STATS_DIR) $(STATS_RUN)

tick-baseline: tick-stats-build
	WINEPREFIX=$(CURDIR)/$(STATS_DIR)/prefix sh tools/wine/with-xvfb sh tools/wine/run-measured \
	  $(STATS_DIR)/tools/baretimer/bare_timer.exe $(or $(STATS_SECONDS),600) $(BASELINE_HANDLER_US)
