# The two commands a person needs: `make run` and `make test`. Both install
# what is missing on a Debian 12 machine, configure and build first.
# `make install`, `make package` and `make fuzz` are for delivering it.

BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
PREFIX ?= /usr/local
# How long `make fuzz` runs each target; `make test` runs each for 5.
FUZZ_SECONDS ?= 60

RUN_PACKAGES := build-essential cmake ninja-build qt6-base-dev libgtest-dev libxcb1-dev \
                fonts-ipafont-gothic qt6-translations-l10n qt6-wayland
PACKAGE_PACKAGES := dpkg-dev file
FUZZ_PACKAGES := clang libclang-rt-14-dev
TEST_PACKAGES := xvfb xauth xdotool imagemagick jwm x11-utils weston appstream desktop-file-utils \
                 $(PACKAGE_PACKAGES) $(FUZZ_PACKAGES)

# The tests that run again under the sanitizers: everything but the real-window
# tests (their binary is the one the main run already checks) and packaging.
SANITIZED_LABELS := ^(core|fs|res|framework|ui)$$
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:fast_unwind_on_malloc=0 \
                 LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
                 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: run test build install package sanitize fuzz

run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session." >&2; \
	  exit 1; \
	fi
	@tools/setup.sh $(RUN_PACKAGES)
	@$(MAKE) --no-print-directory build
	$(BUILD_DIR)/app/sorabun

test:
	@tools/setup.sh $(RUN_PACKAGES) $(TEST_PACKAGES)
	@$(MAKE) --no-print-directory build
	cd $(BUILD_DIR) && ctest --output-on-failure --timeout 600
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=5
	@$(MAKE) --no-print-directory sanitize

build:
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	@cmake --build $(BUILD_DIR)

install:
	@tools/setup.sh $(RUN_PACKAGES)
	@$(MAKE) --no-print-directory build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package:
	@tools/setup.sh $(RUN_PACKAGES) $(PACKAGE_PACKAGES)
	@$(MAKE) --no-print-directory build
	cd $(BUILD_DIR) && cpack -G DEB

# AddressSanitizer and UndefinedBehaviorSanitizer over the window-free and
# offscreen tests; any report fails the run.
sanitize:
	@tools/setup.sh $(RUN_PACKAGES)
	@cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DSORABUN_SANITIZE=ON -DSORABUN_BENCHMARKS=OFF > /dev/null
	@env $(SANITIZER_ENV) cmake --build $(ASAN_DIR)
	cd $(ASAN_DIR) && env $(SANITIZER_ENV) ctest --output-on-failure --timeout 300 \
	  --no-tests=error -L '$(SANITIZED_LABELS)'

fuzz:
	@tools/setup.sh $(RUN_PACKAGES) $(FUZZ_PACKAGES)
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DSORABUN_FUZZ=ON -DBUILD_TESTING=OFF -DSORABUN_BENCHMARKS=OFF > /dev/null
	@cmake --build $(FUZZ_DIR) --target fuzzers
	tools/fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)
