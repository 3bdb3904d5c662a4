# The release for players on Windows:
#   make release          build/release/MERIDOLA-<version>.zip and MERIDOLA-setup-<version>.exe:
#                         every built game with its help, the READMEs and the licence
#   make release-check    under Wine in a private prefix on a private X display: a silent
#                         install, each game started from the install folder finding its help,
#                         an uninstall that leaves the saves in Documents\tavri
# make test runs the same check on a release of its own (ctest release_installer).

PACKAGES += nsis zip

RELEASE_DIR    ?= build/release
RELEASE_PREFIX ?= build/release-prefix

.PHONY: release release-check

release: mingw
	sh tools/release/make-release $(MINGW_DIR) $(RELEASE_DIR)

release-check: release
	sh tools/release/check-release $(RELEASE_PREFIX) $(RELEASE_DIR)/MERIDOLA-setup-*.exe \
	  $(MINGW_DIR)/games/help_window_check.exe $(RELEASE_DIR)/check
