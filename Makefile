# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
CMAKE_FLAGS = -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release

.PHONY: all bootstrap build test run wizard bench clean

all: build

bootstrap:
	@BUILD_DIR=$(abspath $(BUILD_DIR)) scripts/bootstrap.sh

build: bootstrap
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR) -j2 --target all unit_tests $(EXTRA_TARGETS) -- --no-print-directory

test: build
	@BUILD_DIR=$(abspath $(BUILD_DIR)) scripts/run_tests.sh

run: build
	@BUILD_DIR=$(abspath $(BUILD_DIR)) scripts/run_demo.sh

wizard: build
	@BUILD_DIR=$(abspath $(BUILD_DIR)) scripts/wizard.sh

bench: build
	@BUILD_DIR=$(abspath $(BUILD_DIR)) scripts/bench.sh

clean:
	rm -rf $(BUILD_DIR)
