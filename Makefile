# Two entry points for a newcomer: `make run` and `make test`. This is a GNU
# make file (gmake on the BSDs); the commands it runs are POSIX's and CMake's.
BUILD ?= build
ASAN_BUILD ?= build-asan
WINDOWS_BUILD ?= build-windows
PACKAGE_BUILD ?= build-package
JOBS ?= $(shell getconf _NPROCESSORS_ONLN)
PREFIX ?= /usr/local
# More options for the configuration of `make test`, such as -DSUBNETTER_LINUX_EXTRAS=OFF.
CMAKE_OPTIONS ?=
# What an install put in place, kept for each DESTDIR, as a staging folder is
# another tree than the system's: the files cmake lists, DESTDIR before each.
MANIFEST = $(BUILD)/installs$(DESTDIR)/manifest.txt

# Every date stored in a package (archive members, file times, the exe's time
# stamp) is this one, so two builds of one commit are the same byte for byte:
# the time of the last commit, or of the changelog entry outside a git clone.
# A value of the caller's own wins.
ifndef SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH := $(shell git log -1 --format=%ct 2>/dev/null || \
	sed -n 's/^ -- .*>  //p' packaging/debian/changelog.in | awk -f cmake/changelog_epoch.awk)
endif
export SOURCE_DATE_EPOCH

.PHONY: run test sanitize build install uninstall screenshot windows package package-windows clean

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DSUBNETTER_WERROR=OFF -DBUILD_TESTING=OFF
	cmake --build $(BUILD) -j $(JOBS) --target subnetter

run: build
	./$(BUILD)/subnetter

# The program in PREFIX/bin and its manual page in PREFIX/share/man/man1.
# A DESTDIR (a packager's staging folder) puts them under that folder instead.
install: build
	@case "$(DESTDIR)" in ""|/*) ;; *) echo "DESTDIR must be an absolute path" >&2; exit 1 ;; esac
	cmake --install $(BUILD) --prefix $(PREFIX)
	mkdir -p $(dir $(MANIFEST))
	sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt > $(MANIFEST)

# Removes what the last install from BUILD under the same DESTDIR put in place,
# wherever that was, and nothing of another DESTDIR's install.
uninstall:
	@test -f $(MANIFEST) || { echo "nothing was installed from $(BUILD) with DESTDIR='$(DESTDIR)'" >&2; exit 1; }
	while IFS= read -r path || [ -n "$$path" ]; do rm -f "$$path" && echo "removed $$path"; done < $(MANIFEST)
	rm -f $(MANIFEST)

# The README's picture: the typical calculation on a terminal, from the built program.
screenshot: build
	python3 doc/screenshot.py ./$(BUILD)/subnetter doc/typical_calculation.svg

test:
	cmake -S . -B $(BUILD)-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUBNETTER_WERROR=ON -DBUILD_TESTING=ON $(CMAKE_OPTIONS)
	cmake --build $(BUILD)-test -j $(JOBS)
	ctest --test-dir $(BUILD)-test --output-on-failure --no-tests=error -j $(JOBS)

sanitize:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSUBNETTER_WERROR=ON -DSUBNETTER_SANITIZE=ON -DBUILD_TESTING=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure --no-tests=error -j $(JOBS)

# A static subnetter.exe for 64-bit Windows, cross-built with MinGW-w64. Like
# make build and make package, without -Werror: a newer compiler's new warning
# must not fail a build for users.
windows:
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release -DSUBNETTER_WERROR=OFF -DBUILD_TESTING=OFF
	cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target subnetter

# PACKAGE_BUILD/subnetter_VERSION_amd64.deb: the stripped program, its manual
# page, copyright and changelog, installed under /usr. Debian's build flags
# alone set the optimisation and the hardening, so no build type adds its own.
# cpack gives the archive's three members the modes of its own files, so it
# works under the usual umask: the package is then the same under any other.
package:
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=None -DSUBNETTER_WERROR=OFF -DBUILD_TESTING=OFF -DSUBNETTER_DEBIAN_PACKAGE=ON
	umask 022 && cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target package

# WINDOWS_BUILD/subnetter-VERSION-win64.zip: subnetter.exe, LICENSE.txt, NOTICES.txt and README.txt.
package-windows: windows
	cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target package

# Every build folder: those above, and build-* of the commands in CONTRIBUTING.md,
# of CI's stages and of bench/ (the installed files are not touched).
clean:
	rm -rf $(BUILD) $(BUILD)-test $(ASAN_BUILD) $(WINDOWS_BUILD) $(PACKAGE_BUILD) build-*
