# Two commands for a newcomer: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: run test build deps clean package

run: build
	cd $(BUILD)/run && ./odraz

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The Debian package, build/odraz_<version>_amd64.deb (for players and packagers, README).
package: build
	cd $(BUILD) && cpack

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS)

deps:
	@bash tools/install_deps.sh

clean:
	rm -rf $(BUILD)
