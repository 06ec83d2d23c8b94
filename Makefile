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

# Micro-benchmarks of the core, the window's latency, and start-up against a
# bare Qt window (on a private Xvfb). Times are reported, never asserted.
bench:
	bash scripts/setup.sh bench
	cmake --preset default
	cmake --build --preset default
	./build/default/bench/core_bench
	QT_QPA_PLATFORM=offscreen ./build/default/bench/tst_latency -minimumvalue 1000
	bash bench/startup/run.sh 20

clean:
	rm -rf build
