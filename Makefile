# MERIDOLA build entry points. On a fresh Debian machine (root or sudo):
#   make test    installs what is missing, builds native and Windows, runs every test
# Other targets: make native, make mingw, make bench, make clean; the files in mk/ add more.

NATIVE_DIR := build/native
MINGW_DIR  := build/mingw
JOBS       ?= 2

# Debian packages the build and the tests need; tools/install-packages installs the missing
# ones. Fragments in mk/ may add to the list.
PACKAGES := cmake ninja-build g++ make pkg-config googletest libgtest-dev \
            g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64

# The fragments add targets of their own; the default goal stays the build.
.DEFAULT_GOAL := all
-include mk/*.mk

.PHONY: all deps native mingw test bench clean

all: native mingw

deps:
	@sh tools/install-packages $(PACKAGES)

$(NATIVE_DIR)/build.ninja:
	cmake -S . -B $(NATIVE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release

# The Windows build uses the native build's tools (converters, generators) at build time.
$(MINGW_DIR)/build.ninja:
	cmake -S . -B $(MINGW_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	      -DMERIDOLA_HOST_BUILD=$(CURDIR)/$(NATIVE_DIR)

native: deps $(NATIVE_DIR)/build.ninja
	cmake --build $(NATIVE_DIR) -j $(JOBS)

mingw: native $(MINGW_DIR)/build.ninja
	cmake --build $(MINGW_DIR) -j $(JOBS)

# Native unit tests, then the Windows build's own tests (run under Wine where it has any).
test: native mingw
	ctest --test-dir $(NATIVE_DIR) --output-on-failure -j $(JOBS)
	sh tools/run-windows-tests $(MINGW_DIR)

# Simulator speed on one core: a million games of machine No.1.
bench: native
	$(NATIVE_DIR)/tools/slotsim/slotsim --machine 1 --games 1000000 --seed 7 --json

clean:
	rm -rf build
