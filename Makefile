# Every target does its own set-up on a fresh Debian machine.
BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps configure build test run data bench clean fuzz test-asan install package

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: data
	scripts/suite $(BUILD) --output-on-failure -j $(JOBS)

data: build
	@scripts/make-data $(BUILD)

run: data
	@scripts/run $(BUILD)

bench: build
	@scripts/bench $(BUILD)

# The program and its dictionary, with the desktop entry, icons and manual page.
PREFIX ?= /usr/local
install: data
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package: $(BUILD)/quillary_<version>_<arch>.deb.
package: data
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD)

# Fuzzing: clang with libFuzzer and the sanitizers, in a build folder of its own.
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps fuzz
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DQUILLARY_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz_loader fuzz_rtf fuzz_lookup
	scripts/fuzz build-fuzz $(FUZZ_SECONDS)

# The whole suite with AddressSanitizer and UBSan.
test-asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLARY_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)
