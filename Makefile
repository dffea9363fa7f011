# The project's commands. Each one first makes sure the Debian packages are there.
#   make run          build, install into the per-user program folder and start the diary
#   make deb          build a Debian package of the installation for all users (build/release)
#   make test         build with AddressSanitizer + UBSan and run every test
#   make bench        build optimised and run the benchmarks
#   make screenshots  render the windows and widgets into screenshots/*.png (main window and
#                     keeper also at twice the scale, screenshots/2x/)
#   make fuzz         build the libFuzzer targets with clang and run each for FUZZ_SECONDS

PROGRAM_FOLDER ?= $(HOME)/.local/share/daybrook
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)

.PHONY: all deps test-deps run deb test bench screenshots fuzz release configure-release debug clean

all: release

deps:
	@scripts/setup-deps

# The tests also need clang-tidy (naming check), Chromium (the HTML export opened in a browser
# engine) and the validators of the desktop entry, AppStream file and file type.
test-deps:
	@scripts/setup-deps test

release: deps
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS)

# Configures the optimised build; the targets below build only what they need.
configure-release: deps
	cmake --preset release >/dev/null

debug: test-deps
	cmake --preset debug >/dev/null
	cmake --build --preset debug -j $(JOBS)

run: configure-release
	cmake --build --preset release -j $(JOBS) --target daybrook
	cmake --install build/release --prefix "$(PROGRAM_FOLDER)" --component program_folder >/dev/null
	scripts/install-desktop-entry "$(PROGRAM_FOLDER)" build/release
	cd "$(PROGRAM_FOLDER)" && ./daybrook

deb: configure-release
	@scripts/setup-deps deb
	cmake --build --preset release -j $(JOBS) --target daybrook daybrook-tool
	cd build/release && cpack -G DEB

test: debug
	ctest --preset debug -j $(JOBS)

bench: configure-release
	cmake --build --preset release -j $(JOBS) --target daybrook-bench
	build/release/bench/daybrook-bench --benchmark_counters_tabular=true

screenshots: configure-release
	cmake --build --preset release -j $(JOBS) --target daybrook-screenshots
	build/release/tools/daybrook-screenshots screenshots
	QT_SCALE_FACTOR=2 build/release/tools/daybrook-screenshots screenshots/2x main-skin0 keeper

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS) --target daybrook_fuzzers
	@set -e; for target in build/fuzz/fuzz/fuzz_*; do \
	    name=$${target##*/fuzz_}; \
	    mkdir -p build/fuzz/corpus/$$name; \
	    echo "== $$name ($(FUZZ_SECONDS) s)"; \
	    $$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        -artifact_prefix=build/fuzz/crash-$$name- \
	        build/fuzz/corpus/$$name fuzz/corpus/$$name; \
	done

clean:
	rm -rf build screenshots
