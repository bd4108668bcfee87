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
	@cmake --preset win64 >/dev/null && cmake --build --preset win64 --target startup_bench about_cpu_bench browser_fix_bench fix_press_bench && scripts/bench

# The release zip, SHA256SUMS and the winget and Scoop manifests, in build/dist.
# The addresses the manifests carry; {version} becomes the release's version.
# These defaults are placeholders: give the real ones on the command line.
RELEASE_URL ?= https://placeholder.invalid/set-RELEASE_URL/glyphor/{version}
HOMEPAGE_URL ?= https://placeholder.invalid/set-HOMEPAGE_URL
PUBLISHER_URL ?= https://placeholder.invalid/set-PUBLISHER_URL
LICENSE_URL ?= https://placeholder.invalid/set-LICENSE_URL
RELEASE_NOTES_URL ?= https://placeholder.invalid/set-RELEASE_NOTES_URL/{version}
LATEST_URL ?= https://placeholder.invalid/set-LATEST_URL
# Signing: a PKCS#12 certificate, a file holding its password (or SIGN_PASS
# in the environment, never on make's command line, which the process list
# shows) and an RFC 3161 time-stamp server.
SIGN_PFX ?=
SIGN_PASS_FILE ?=
SIGN_TIMESTAMP_URL ?=
export RELEASE_URL HOMEPAGE_URL PUBLISHER_URL LICENSE_URL RELEASE_NOTES_URL LATEST_URL
export SIGN_PFX SIGN_PASS_FILE SIGN_TIMESTAMP_URL
dist: bootstrap
	@scripts/dist

run: build
	@scripts/run-glyphor

screenshot: build
	@scripts/screenshot docs

clean:
	rm -rf build
