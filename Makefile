# Common commands; CMake + Ninja do the real work in build/.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test test-fonts test-asan bench fuzz install package clean

all: build

deps:
	scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ]; then \
	  cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS); fi

build: configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/velto data/sample.html

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

# Every test again with only the DejaVu fonts that a fresh machine has.
test-fonts: build
	scripts/test-dejavu-only $(BUILD)

test-asan:
	$(MAKE) test BUILD=build-asan BUILD_TYPE=Debug CMAKE_FLAGS=-DVELTO_SANITIZE=ON

bench: configure
	cmake --build $(BUILD) --target velto_bench velto velto_bare_qsci
	scripts/run-bench $(BUILD)
	bench/measure-user $(BUILD)

# libFuzzer targets, built with clang under AddressSanitizer and UBSan in build-fuzz/.
fuzz:
	scripts/install-deps fuzz
	@if [ ! -f build-fuzz/build.ninja ]; then \
	  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DVELTO_FUZZ=ON -DVELTO_BUILD_UI=OFF -DVELTO_BUILD_TESTS=OFF -DVELTO_BUILD_BENCH=OFF; fi
	cmake --build build-fuzz --target fuzzers

install: build
	cmake --install $(BUILD) --prefix $(or $(PREFIX),/usr/local)

# The Debian package, made by CPack in $(BUILD) and copied here: sudo apt install ./velto_*.deb
package: build
	rm -f $(BUILD)/velto_*.deb velto_*.deb
	cmake --build $(BUILD) --target package
	cp $(BUILD)/velto_*.deb .

clean:
	rm -rf $(BUILD) build-asan build-fuzz
