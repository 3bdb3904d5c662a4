# make presentation-shots: pictures of game No.1's screens as the viewer shows them under Wine
# on a private X display (title, hall, slide, play screen idle, spinning, winning, in a big
# bonus, info panel pages), as PNGs in $(MINGW_DIR)/presentation-shots.
#   make presentation-time   the drawing's paint and tick timings under Wine

PRESENTATION_SHOTS = $(MINGW_DIR)/presentation-shots
PRESENTATION_VIEWER = $(MINGW_DIR)/presentation/viewer/presentation_viewer.exe
PRESENTATION_PREFIX = $(CURDIR)/$(MINGW_DIR)/wineprefix

.PHONY: presentation-shots presentation-time

presentation-shots: mingw
	rm -rf $(PRESENTATION_SHOTS)
	mkdir -p $(PRESENTATION_SHOTS)
	sh tools/wine/prepare-prefix $(PRESENTATION_PREFIX)
	sh tools/wine/run-wine $(PRESENTATION_PREFIX) $(PRESENTATION_VIEWER) --shot $(CURDIR)/$(PRESENTATION_SHOTS)
	for f in $(PRESENTATION_SHOTS)/*.bmp; do convert "$$f" "$${f%.bmp}.png" && rm "$$f"; done
	@echo "pictures: $(PRESENTATION_SHOTS)"

presentation-time: mingw
	sh tools/wine/prepare-prefix $(PRESENTATION_PREFIX)
	sh tools/wine/run-wine $(PRESENTATION_PREFIX) $(PRESENTATION_VIEWER) --time
