# For those who prefer make: the same commands as scripts/build.sh.
.PHONY: build run test bench package clean

build run test bench package:
	bash scripts/build.sh $@

clean:
	rm -rf build
