# ORVEX32: the two everyday commands are `make run` and `make test`.
# Both install the Debian packages the build needs, then configure and build.

SHELL     := /bin/bash
BUILD     ?= build
JOBS      ?= $(shell nproc)
PACKAGES  := cmake make g++ qt6-base-dev qt6-serialport-dev libgtest-dev \
             libbenchmark-dev fonts-dejavu-core xvfb xauth socat gpsbabel direwolf \
             gdal-bin unzip qt6-image-formats-plugins
SUDO      := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
RUN_DIR   := $(BUILD)/run-data

.PHONY: all deps fuzz-deps build run test bench check-sanitize fuzz clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing Debian packages:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The program writes traces and edited files where it runs: give it a copy of
# the sample directory, made once, so the repository stays clean.
run: build
	@[ -d $(RUN_DIR) ] || cp -r data $(RUN_DIR)
	cd $(RUN_DIR) && $(CURDIR)/$(BUILD)/orvex32

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD)-release -DCMAKE_BUILD_TYPE=Release -DORVEX_TESTS=OFF
	cmake --build $(BUILD)-release -j $(JOBS)
	@for source in bench/*.cpp; do name=$${source##*/}; b=$(BUILD)-release/bench/bench_$${name%.cpp}; \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b --benchmark_counters_tabular=true || exit 1; done

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer; the
# first report fails the run.
SANITIZE_BUILD := $(BUILD)-sanitize
check-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORVEX_SANITIZE=ON -DORVEX_BENCH=OFF
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# Every libFuzzer target for FUZZ_SECONDS each, from its seed corpus; only the
# fuzz programs are built. A fault leaves its input in $(FUZZ_BUILD)/crash-<name>-*
# and its report in $(FUZZ_BUILD)/fuzz-<name>.log; every target runs either way.
FUZZ_BUILD   := $(BUILD)-fuzz
FUZZ_SECONDS ?= 60
fuzz-deps: deps
	@dpkg-query -W -f='$${Status}\n' clang-14 libclang-rt-14-dev 2>/dev/null | grep -c 'install ok installed' | grep -q 2 || \
	  { echo "Installing Debian packages: clang-14 libclang-rt-14-dev"; $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends clang-14 libclang-rt-14-dev; }

fuzz: fuzz-deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DORVEX_FUZZ=ON -DORVEX_TESTS=OFF -DORVEX_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target orvex_fuzz_targets
	@failed=""; for source in tests/fuzz/*_fuzz.cpp; do \
	  name=$${source##*/}; name=$${name%_fuzz.cpp}; \
	  work=$(FUZZ_BUILD)/corpus/$$name; log=$(FUZZ_BUILD)/fuzz-$$name.log; mkdir -p $$work; \
	  echo "== fuzz $$name for $(FUZZ_SECONDS) s"; \
	  if UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 $(FUZZ_BUILD)/tests/fuzz/fuzz_$$name \
	       -max_total_time=$(FUZZ_SECONDS) -timeout=10 -artifact_prefix=$(FUZZ_BUILD)/crash-$$name- \
	       $$work tests/fuzz/corpus/$$name > $$log 2>&1; then \
	    grep -E "DONE" $$log | sed "s/ lim:.*//"; \
	  else \
	    tail -n 60 $$log; echo "!! fuzz $$name failed: whole log in $$log"; failed="$$failed $$name"; \
	  fi; \
	done; \
	[ -z "$$failed" ] || { echo "Fuzz targets with faults:$$failed"; exit 1; }

clean:
	rm -rf $(BUILD) $(BUILD)-release $(SANITIZE_BUILD) $(FUZZ_BUILD)
