# The two commands of the README: `make run` and `make test`. Both install what is missing
# (as root, with apt-get), configure and build first.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run cli-run test test-sanitize test-game bench fuzz screenshot install clean

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

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) --timeout 600

# The core and the headless editor under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON \
	    -DQUILLON_GUI=OFF -DQUILLON_BENCH=OFF
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j$(JOBS) --timeout 600

# The game's intro in ScummVM with translated subtitles, read back from the engine's log
# (docs/game-intro.png was taken this way: GAME_SHOT=docs/game-intro.png make test-game).
test-game: configure
	QUILLON_WITH_GAME=1 QUILLON_WITH_SCREENSHOT=$(if $(GAME_SHOT),1,0) scripts/install-deps.sh
	cmake --build $(BUILD) --target quillon-cli -j$(JOBS)
	scripts/test-game.sh $(BUILD)/src/cli/quillon-cli $(GAME_SHOT)

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
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
