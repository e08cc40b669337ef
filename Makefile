# The two commands of the project:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
BUILD ?= build
JOBS ?= 2

ASAN_BUILD ?= build-asan
# Any finding stops the run; leaks are reported at exit of every test.
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

.PHONY: deps configure build run test test-sanitizers clean bench

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
	@$(MAKE) --no-print-directory test-sanitizers

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitizers: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFONIKRA_SANITIZE=ON --log-level=WARNING
	@$(SANITIZER_ENV) cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)

# Benchmarks print their figures; each runs in the offscreen platform.
bench: build
	@cd $(BUILD) && for b in bench/bench_*; do [ -x "$$b" ] || continue; \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy FONIKRA_DATA_DIR=$$PWD/Data "./$$b" || exit 1; done

# Pictures of the real screens, played through offscreen, for the README.
.PHONY: screenshots
screenshots: build
	@cmake --build $(BUILD) --target screenshots -j$(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ./tools/screenshots/screenshots Data $(CURDIR)/docs/screenshots
