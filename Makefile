# Quick start: `make run` builds and starts Zodiora, `make test` runs every test headless.
# `make asan-test` runs them all again under ASan+UBSan; `make fuzz` runs each
# fuzz target for FUZZ_SECONDS.
PRESET ?= dev
BUILD_DIR := build/$(PRESET)
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test asan-test bench fuzz clean

all: build

deps:
	@tools/install-deps

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	@tools/run-app $(BUILD_DIR)

test: build
	@tools/run-tests $(PRESET)

asan-test:
	@$(MAKE) --no-print-directory PRESET=asan test

fuzz: deps
	@FUZZ_SECONDS=$(FUZZ_SECONDS) tools/run-fuzzers

bench:
	@$(MAKE) --no-print-directory PRESET=release build
	@build/release/bench/zodiora-bench

clean:
	rm -rf build
