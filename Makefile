# The two commands of the README: `make run` builds and plays, `make test`
# builds and runs every test. `make bench` measures the renderer.
# `make windows` cross-builds the Windows game and its zip in dist/;
# `make test-windows` runs the Windows build's tests under wine64.
BUILD_DIR ?= build
WINDOWS_BUILD_DIR ?= build-windows
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all build run test test-sanitize bench fuzz clean windows windows-configure test-windows

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

windows-configure:
	cmake -S . -B $(WINDOWS_BUILD_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DCMAKE_BUILD_TYPE=Release >/dev/null

windows: windows-configure
	cmake --build $(WINDOWS_BUILD_DIR) -j $(JOBS) --target windows-zip

test-windows: windows-configure
	cmake --build $(WINDOWS_BUILD_DIR) -j $(JOBS)
	cd $(WINDOWS_BUILD_DIR) && ctest --output-on-failure --no-tests=error -j $(JOBS)

clean:
	rm -rf build build-sanitize build-bench build-fuzz $(WINDOWS_BUILD_DIR) dist
