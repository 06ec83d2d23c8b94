# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# For those who prefer make: the same commands as scripts/build.sh.
.PHONY: build run test bench package clean

build run test bench package:
	bash scripts/build.sh $@

clean:
	rm -rf build
