# The two commands of the project:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
BUILD ?= build
JOBS ?= 2

.PHONY: deps configure build run test clean bench

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo --log-level=WARNING

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run:
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display found (DISPLAY is not set): start it from a desktop session, or under xvfb-run." >&2; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && ./MiniFonikra

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD)

# Benchmarks print their figures; each runs in the offscreen platform.
bench: build
	@cd $(BUILD) && for b in bench/bench_*; do [ -x "$$b" ] || continue; \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy FONIKRA_DATA_DIR=$$PWD/Data "./$$b" || exit 1; done
