# Two commands do everything: `make run` and `make test`.
JOBS       ?= $(shell nproc)
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_TIME  ?= 60

.PHONY: deps configure build run test test-main test-asan fuzz bench format

deps:
	@./tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# Velkor keeps its files in the documents folder + /Velkor, never in the source tree.
run: build
	@docs="$$(xdg-user-dir DOCUMENTS 2>/dev/null || true)"; \
	 if [ -z "$$docs" ] || [ "$$docs" = "$$HOME" ]; then docs="$$HOME/Documents"; fi; \
	 mkdir -p "$$docs/Velkor" && cd "$$docs/Velkor" && exec "$(CURDIR)/$(BUILD)/velkor"

test: test-main test-asan

test-main: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer (clang,
# which also builds the fuzz targets; ctest runs each over its seed corpus).
test-asan: deps
	@CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug \
	    -DVELKOR_SANITIZE=ON -DVELKOR_FUZZ=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS)
	@cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug \
	    -DVELKOR_SANITIZE=ON -DVELKOR_FUZZ=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS)
	@./fuzz/run-all.sh $(ASAN_BUILD) $(FUZZ_TIME)

bench: configure
	@cmake --build $(BUILD) -j$(JOBS) --target velkor_bench report_bench
	@$(BUILD)/bench/velkor_bench
	@$(BUILD)/bench/report_bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i
