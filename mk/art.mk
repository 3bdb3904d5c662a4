# Art, sound and resources: the packages that render and check them, and the contact sheet.
#   make contact-sheet GAME=N    every bitmap of game No.N at 1:1 and 2:1 in one PNG

PACKAGES += python3 librsvg2-bin libpng-dev wine wine64 xvfb xauth fonts-ipafont-gothic imagemagick

GAME ?= 1

.PHONY: contact-sheet
contact-sheet: game-built native
	cmake --build $(NATIVE_DIR) --target contact_sheet_kv440$(GAME)
	@echo "contact sheet: $(NATIVE_DIR)/games/kv440$(GAME)/contact-sheet.png"
