# One command for each job. Each installs missing Debian packages first.
.PHONY: check lint format bench bench-web fuzz run web package deps clean

deps:
	@scripts/install-deps.sh

check: deps
	@scripts/check.sh

# The lint gates alone: the layout (.clang-format) and clang-tidy (.clang-tidy).
lint: deps
	@scripts/lint.sh

# Lays every C and C++ file out as .clang-format says.
format: deps
	@scripts/format.sh

bench: deps
	@cmake --preset native >/dev/null && cmake --build --preset native --target fade_bench
	@build/native/bench/fade_bench --benchmark_min_time=0.5

bench-web: deps
	@cmake --preset wasm >/dev/null && cmake --build --preset wasm
	@python3 web/scripts/sizes.py build/wasm/web/site build/wasm/web/lumivane.html
	@/usr/bin/python3 web/scripts/bench.py build/wasm/web/site

fuzz: deps
	@cmake --preset fuzz >/dev/null && cmake --build --preset fuzz
	@scripts/fuzz.sh $${FUZZ_SECONDS:-60}

run: deps
	@scripts/run.sh

web: deps
	@scripts/web.sh

package: deps
	@scripts/package.sh

clean:
	rm -rf build
