# Vekolaunch and Lingobench: `make test` builds and runs every test, `make run` opens the
# launcher on a demo install. Both install what is missing on a Debian machine first.
# TEST_ARCH=i686 or TEST_ARCH=x86_64 chooses the build they run instead of the machine's probe.
BUILD_DIR ?= build
export BUILD_DIR

.PHONY: all deps build test run dist bench demo clean

all: build

deps:
	@scripts/setup.sh

build: deps
	@scripts/build.sh

test: build
	@scripts/test.sh

run: build
	@scripts/run.sh

dist: deps
	@scripts/dist.sh

bench: build
	@scripts/bench.sh

demo: build
	@scripts/demo.sh

clean:
	@for prefix in $(BUILD_DIR)/wineprefix $(BUILD_DIR)/x86_64/wineprefix; do \
	  if [ -f $$prefix/.ready ]; then WINEPREFIX=$(CURDIR)/$$prefix wineserver -k 2>/dev/null || true; fi; \
	done
	rm -rf $(BUILD_DIR)
