# The two commands of the README: `make run` builds the game alone and
# plays (it needs only cmake, make and g++), `make test` builds everything
# and runs every test. `make bench` measures the renderer; `make install`,
# `make uninstall` and `make package` install and package the game.
# `make windows` cross-builds the Windows game and its zip in dist/;
# `make test-windows` runs the Windows build's tests under wine64.
# `make web` builds the game for the browser (build-web/site/ and its zip in
# dist/), `make test-web` runs its tests under node and in Chromium,
# WebKitGTK and Firefox, `make serve-web` serves the page on 127.0.0.1:8000,
# `make bench-web` measures it (BENCH_BEFORE=another build's site/ measures
# that one beside it).
BUILD_DIR ?= build
# The build reports what it builds, not each folder it enters.
MAKEFLAGS += --no-print-directory
WINDOWS_BUILD_DIR ?= build-windows
WEB_BUILD_DIR ?= build-web
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
PREFIX ?= /usr/local
BINDIR ?= bin
PACKAGE_BUILD_DIR ?= build-package
DIST_DIR ?= dist

.PHONY: all configure game build run test test-sanitize test-libcxx tools bench fuzz clean install uninstall package \
	test-package screenshots windows windows-configure test-windows web web-configure test-web serve-web \
	bench-web web-screenshot

all: game

# A build tree made here for the game alone looks for none of what the tests
# need (GoogleTest, tmux, Python); one already set up for the tests keeps them.
GAME_CMAKE = cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	$(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-DAE_BUILD_TESTS=OFF) $(CMAKE_FLAGS)
configure:
	$(GAME_CMAKE) >/dev/null

game: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target ancient-evil

run: game
	cd assets && ../$(BUILD_DIR)/ancient-evil

# Everything: the game, the tools and the tests.
build:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAE_BUILD_TESTS=ON $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The end-to-end tests spend most of their time waiting on a terminal, so
# twice as many run at once as there are cores.
TEST_JOBS ?= $(shell expr $(JOBS) \* 2)
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(TEST_JOBS)

# The long-running tools no test needs: the balance simulation and the soak.
tools: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target balance-sim soak

# With clang, whose sanitizers are the reference; the suite thus runs with
# both compilers.
SANITIZE_CXX ?= clang++
test-sanitize:
	$(MAKE) test BUILD_DIR=build-sanitize \
		CMAKE_FLAGS="-DCMAKE_CXX_COMPILER=$(SANITIZE_CXX) -DAE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"

# With clang and LLVM's C++ library, libc++, the one macOS and FreeBSD have:
# GoogleTest is built for it in the tree from Debian's sources (package
# googletest). Here each test file is compiled alone, not in batches, so
# that one lacking an include fails to build.
LIBCXX_CXX ?= clang++
test-libcxx:
	$(MAKE) test BUILD_DIR=build-libcxx \
		CMAKE_FLAGS="-DCMAKE_CXX_COMPILER=$(LIBCXX_CXX) -DCMAKE_CXX_FLAGS=-stdlib=libc++ \
		-DAE_GTEST_FROM_SOURCE=ON -DAE_TEST_BATCHES=OFF"

bench:
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DAE_BUILD_BENCH=ON >/dev/null
	cmake --build build-bench -j $(JOBS) --target render-bench
	cd assets && ../build-bench/tools/bench/render-bench

# The program goes to $(PREFIX)/$(BINDIR) (bin, or games as Debian keeps
# games), its data to $(PREFIX)/share/ancient-evil. DESTDIR works as usual.
# The program is installed stripped of its debugging information. The
# install has a build tree of its own, for the game alone, so that its
# PREFIX and BINDIR never reach the tests' tree; it records what it put
# where, DESTDIR included, for `make uninstall`. PREFIX and DESTDIR reach
# the commands through the environment, whole, spaces included; CMake's
# lists, which the record is read into, cannot hold ; [ ] or \.
INSTALL_BUILD_DIR ?= build-install
INSTALL_RECORD = $(INSTALL_BUILD_DIR)/installed_files.txt
install: export AE_PREFIX = $(PREFIX)
install uninstall: export AE_DESTDIR = $(DESTDIR)
install:
	@case "$$AE_PREFIX$$AE_DESTDIR" in *\;*|*\[*|*\]*|*\\*) echo "make install: PREFIX and" \
		"DESTDIR cannot hold ; [ ] or \\, and nothing was installed" >&2; exit 1;; esac
	cmake -S . -B $(INSTALL_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAE_BUILD_TESTS=OFF \
		-DCMAKE_INSTALL_BINDIR=$(BINDIR) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(INSTALL_BUILD_DIR) -j $(JOBS) --target ancient-evil ancient-evil-docs
	cmake -DBUILD_DIR=$(INSTALL_BUILD_DIR) "-DPREFIX=$$AE_PREFIX" "-DDESTDIR=$$AE_DESTDIR" \
		-DRECORD=$(abspath $(INSTALL_RECORD)) -P cmake/install_recorded.cmake

# Removes what the last `make install` put in place, where it put it: a
# DESTDIR, if given, must be that install's.
uninstall:
	@test -f $(INSTALL_RECORD) || { echo "make uninstall: nothing to remove, no make install" \
		"is recorded in $(INSTALL_BUILD_DIR)/" >&2; exit 1; }
	cmake -DRECORD=$(abspath $(INSTALL_RECORD)) "-DDESTDIR=$$AE_DESTDIR" -P cmake/uninstall.cmake

# $(DIST_DIR)/ancient-evil_<version>_amd64.deb, the program in /usr/games, and
# a relocatable ancient-evil-<version>-linux-<machine>.tar.gz with it in bin/
# and the README, LICENSE and changelog at its top. Only the program and its
# compressed documents are built, with Debian's hardening flags where
# dpkg-buildflags is there. Every date in both is that of the last commit
# (outside git, of the changelog's last entry), and no path of the build
# tree reaches the program, so that two builds of one source give the same
# bytes wherever they are made.
PACKAGE_CMAKE = cmake -S . -B $(PACKAGE_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DAE_BUILD_TESTS=OFF \
	-DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
	-DCMAKE_CXX_FLAGS="$(call buildflags,CPPFLAGS) $(call buildflags,CXXFLAGS) \
		-ffile-prefix-map=$(abspath $(PACKAGE_BUILD_DIR))=build " \
	-DCMAKE_EXE_LINKER_FLAGS="$(call buildflags,LDFLAGS)"
buildflags = $(shell DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get $(1) 2>/dev/null)
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null || \
	dpkg-parsechangelog -l packaging/changelog -S Timestamp 2>/dev/null)
package: export SOURCE_DATE_EPOCH := $(SOURCE_DATE_EPOCH)
package:
	$(PACKAGE_CMAKE) -DCMAKE_INSTALL_BINDIR=games -DAE_DEBIAN_PACKAGE=ON -DAE_ARCHIVE=OFF >/dev/null
	cmake --build $(PACKAGE_BUILD_DIR) -j $(JOBS) --target ancient-evil ancient-evil-docs
	rm -f $(DIST_DIR)/ancient-evil_*.deb $(DIST_DIR)/ancient-evil-*.tar.gz
	cd $(PACKAGE_BUILD_DIR) && cpack -G DEB -B $(CURDIR)/$(DIST_DIR)
	$(PACKAGE_CMAKE) -DCMAKE_INSTALL_BINDIR=bin -DAE_DEBIAN_PACKAGE=OFF -DAE_ARCHIVE=ON >/dev/null
	cd $(PACKAGE_BUILD_DIR) && cpack -G TGZ -B $(CURDIR)/$(DIST_DIR)
	rm -rf $(DIST_DIR)/_CPack_Packages

# The packages checked as a user gets them (needs lintian, dpkg-dev, man-db
# and tmux): lintian finds no error and no warning, a second build from
# scratch in other folders gives the same bytes, the game plays from the
# unpacked .deb, the unpacked archive and a `make install`, each started
# from another folder, and the manual page's example works as typed.
test-package: package
	rm -rf $(PACKAGE_BUILD_DIR)-again $(DIST_DIR)-again
	$(MAKE) package PACKAGE_BUILD_DIR=$(PACKAGE_BUILD_DIR)-again DIST_DIR=$(DIST_DIR)-again
	python3 tests/packaging/packages_test.py $(DIST_DIR) $(BUILD_DIR) $(DIST_DIR)-again

# The README's pictures: frames of a game played by the careful automatic
# player with seed 1 (the title, the town, a fight against the scorpion, the
# shop offering the chainsaw and the shop just after it was bought).
SCREENSHOT = $(BUILD_DIR)/tools/screenshot/ae-screenshot --data assets --seed 1
screenshots: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target ae-screenshot
	mkdir -p docs
	$(SCREENSHOT) --title --output docs/title.svg
	$(SCREENSHOT) --screen town --nth 20 --output docs/town.svg
	$(SCREENSHOT) --screen battle --nth 68 --output docs/fight.svg
	$(SCREENSHOT) --screen shop --nth 117 --output docs/shop-chainsaw.svg
	$(SCREENSHOT) --screen shop --nth 118 --output docs/shop-chainsaw-bought.svg

windows-configure:
	cmake -S . -B $(WINDOWS_BUILD_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DCMAKE_BUILD_TYPE=Release >/dev/null

windows: windows-configure
	cmake --build $(WINDOWS_BUILD_DIR) -j $(JOBS) --target windows-zip

test-windows: windows-configure
	cmake --build $(WINDOWS_BUILD_DIR) -j $(JOBS)
	cd $(WINDOWS_BUILD_DIR) && ctest --output-on-failure --no-tests=error -j $(JOBS)

# Debian's emscripten; the page's tests and benchmark run Debian's chromium
# and WebKitGTK through python3-selenium and Firefox through
# python3-websocket, which only the system's python3 has. The web build's
# tests compare its frames with the native build's. The page's module is
# built for size: every player downloads it, and a key costs it next to
# nothing at any optimisation.
web-configure:
	emcmake cmake -S . -B $(WEB_BUILD_DIR) -DCMAKE_BUILD_TYPE=MinSizeRel \
		-DAE_NATIVE_BUILD_DIR=$(CURDIR)/$(BUILD_DIR) >/dev/null

web: web-configure
	cmake --build $(WEB_BUILD_DIR) -j $(JOBS) --target web-zip

test-web: build web-configure
	cmake --build $(WEB_BUILD_DIR) -j $(JOBS)
	cd $(WEB_BUILD_DIR) && ctest --output-on-failure --no-tests=error -j $(JOBS)

serve-web: web
	python3 -m http.server 8000 --bind 127.0.0.1 --directory $(WEB_BUILD_DIR)/site

# The README's picture of the page: the story's first page, seed 1.
web-screenshot: build web
	/usr/bin/python3 tools/web/page_screenshot.py docs/browser.png --keys 1 --size 900x840 \
		--site $(WEB_BUILD_DIR)/site --playthrough $(BUILD_DIR)/tools/screenshot/ae-playthrough

bench-web: build web
	/usr/bin/python3 tools/web/page_bench.py --site $(WEB_BUILD_DIR)/site \
		--playthrough $(BUILD_DIR)/tools/screenshot/ae-playthrough \
		$(if $(BENCH_BEFORE),--before $(BENCH_BEFORE))

clean:
	rm -rf build build-sanitize build-libcxx build-bench build-fuzz $(INSTALL_BUILD_DIR) $(WINDOWS_BUILD_DIR) $(WEB_BUILD_DIR) \
		$(PACKAGE_BUILD_DIR) $(DIST_DIR) $(PACKAGE_BUILD_DIR)-again $(DIST_DIR)-again
