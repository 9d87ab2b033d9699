# The two commands of the README: `make run` builds and plays, `make test`
# builds and runs every test. `make bench` measures the renderer.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all build run test test-sanitize bench fuzz clean

all: build

build:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	cd assets && ../$(BUILD_DIR)/ancient-evil

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

test-sanitize:
	$(MAKE) test BUILD_DIR=build-sanitize CMAKE_FLAGS="-DAE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"

bench:
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DAE_BUILD_BENCH=ON >/dev/null
	cmake --build build-bench -j $(JOBS) --target render-bench
	cd assets && ../build-bench/tools/bench/render-bench

clean:
	rm -rf build build-sanitize build-bench build-fuzz
