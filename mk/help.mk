# Help files: chmcmd compiles each game's Kv440N.chm, libchm's reader takes it apart again for
# the check in make test, and Wine's own fonts draw the caption buttons of every window
# (the minimise, maximise and close glyphs come from its Marlett font).

PACKAGES += fp-utils libchm-bin fonts-wine
