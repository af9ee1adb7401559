# The two commands: `make run` and `make test`. Everything they need is
# installed on first use by scripts/setup.sh (Debian packages only).
SHELL := /bin/bash
JOBS ?= $(shell nproc)

.PHONY: setup run test screenshots package build-win64 clean

setup:
	@scripts/setup.sh

run: setup
	@scripts/run.sh

test: setup
	@scripts/test.sh

screenshots: setup
	@scripts/screenshots.sh

package: setup
	@scripts/package.sh

build-win64: setup
	cmake --preset win64 >/dev/null && cmake --build --preset win64 -j$(JOBS)

clean:
	rm -rf build/native build/native-asan build/win64 build/win32
