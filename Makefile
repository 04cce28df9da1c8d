# A thin front over CMake: `make run`, `make test`, `make bench`.
# SANITIZE=address|undefined|thread builds with that sanitizer in its own folder.
SANITIZE ?=
BUILD_TYPE ?= RelWithDebInfo
BUILD_DIR ?= build/$(if $(SANITIZE),$(SANITIZE),default)
JOBS ?= $(shell nproc)

export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: all deps configure build run test bench clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DZEMBRIX_SANITIZE=$(SANITIZE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/app/zembrix $(ARGS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench:
	scripts/install-deps --with-peers
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build build/bench -j $(JOBS)
	bench/run build/bench/src/app/zembrix

clean:
	rm -rf build
