# Drawlet: `make demo` and `make test` install what is missing (Debian
# packages), configure, build, and then run the demo or the tests.
#
#   make demo               the phone in a window when there is a display (DEMO_HEADLESS=1 or no
#                           DISPLAY: a short headless scenario, printing its log and saving pictures,
#                           its frames and an animated GIF of it in build/demo)
#   make test               every test through ctest
#   make package            the Debian packages, in build/: drawlet (the libraries at the device's
#                           paths, to unpack into a device root with dpkg -x) and drawlet-sim (the
#                           simulator with a whole device root); see README, Installing
#   make bench              the benchmarks (build/bin/*_bench; run them by hand, see bench/README.md)
#   make soak               10,000 random events against the whole system, headless, with a fresh
#                           seed that it prints (SOAK_EVENTS, SOAK_SEED to choose; the events go to
#                           build/soak.txt, a script that replays the run)
#   make sanitize-test      the tests once in a clang ASan+UBSan build (build-sanitize/)
#   make fuzz FUZZ_SECONDS=600   each fuzz target for that long on its seed corpus
#   make format             the C++ sources rewritten in the style of .clang-format (scripts/format.sh)
#   make format-check       the sources that differ from that style, listed; fails if there are any
#   make tidy               clang-tidy with .clang-tidy over every source, from a clang configuration of
#                           its own in build-tidy/ (TIDY_FILES=libraries: platform/, shell/, client/);
#                           fails on any finding
#   make build / clean

BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
TIDY_DIR ?= build-tidy
TIDY_FILES ?= all
FUZZ_SECONDS ?= 20
DEMO_SCRIPT ?= sim/scenarios/demo.txt
# The headless demo's wall clock, so that its pictures are the same on every run.
DEMO_WALL_CLOCK ?= 2026-12-09T09:41:00
CMAKE_ARGS ?=
SOAK_EVENTS ?= 10000
SOAK_SEED ?=

SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps out-of-source configure build package bench demo test soak sanitize-configure sanitize sanitize-test tidy-configure fuzz format format-check tidy clean

all: build

deps:
	@bash scripts/install-deps.sh

# CMake must not write into the source folder: its files would mix with ours.
out-of-source:
	@if [ "$$(realpath -m '$(BUILD_DIR)')" = "$(CURDIR)" ] || [ "$$(realpath -m '$(SANITIZE_DIR)')" = "$(CURDIR)" ]; then \
		echo "Refusing an in-source build: BUILD_DIR must not be the source folder (use e.g. BUILD_DIR=build)." >&2; exit 1; fi
	@if [ -e CMakeCache.txt ] || [ -d CMakeFiles ]; then \
		echo "Refusing to build: an in-source CMake build left CMakeCache.txt/CMakeFiles here; remove them, builds go to $(BUILD_DIR)/." >&2; exit 1; fi

configure: deps out-of-source
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD_DIR)

package: build
	cmake --build $(BUILD_DIR) --target package

bench: configure
	cmake --build $(BUILD_DIR) --target benchmarks

demo: build
	@home=$$(mktemp -d); log=$$(mktemp); trap 'rm -rf "$$home" "$$log"' EXIT; \
	pictures=$(abspath $(BUILD_DIR))/demo; mkdir -p "$$pictures"; rm -f "$$pictures"/*.png "$$pictures"/*.gif; \
	settings="$(abspath $(BUILD_DIR))/bin/drawlet-settings --home $$home"; \
	$$settings set tweakEnabled true >/dev/null && $$settings set autoPinEnabled true >/dev/null && \
	$$settings set --string startupApp com.drawlet.demo.clock >/dev/null; \
	if [ -n "$${DISPLAY:-}" ] && [ -z "$(DEMO_HEADLESS)" ]; then \
		echo "== drawlet-sim in a window (Clock pinned): click the grabber at the right edge; H home, arrows rotate, Q quits"; \
		$(abspath $(BUILD_DIR))/bin/drawlet-sim --home "$$home"; exit $$?; \
	fi; \
	echo "== drawlet-sim --headless, scenario $(DEMO_SCRIPT), temporary home $$home (Clock pinned)"; \
	status=0; (cd "$$pictures" && $(abspath $(BUILD_DIR))/bin/drawlet-sim --headless --home "$$home" \
		--script $(abspath $(DEMO_SCRIPT)) --log "$$log" --record "$$pictures" --wall-clock $(DEMO_WALL_CLOCK) >/dev/null 2>&1) || status=$$?; \
	cat "$$log"; \
	echo "== Drawlet's own lines:"; grep -a '\]: \[Drawlet\] ' "$$log" || echo "(none)"; \
	echo "== Pictures the scenario took:"; ls "$$pictures"/*.png 2>/dev/null | grep -v '/frame-[0-9]*\.png$$' || echo "(none)"; \
	gif="$$pictures/$(basename $(notdir $(DEMO_SCRIPT))).gif"; frames=$$(ls "$$pictures" | grep -c '^frame-[0-9]*\.png$$'); \
	echo "== The recording, 30 frames a second of the scenario's virtual time:"; \
	echo "$$frames frames in $$pictures/frame-NNNN.png"; \
	if [ -f "$$gif" ]; then echo "the animation: $$gif ($$(du -h "$$gif" | cut -f1))"; else echo "(no animation)"; fi; \
	echo "== drawlet-sim exited with status $$status"; exit $$status

test: build
	cd $(BUILD_DIR) && ctest -j2 --output-on-failure

soak: build
	@home=$$(mktemp -d); trap 'rm -rf "$$home"' EXIT; \
	seed="$(SOAK_SEED)"; [ -n "$$seed" ] || seed=$$(od -An -N8 -tu8 /dev/urandom | tr -d ' '); \
	echo "== drawlet-sim --soak $(SOAK_EVENTS) --seed $$seed (events in $(abspath $(BUILD_DIR))/soak.txt, log in $(abspath $(BUILD_DIR))/soak.log)"; \
	$(abspath $(BUILD_DIR))/bin/drawlet-sim --headless --home "$$home" --soak $(SOAK_EVENTS) --seed "$$seed" \
		--soak-script $(abspath $(BUILD_DIR))/soak.txt --log $(abspath $(BUILD_DIR))/soak.log 2>/dev/null

# One clang configuration serves the sanitizer tests and the fuzz targets;
# the benchmarks are built (and their timings taken) in the plain build only.
sanitize-configure: deps out-of-source
	CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_DIR) -G Ninja -DDRAWLET_SANITIZE=ON -DDRAWLET_BENCHMARKS=OFF \
		-DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG="-gline-tables-only -O1" -DCMAKE_CXX_FLAGS_DEBUG="-gline-tables-only -O1" $(CMAKE_ARGS)

sanitize: sanitize-configure
	cmake --build $(SANITIZE_DIR)

sanitize-test: sanitize
	cd $(SANITIZE_DIR) && $(SANITIZER_ENV) ctest -j2 --output-on-failure

fuzz: sanitize
	$(SANITIZER_ENV) bash scripts/run-fuzzers.sh $(SANITIZE_DIR) $(FUZZ_SECONDS)

format:
	bash scripts/format.sh

format-check:
	bash scripts/format.sh --check

# clang-tidy reads the compile database of a clang configuration of its own:
# configured, never built, and without precompiled headers, which clang-tidy
# would check again for every file. TIDY_FILES: all (the default),
# libraries (platform/, shell/, client/), or a regular expression of paths.
tidy-configure: deps out-of-source
	CC=clang CXX=clang++ cmake -S . -B $(TIDY_DIR) -G Ninja -DDRAWLET_BENCHMARKS=OFF -DDRAWLET_PRECOMPILED_HEADERS=OFF $(CMAKE_ARGS) >/dev/null

tidy: tidy-configure
	bash scripts/tidy.sh $(TIDY_DIR) $(TIDY_FILES)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(TIDY_DIR)
