# make run: set up, build and start the game (its data files go to run/).
# make test: set up, build and run every test headless.
# make bench: build and run the benchmarks (not part of the tests).
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all setup configure build run test bench install clean

all: build

setup:
	@scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The game and its web page module only; the tests are built by `make test`.
run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target game
	@mkdir -p run
	@cd run && ../$(BUILD)/vorlina

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
		ctest --output-on-failure -j $(JOBS)

bench: setup
	@cmake -S . -B $(BUILD) -G Ninja -DVORLINA_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@bench/run.sh $(BUILD)

install: build
	@cmake --install $(BUILD)

clean:
	@rm -rf $(BUILD)
