# Quick start: `make run` builds and starts Zodiora, `make test` runs every test headless.
PRESET ?= dev
BUILD_DIR := build/$(PRESET)

.PHONY: all deps configure build run test bench clean

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

bench:
	@$(MAKE) --no-print-directory PRESET=release build
	@build/release/bench/zodiora-bench

clean:
	rm -rf build
