# Front door: `make run` starts the program, `make test` runs the whole test suite headless.
PRESET ?= dev
BUILD  := build/$(PRESET)

.PHONY: all deps build run test bench clean fuzz

all: build

# Installs only what is missing; quick when everything is there.
deps:
	@scripts/install-deps

build: deps
	@test -f $(BUILD)/build.ninja || cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

run: build
	$(BUILD)/bin/velmora

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure

bench:
	$(MAKE) build PRESET=release
	@for b in build/release/bin/bench_*; do \
	    echo "== $$b"; \
	    "$$b" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true || exit 1; \
	done

clean:
	rm -rf build

# Fuzzing with libFuzzer under AddressSanitizer (clang). FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 300
fuzz: deps
	@test -f build/fuzz/build.ninja || cmake --preset fuzz
	cmake --build --preset fuzz
	@for t in commandline forma; do \
	    mkdir -p build/fuzz/corpus/$$t; \
	    echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	    QT_QPA_PLATFORM=offscreen build/fuzz/bin/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) \
	        -print_final_stats=1 build/fuzz/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done
