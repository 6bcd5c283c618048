# Vekolaunch and Lingobench: `make test` builds and runs every test, `make run` opens the
# launcher on a demo install. Both install what is missing on a Debian machine first.
BUILD_DIR ?= build
export BUILD_DIR

.PHONY: all deps build test run clean

all: build

deps:
	@scripts/setup.sh

build: deps
	@scripts/build.sh

test: build
	@scripts/test.sh

run: build
	@scripts/run.sh

clean:
	@if [ -f $(BUILD_DIR)/wineprefix/.ready ]; then WINEPREFIX=$(CURDIR)/$(BUILD_DIR)/wineprefix wineserver -k 2>/dev/null || true; fi
	rm -rf $(BUILD_DIR)
