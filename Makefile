# Front door: `make run` starts the program, `make test` runs the whole test suite headless.
PRESET ?= dev
BUILD  := build/$(PRESET)

.PHONY: all deps build run test bench clean

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
