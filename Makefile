# ZEK: the two commands of the README are `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CTEST_ARGS ?= --output-on-failure -j$(JOBS)

.PHONY: all deps build build-asan run test bench fuzz package format clean

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j$(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZEK_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)

run: build
	@sh scripts/run.sh $(BUILD)

test: build build-asan
	cd $(BUILD) && ctest $(CTEST_ARGS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest $(CTEST_ARGS)

bench: build
	@sh scripts/bench.sh $(BUILD)

fuzz: deps
	@ZEK_EXTRA_PACKAGES="clang libclang-rt-dev" sh scripts/install-deps.sh
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DZEK_BUILD_UI=OFF -DZEK_BUILD_BENCH=OFF -DZEK_BUILD_FUZZ=ON
	cmake --build build-fuzz -j$(JOBS) --target zek_fuzz
	@sh scripts/fuzz.sh build-fuzz

package: deps
	@ZEK_EXTRA_PACKAGES="lintian dpkg-dev file" sh scripts/install-deps.sh
	@JOBS=$(JOBS) sh scripts/package.sh build-package

format:
	@sh scripts/format.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz build-package
