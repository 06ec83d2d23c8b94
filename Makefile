# Thin wrapper over the CMake presets; each target installs what it needs first.
.PHONY: run build test bench clean

build:
	bash scripts/setup.sh build
	cmake --preset default
	cmake --build --preset default

run: build
	./build/default/app/mensaro

test:
	bash scripts/setup.sh test
	cmake --preset default
	cmake --build --preset default
	ctest --preset default

bench: build
	./build/default/bench/core_bench

clean:
	rm -rf build
