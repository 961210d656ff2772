# Two commands are enough on a fresh Debian machine: `make run` and `make test`.
GENERATOR := -G Ninja
RUN_DIR   := build/release
TEST_DIR  := build/test
BENCH_DIR := build/bench
PROGRAM   := $(CURDIR)/build/Tarvo

.PHONY: deps run build test bench clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(RUN_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DTARVO_PROGRAM_DIR=$(PROGRAM) -DTARVO_GUI=ON
	cmake --build $(RUN_DIR)

run: build
	cd $(PROGRAM) && ./Tarvo

test: deps
	cmake -S . -B $(TEST_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
	      -DTARVO_SANITIZE=ON -DTARVO_TESTS=ON -DTARVO_GUI=ON
	cmake --build $(TEST_DIR)
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(TEST_DIR) --output-on-failure -j $$(nproc)

bench: deps
	cmake -S . -B $(BENCH_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DTARVO_BENCH=ON
	cmake --build $(BENCH_DIR)
	$(BENCH_DIR)/bench/tarvo-bench
	$(BENCH_DIR)/bench/tarvo-bench-gui

clean:
	rm -rf build
