# make fuzz: the hall's libFuzzer target (save files from arbitrary bytes, then an hour of the
# hall) for FUZZ_SECONDS seconds, starting from the committed seeds in fuzz/corpus. It needs
# clang, installed here from its own package list; `make test` never builds it.

# This fragment is read before the main targets: keep whatever default goal make had.
fuzz_saved_goal := $(.DEFAULT_GOAL)

FUZZ_DIR      ?= build/fuzz
FUZZ_SECONDS  ?= 60
FUZZ_PACKAGES := clang libclang-rt-14-dev cmake ninja-build

.PHONY: fuzz fuzz-build

fuzz-build:
	@sh tools/install-packages $(FUZZ_PACKAGES)
	cmake -S fuzz -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None
	cmake --build $(FUZZ_DIR)

# New inputs go to the build folder's corpus; a crash, leak or timeout leaves its input in
# $(FUZZ_DIR)/findings and fails the target.
fuzz: fuzz-build
	mkdir -p $(FUZZ_DIR)/corpus $(FUZZ_DIR)/findings
	$(FUZZ_DIR)/hall_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=60 -rss_limit_mb=2048 \
	    -print_final_stats=1 -artifact_prefix=$(CURDIR)/$(FUZZ_DIR)/findings/ \
	    $(FUZZ_DIR)/corpus fuzz/corpus

.DEFAULT_GOAL := $(fuzz_saved_goal)
