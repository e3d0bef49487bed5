# Tarnwick: the two commands of the README, and the steps they are made of.
BUILD ?= build
JOBS ?= $(shell nproc)
NATIVE := $(BUILD)/native
WIN := $(BUILD)/win
WIN64 := $(BUILD)/win64
DEPS := $(abspath $(BUILD))/deps

.PHONY: all setup native win win64 build test test-native test-win demo bench clean

all: build

setup:
	scripts/setup-machine.sh $(BUILD)

native: setup
	cmake -S . -B $(NATIVE) -DTARNWICK_DEPS_DIR=$(DEPS) >/dev/null
	cmake --build $(NATIVE) -j $(JOBS)

win: setup
	cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake -DTARNWICK_DEPS_DIR=$(DEPS) >/dev/null
	cmake --build $(WIN) -j $(JOBS)

# The 64-bit test copy of the runtime and the Windows-side tests (this machine's Wine is 64-bit).
win64: setup
	cmake -S . -B $(WIN64) -DCMAKE_TOOLCHAIN_FILE=cmake/x86_64-w64-mingw32.cmake -DTARNWICK_DEPS_DIR=$(DEPS) >/dev/null
	cmake --build $(WIN64) -j $(JOBS)

build: native win win64

test-native: native
	ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS)

# One Wine environment (display, prefix, wineserver) for all Windows-side tests.
test-win: win win64
	ctest --test-dir $(WIN) --output-on-failure
	TARNWICK_BUILD=$(abspath $(BUILD)) scripts/winenv run ctest --test-dir $(WIN64) --output-on-failure

test: test-native test-win

demo: build
	TARNWICK_BUILD=$(abspath $(BUILD)) scripts/demo.sh

bench: native
	$(NATIVE)/block_reader_bench

clean:
	rm -rf $(NATIVE) $(WIN) $(WIN64)
