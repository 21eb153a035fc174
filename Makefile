# make run   - install what is missing, build (card database included) and start Lumenrest
# make test  - install what is missing, build and run every test
# make bench - build and run the benchmarks
# make package - build build/lumenrest_<version>_amd64.deb
# make translations - bring translations/*.ts up to date with the sources
BUILD ?= build
JOBS ?= 2

.PHONY: run test bench package translations deps configure build clean

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

clean:
	rm -rf $(BUILD)
