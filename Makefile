# The two commands a person needs: `make run` and `make test`. Both install
# what is missing on a Debian 12 machine, configure and build first.
# `make install` and `make package` are for delivering it.

BUILD_DIR ?= build
PREFIX ?= /usr/local

RUN_PACKAGES := build-essential cmake ninja-build qt6-base-dev libgtest-dev libxcb1-dev \
                fonts-ipafont-gothic qt6-translations-l10n qt6-wayland
PACKAGE_PACKAGES := dpkg-dev file
TEST_PACKAGES := xvfb xauth xdotool imagemagick jwm x11-utils appstream desktop-file-utils \
                 $(PACKAGE_PACKAGES)

.PHONY: run test build install package

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
