# The two commands of the README: `make run` and `make test`. Both install what is missing
# (as root, with apt-get), configure and build first.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
WINDOWS_BUILD ?= build-windows
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run cli-run test test-sanitize test-game test-windows package \
	test-package bench fuzz screenshot install clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# Opens the editor on the bundled samples.
run: build
	scripts/run-editor.sh $(BUILD)

# The batch tool on the bundled samples.
cli-run: build
	for f in samples/CUT/*.CUT; do $(BUILD)/src/cli/quillon-cli list "$$f" | head -5; done

# The game itself too: the readers are tested on every text file it holds.
test: build
	QUILLON_WITH_GAME=1 scripts/install-deps.sh
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) --timeout 600

# The core and the headless editor under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON \
	    -DQUILLON_GUI=OFF -DQUILLON_BENCH=OFF
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j$(JOBS) --timeout 600

# The core, the headless editor and quillon-cli built for 64-bit Windows (mingw-w64), their
# suites run under wine, and quillon-cli.exe compared byte for byte with the Linux one.
test-windows: configure
	CMAKE_FLAGS="$(CMAKE_FLAGS)" scripts/test-windows.sh $(WINDOWS_BUILD) $(BUILD) $(JOBS)

# A .deb of the editor and quillon-cli (in $(BUILD)/packages), and a .zip of the Windows
# quillon-cli.exe with the README (in $(WINDOWS_BUILD)/packages).
package: build
	QUILLON_WITH_PACKAGE=1 scripts/install-deps.sh
	cd $(BUILD) && cpack -G DEB
	CMAKE_FLAGS="$(CMAKE_FLAGS)" scripts/configure-windows.sh $(WINDOWS_BUILD)
	cmake --build $(WINDOWS_BUILD) --target quillon-cli -j$(JOBS)
	cd $(WINDOWS_BUILD) && cpack -G ZIP

# Installs the .deb (as root), runs both programs from the system, removes it, and runs the
# zip's quillon-cli.exe alone under wine.
test-package: package
	scripts/test-package.sh $(BUILD) $(WINDOWS_BUILD)

# The game in ScummVM with a translated intro, description and dialogue, read back from the
# engine's log (docs/game-intro.png was taken this way: GAME_SHOT=docs/game-intro.png make
# test-game; GAME_DIALOGUE_SHOT=FILE.png takes the bellboy's translated answer).
test-game: configure
	QUILLON_WITH_GAME=1 scripts/install-deps.sh
	cmake --build $(BUILD) --target quillon-cli -j$(JOBS)
	scripts/test-game.sh $(BUILD)/src/cli/quillon-cli "$(GAME_SHOT)" "$(GAME_DIALOGUE_SHOT)"

bench: build
	for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# Each fuzzer (built with AddressSanitizer and UndefinedBehaviorSanitizer, starting from
# what fuzz/make_corpus.py generates) for FUZZ_SECONDS seconds (default 60), or for
# FUZZ_RUNS inputs.
fuzz:
	QUILLON_WITH_FUZZ=1 scripts/install-deps.sh
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DQUILLON_FUZZ=ON \
	    -DQUILLON_GUI=OFF -DQUILLON_TESTS=OFF -DQUILLON_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	scripts/run-fuzzers.sh $(FUZZ_BUILD) $${FUZZ_SECONDS:-60}

screenshot: build
	QUILLON_WITH_SCREENSHOT=1 scripts/install-deps.sh
	scripts/screenshot.sh $(BUILD)

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD)
