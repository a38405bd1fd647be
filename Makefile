# ORVEX32: the two everyday commands are `make run` and `make test`.
# Both install the Debian packages the build needs, then configure and build.

BUILD     ?= build
JOBS      ?= $(shell nproc)
PACKAGES  := cmake make g++ qt6-base-dev qt6-serialport-dev libgtest-dev \
             libbenchmark-dev fonts-dejavu-core xvfb xauth socat gpsbabel
SUDO      := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
RUN_DIR   := $(BUILD)/run-data

.PHONY: all deps build run test bench clean

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
	@for b in $(BUILD)-release/bench/bench_*; do echo "== $$b"; $$b --benchmark_counters_tabular=true || exit 1; done

clean:
	rm -rf $(BUILD) $(BUILD)-release
