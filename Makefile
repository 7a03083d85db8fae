# Two entry points for a newcomer: `make run` and `make test`.
BUILD ?= build
ASAN_BUILD ?= build-asan
WINDOWS_BUILD ?= build-windows
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: run test sanitize build install windows clean

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DSUBNETTER_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS) --target subnetter

run: build
	./$(BUILD)/subnetter

# The program in PREFIX/bin and its manual page in PREFIX/share/man/man1.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

test:
	cmake -S . -B $(BUILD)-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUBNETTER_WERROR=ON -DSUBNETTER_TESTS=ON
	cmake --build $(BUILD)-test -j $(JOBS)
	ctest --test-dir $(BUILD)-test --output-on-failure --no-tests=error -j $(JOBS)

sanitize:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSUBNETTER_WERROR=ON -DSUBNETTER_SANITIZE=ON -DSUBNETTER_TESTS=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure --no-tests=error -j $(JOBS)

# A static subnetter.exe for 64-bit Windows, cross-built with MinGW-w64.
windows:
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release -DSUBNETTER_WERROR=ON -DSUBNETTER_TESTS=OFF
	cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target subnetter

clean:
	rm -rf $(BUILD) $(BUILD)-test $(ASAN_BUILD) $(WINDOWS_BUILD)
