# Quick start: `make run` builds and starts Zodiora, `make test` runs every test headless.
# `make asan-test` runs them all again under ASan+UBSan; `make fuzz` runs each
# fuzz target for FUZZ_SECONDS; `make package` builds the .deb; `make translations`
# brings translations/*.ts up to date with the tr() strings of app/.
PRESET ?= dev
BUILD_DIR := build/$(PRESET)
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test asan-test bench fuzz package translations clean

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
	@tools/compare-batch-speed --tool build/release/cli/zodiora-chart

# The Debian package build/deb/zodiora_<version>_<arch>.deb: an optimised
# build of the programs, installed under /usr by CPack.
package: deps
	@cmake --preset deb >/dev/null
	@cmake --build --preset deb
	@cd build/deb && cpack -G DEB
	@ls build/deb/zodiora_*.deb

# lupdate over the windows' sources: new strings land in every .ts file as
# unfinished messages (the translation test fails until they are translated),
# strings no longer in the code are dropped.
translations: configure
	@cmake --build --preset $(PRESET) --target update_translations

clean:
	rm -rf build
