# Front door for building, running and testing Tavrin.
# `make run` and `make test` install what is missing first (Debian packages through tools/setup.sh).

JOBS ?= $(shell nproc)
# CI builds the tests with AddressSanitizer and UBSan in a build folder of their own.
ifeq ($(CI),true)
SANITIZE ?= ON
endif
SANITIZE ?= OFF
TEST_BUILD := $(if $(filter ON,$(SANITIZE)),build-sanitize,build)

.PHONY: all setup setup-tests setup-package build run test fuzz bench package format clean

all: build

setup:
	tools/setup.sh

setup-tests:
	tools/setup.sh --tests

setup-package:
	tools/setup.sh --package

build: setup
	cmake -S . -B build -DTAVRIN_BUILD_TESTS=OFF -DTAVRIN_BUILD_BENCHMARKS=OFF
	cmake --build build -j $(JOBS) --target tavrin tavrin-letters

run: build
	./build/tavrin

# Warnings are errors here (and in CI's sanitizer build and the fuzz build), not in a plain configure.
# The prefix is the package's, so that the install checks see the tree and the package `make package` makes.
test: setup-tests
	cmake -S . -B $(TEST_BUILD) -DTAVRIN_SANITIZE=$(SANITIZE) -DTAVRIN_WERROR=ON -DTAVRIN_BUILD_BENCHMARKS=ON \
	  -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) \
	  --output-junit junit.xml --test-output-size-passed 4194304

# The fuzz targets, built with clang and libFuzzer, each run for FUZZ_SECONDS from its seed corpus.
FUZZ_SECONDS ?= 25
FUZZ_TARGETS := fuzz_docx_model fuzz_docx_open fuzz_engine_typing fuzz_csv_contacts fuzz_vcard_contacts
fuzz: setup-tests
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTAVRIN_FUZZ=ON -DTAVRIN_WERROR=ON \
	  -DTAVRIN_BUILD_TESTS=OFF -DTAVRIN_BUILD_BENCHMARKS=OFF
	cmake --build build-fuzz -j $(JOBS) --target $(FUZZ_TARGETS)
	tools/run-fuzzers.sh build-fuzz $(FUZZ_SECONDS)

# The Debian package, build/tavrin_<version>_<architecture>.deb, built with all of Debian's hardening flags
# (bindnow as well: the program loads its plugin once, at start-up).
package: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
package: setup-package
	cmake -S . -B build -DTAVRIN_BUILD_TESTS=OFF -DTAVRIN_BUILD_BENCHMARKS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	  -DCMAKE_MODULE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build build -j $(JOBS) --target package

bench: setup-tests
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTAVRIN_BUILD_TESTS=OFF -DTAVRIN_BUILD_BENCHMARKS=ON
	cmake --build build-bench -j $(JOBS)
	for b in build-bench/bench/bench_*; do QT_QPA_PLATFORM=offscreen $$b; done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-sanitize build-bench build-fuzz
