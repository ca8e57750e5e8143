# Kalvex Now! — one entry point for building, running and testing.
BUILD   ?= build
JOBS    ?= $(shell nproc)
NATIVE  := $(BUILD)/native
WIN64   := $(BUILD)/win64
WIN32   := $(BUILD)/win32
BENCH   := $(BUILD)/bench
# Only the benchmarks use these: the peer program measured beside ours, and
# the tools that count its system calls and hide its window.
BENCH_PACKAGES := kshutdown strace xdotool
# A compiler cache, where the machine has one, makes rebuilds in other
# checkouts of the tree cheap; nothing needs it.
CCACHE  := $(shell command -v ccache 2>/dev/null)
LAUNCH  := $(if $(CCACHE),-DCMAKE_C_COMPILER_LAUNCHER=$(CCACHE) -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE))

.PHONY: all deps native win64 win32 test test-native test-wine format format-check run dist gallery bench faults fuzz clean

all: native win64 win32

deps:
	@sh scripts/install-deps.sh

$(NATIVE)/Makefile: | deps
	CC=clang CXX=clang++ cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug -DKN_SANITIZE=ON $(LAUNCH) >/dev/null

$(WIN64)/Makefile: | deps
	cmake -S . -B $(WIN64) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake $(LAUNCH) >/dev/null

$(WIN32)/Makefile: | deps
	cmake -S . -B $(WIN32) -DCMAKE_BUILD_TYPE=Release -DKN_TESTS=OFF -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake $(LAUNCH) >/dev/null

native: $(NATIVE)/Makefile
	cmake --build $(NATIVE) -j $(JOBS)

win64: $(WIN64)/Makefile
	cmake --build $(WIN64) -j $(JOBS)

win32: $(WIN32)/Makefile
	cmake --build $(WIN32) -j $(JOBS)

test-native: native
	cd $(NATIVE) && ctest --output-on-failure

test-wine: win64
	sh scripts/wine-ctest.sh $(WIN64)

# Every C++ file of ours, as the tree's .clang-format writes it.
FORMATTED := src tests fuzz bench tools
CXX_FILES  = find $(FORMATTED) \( -name '*.cpp' -o -name '*.h' \) -print0

format:
	$(CXX_FILES) | xargs -0 clang-format -i

format-check:
	$(CXX_FILES) | xargs -0 clang-format --dry-run -Werror

# The format first, then native tests and the Wine tests; each prints ctest's summary.
test: deps
	$(MAKE) format-check
	$(MAKE) native win64 win32
	$(MAKE) test-native
	$(MAKE) test-wine

run: deps win64
	sh scripts/run.sh $(BUILD)

dist: deps win32
	sh scripts/dist.sh $(WIN32)/KalvexNow.exe $(BUILD)/KalvexNow.zip

gallery: deps win64
	sh scripts/gallery.sh $(WIN64) $(BUILD)/gallery.png

bench: deps win64
	CC=clang CXX=clang++ cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release -DKN_TESTS=OFF -DKN_BENCHMARKS=ON >/dev/null
	cmake --build $(BENCH) -j $(JOBS)
	sh scripts/install-deps.sh $(BENCH_PACKAGES)
	sh scripts/bench.sh $(BENCH) $(WIN64)

# Faults injected from outside into the program under Wine, the long round
# (the short one runs with the Wine tests).
faults: deps win64
	sh scripts/faults.sh $(WIN64)

# Every fuzz target for 10 million inputs (or 30 minutes) each.
fuzz: deps native
	sh scripts/fuzz.sh $(NATIVE)

clean:
	rm -rf $(BUILD)
