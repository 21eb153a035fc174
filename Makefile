# make run   - install what is missing, build (card database included) and start Lumenrest
# make test  - install what is missing, build and run every test
# make bench - build and run the benchmarks
# make package - build build/lumenrest_<version>_amd64.deb
# make test-asan - build and run every test under AddressSanitizer + UBSan (in build-asan)
# make fuzz  - build the goals reader's fuzzer with clang (in build-fuzz), run it FUZZ_SECONDS
# make translations - bring translations/*.ts up to date with the sources
BUILD ?= build
JOBS ?= 2
FUZZ_SECONDS ?= 60

.PHONY: run test bench package translations deps configure build clean test-asan fuzz

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/bin/Lumenrest

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

package: build
	@cmake --build $(BUILD) --target package

translations: configure
	@cmake --build $(BUILD) --target update_translations

bench:
	@scripts/install-deps --bench
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DLUMENREST_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)
	@scripts/run-benchmarks $(BUILD)

test-asan: deps
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DLUMENREST_SANITIZE=ON >/dev/null
	@cmake --build build-asan -j$(JOBS)
	cd build-asan && ctest --output-on-failure -j$(JOBS)

# The fuzzer adds what it finds to its corpus folder: it works on a copy of the seeds.
fuzz:
	@scripts/install-deps --fuzz
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
	  -DLUMENREST_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build build-fuzz -j$(JOBS) --target fuzz_goals
	@corpus=$$(mktemp -d) && trap 'rm -rf "$$corpus"' EXIT && cp tests/fuzz/corpus/* "$$corpus"/ && \
	  build-fuzz/fuzz/fuzz_goals -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	    -print_final_stats=1 -dict=tests/fuzz/goals.dict -artifact_prefix=build-fuzz/ "$$corpus"

clean:
	rm -rf $(BUILD) build-asan build-fuzz
