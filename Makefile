# Tarvik: everything from a fresh Debian 12 machine.
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test (also under ASan/UBSan), and
#               each fuzzer for a moment
#   make fuzz   build the libFuzzer harnesses and run each FUZZ_SECONDS (default 60)
#   make bench  build and run the benchmarks

BUILD      ?= build
SAN_BUILD  ?= build-san
FUZZ_BUILD ?= build-fuzz
# how long make fuzz runs each harness [s]
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_GEN  := $(shell command -v ninja >/dev/null 2>&1 && echo -G Ninja)

.PHONY: all deps build run test test-release test-san fuzz fuzz-build test-fuzz bench clean

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

test: test-release test-san test-fuzz

test-release: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# the Qt-free libraries' tests once more under AddressSanitizer and UndefinedBehaviorSanitizer
test-san: deps
	cmake -S . -B $(SAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTARVIK_SANITIZE=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS)

# the libFuzzer harnesses of fuzz/ (clang, ASan + UBSan, Qt left out)
fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
	  -DTARVIK_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz

# each harness FUZZ_SECONDS on a copy of its corpus; findings in $(FUZZ_BUILD)/fuzz-findings/
fuzz: fuzz-build
	bash fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# the sanitizer stage's fuzzing: each harness replays its corpus and regressions, then a short
# seeded run
test-fuzz: fuzz-build
	bash fuzz/run.sh $(FUZZ_BUILD) --short

bench: build
	./$(BUILD)/tarvik-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	./$(BUILD)/tarvik-ui-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
