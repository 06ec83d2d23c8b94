# Thin wrapper over the CMake presets; each target installs what it needs first.
.PHONY: run build test bench package clean

build:
	bash scripts/setup.sh build
	cmake --preset default
	cmake --build --preset default

run: build
	./build/default/app/mensaro

# Every test three ways: the normal build, everything under AddressSanitizer
# and UndefinedBehaviorSanitizer (leaks included), and the core's fuzzers.
TEST_PRESETS := default sanitize fuzz

test:
	bash scripts/setup.sh test
	set -e; for preset in $(TEST_PRESETS); do \
	    echo "=== $$preset ==="; \
	    cmake --preset $$preset; \
	    cmake --build --preset $$preset; \
	    ctest --preset $$preset; \
	done

package: build
	bash scripts/setup.sh package
	cd build/default && cpack -G DEB

bench: build
	./build/default/bench/core_bench

clean:
	rm -rf build
