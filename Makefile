# The two commands of the project:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
BUILD ?= build
JOBS ?= 2

ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# Any finding stops the run; leaks are reported at exit of every test.
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: deps configure build run test test-sanitizers clean bench fuzz-smoke package windows windows-test

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
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# Each libFuzzer target for 30 seconds on its seed corpus (clang build folder).
fuzz-smoke: deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DFONIKRA_FUZZ=ON --log-level=WARNING
	@cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_targets
	@scripts/fuzz-smoke $(FUZZ_BUILD) 30

# Benchmarks print their figures, each in the offscreen platform, and the
# table of them beside their targets goes to BENCHMARKS.md.
bench: build
	@scripts/bench-report $(BUILD)

# Pictures of the real screens, played through offscreen, for the README.
.PHONY: screenshots
screenshots: build
	@cmake --build $(BUILD) --target screenshots -j$(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ./tools/screenshots/screenshots Data $(CURDIR)/docs/screenshots

# The Debian package (CPack) in the build folder, then lintian over it: any
# error fails the target, warnings are shown.
package: build
	@rm -f $(BUILD)/minifonikra_*.deb
	@cmake --build $(BUILD) --target package
	lintian --fail-on error $(BUILD)/minifonikra_*.deb

# The program for 64-bit Windows, cross-built here: MiniFonikra.exe beside
# the content of the Linux build, the installer MiniFonikra-setup.exe and a
# portable zip, in $(WINDOWS_BUILD). The libraries are built once into
# ~/.cache/minifonikra-windows (about 20 minutes on two cores) and reused.
WINDOWS_BUILD ?= build-windows
windows: build
	@scripts/install-deps --windows
	@prefixes=$$(scripts/windows-deps) && export FONIKRA_WINDOWS_PREFIXES="$$prefixes" && \
	  cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/packaging/windows/toolchain.cmake \
	    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
	    -DFONIKRA_LINUX_BUILD=$(CURDIR)/$(BUILD) --log-level=WARNING && \
	  cmake --build $(WINDOWS_BUILD) -j$(JOBS)

# The installer and the installed program under Wine and Xvfb. Skips with one
# line where Wine or the libraries' cache is missing.
windows-test:
	@scripts/windows-test $(WINDOWS_BUILD) $(BUILD)
