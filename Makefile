# Front door: `make run` starts the program, `make test` runs the whole test suite headless.
PRESET ?= dev
BUILD  := build/$(PRESET)

.PHONY: all deps build run test test-asan soak bench bench-startup bench-window-startup clean fuzz \
	translations-update

all: build

# Installs only what is missing; quick when everything is there.
deps:
	@scripts/install-deps

build: deps
	@test -f $(BUILD)/build.ninja || cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

run: build
	$(BUILD)/bin/velmora

# Reads every translatable text of the sources anew into translations/velmora_*.ts, keeping the
# translations made; new texts come in unfinished, texts that are gone are dropped.
translations-update: deps
	@test -f $(BUILD)/build.ninja || cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) --target translations_update

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer; any report fails.
SANITIZERS := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
test-asan:
	$(MAKE) build PRESET=asan
	$(SANITIZERS) QT_QPA_PLATFORM=offscreen ctest --test-dir build/asan --output-on-failure

# The scroll-bar and acid-type walk at 100,000 steps under the sanitizers.
soak:
	$(MAKE) build PRESET=asan
	$(SANITIZERS) QT_QPA_PLATFORM=offscreen VELMORA_SOAK_STEPS=100000 \
	    build/asan/bin/test_pkabars randomWalkKeepsTheWindowConsistent

bench:
	$(MAKE) build PRESET=release
	@for b in build/release/bin/bench_*; do \
	    echo "== $$b"; \
	    "$$b" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true || exit 1; \
	done

bench-startup:
	$(MAKE) build PRESET=release
	bench/startup.sh build/release/bin

# The main window's time until it is mapped under Xvfb, against a bare Qt window of its size.
bench-window-startup:
	$(MAKE) build PRESET=release
	bench/window-startup.sh build/release/bin

clean:
	rm -rf build

# Fuzzing with libFuzzer under AddressSanitizer (clang). FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 300
fuzz: deps
	@test -f build/fuzz/build.ninja || cmake --preset fuzz
	cmake --build --preset fuzz
	@for t in commandline recipe typesetformula; do \
	    mkdir -p build/fuzz/corpus/$$t; \
	    echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	    QT_QPA_PLATFORM=offscreen $(SANITIZERS) build/fuzz/bin/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) \
	        -print_final_stats=1 -artifact_prefix=build/fuzz/ build/fuzz/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done
