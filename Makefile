# `make run` and `make test` are the two entry points (see README.md).
BUILD    ?= build
SANITIZE ?= build-sanitize
TSAN     ?= build-tsan
JOBS     ?= $(shell nproc)

.PHONY: all deps build run test package sanitize tsan bench format clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./ulti

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package, from the same build folder (README, "Install").
package: build
	rm -f $(BUILD)/ulti_*.deb
	cmake --build $(BUILD) --target package

sanitize: deps
	cmake -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DULTI_SANITIZE=ON -DULTI_CORE_ONLY=ON
	cmake --build $(SANITIZE) -j $(JOBS)
	cd $(SANITIZE) && ctest --output-on-failure -j $(JOBS)

# The search's tests, the differential check and 200 self-play deals with the search
# on worker threads, under ThreadSanitizer (core only).
tsan: deps
	cmake -S . -B $(TSAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DULTI_TSAN=ON -DULTI_CORE_ONLY=ON
	cmake --build $(TSAN) -j $(JOBS) --target ulti_bench test_analysis test_ai
	cd $(TSAN) && export TSAN_OPTIONS=halt_on_error=1 && tests/test_analysis --gtest_brief=1 && \
	  tests/test_ai --gtest_brief=1 && ctest --output-on-failure -j $(JOBS) -L search

bench: build
	cd $(BUILD) && ./ulti_bench

format:
	find src tests tools bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZE) $(TSAN)
