# Tarvik: everything from a fresh Debian 12 machine.
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test (also under ASan/UBSan)
#   make bench  build and run the benchmarks

BUILD      ?= build
SAN_BUILD  ?= build-san
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_GEN  := $(shell command -v ninja >/dev/null 2>&1 && echo -G Ninja)

.PHONY: all deps build run test test-release test-san bench clean

all: build

deps:
	bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# the main window; without a display it says how to run it under xvfb-run or the command line
run: build
	./$(BUILD)/tarvik

test: test-release test-san

test-release: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# the Qt-free libraries' tests once more under AddressSanitizer and UndefinedBehaviorSanitizer
test-san: deps
	cmake -S . -B $(SAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTARVIK_SANITIZE=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/tarvik-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	./$(BUILD)/tarvik-ui-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
