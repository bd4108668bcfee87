# Thin front door over CMake presets; see README.md.
SHELL := /bin/bash
PRESETS := native win64 win32

.PHONY: all build test run bench fuzz screenshot dist bootstrap clean

all: build

bootstrap:
	@scripts/bootstrap

build: bootstrap
	@for p in $(PRESETS); do cmake --preset $$p >/dev/null && cmake --build --preset $$p || exit 1; done

test: build
	@status=0; \
	ctest --preset native || status=1; \
	ctest --preset win64 || status=1; \
	exit $$status

fuzz: bootstrap
	@cmake --preset native >/dev/null && cmake --build --preset native --target fuzz

bench: bootstrap
	@cmake --preset win64 >/dev/null && cmake --build --preset win64 --target startup_bench about_cpu_bench && scripts/bench

# The release zip, SHA256SUMS and the winget and Scoop manifests, in build/dist.
dist: bootstrap
	@scripts/dist

run: build
	@scripts/run-glyphor

screenshot: build
	@scripts/screenshot docs

clean:
	rm -rf build
