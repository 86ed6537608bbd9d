# The two commands of the README. Both install what is missing first (scripts/setup).
#   make run [FILE=song.mp3]   build and start Quorvi, optionally on a file
#   make test                  build and run every test, then again under ASan+UBSan

BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
JOBS      ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test build test-main test-asan bench format clean setup setup-test

setup:
	@scripts/setup

setup-test:
	@scripts/setup --test

# The program alone needs no test frameworks, so `make run` works with what `scripts/setup`
# installs without --test.
build: setup
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVI_BUILD_TESTS=OFF -DQUORVI_BUILD_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS) --target quorvi

run: build
	./$(BUILD_DIR)/quorvi $(if $(FILE),"$(FILE)")

test: setup-test
	$(MAKE) --no-print-directory test-main
	$(MAKE) --no-print-directory test-asan

test-main:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVI_BUILD_TESTS=ON -DQUORVI_BUILD_BENCH=ON $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

test-asan:
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DQUORVI_SANITIZE=ON -DQUORVI_BUILD_TESTS=ON -DQUORVI_BUILD_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	cmake --build $(ASAN_DIR) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS) -LE window

bench: setup-test
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVI_BUILD_TESTS=ON -DQUORVI_BUILD_BENCH=ON $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
