# Two commands for players and contributors: `make run` and `make test`.
BUILD := build
JOBS  ?= 2

.PHONY: run test bench build game deps configure clean package install translations sanitize

deps:
	@./tools/install-deps.sh

# Ninja for a new build folder (it keeps both cores busy to the end); a
# folder made before keeps the generator it was made with.
GENERATOR = $(if $(wildcard $(1)/CMakeCache.txt),,-G Ninja)

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(call GENERATOR,$(BUILD)) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# Only the game and what it links: the tests, benchmarks and the artwork
# tool wait for `make test`.
game: configure
	cmake --build $(BUILD) -j$(JOBS) --target cipherly

run: game
	./$(BUILD)/startup/cipherly

test: build
	./tools/run-tests.sh $(BUILD)

# Every test again, with the game and the tests built with the address and
# undefined-behaviour sanitizers, in a build folder of their own.
SANITIZE_BUILD := build-sanitize
sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) $(call GENERATOR,$(SANITIZE_BUILD)) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCIPHERLY_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	./tools/run-tests.sh $(SANITIZE_BUILD)

# The solver is measured on a fortune collection its word counts never saw.
bench: build
	cmake --build $(BUILD) -j$(JOBS) --target benchmarks
	@./tools/install-deps.sh fortune-anarchism
	./tools/run-bench.sh $(BUILD)

# The translation files brought up to date with the texts of the code and
# of the designs (lupdate); a translator then edits translations/cipherly_LL.ts
# (Qt Linguist, or any editor) and the build makes it part of the game.
# English has a file of its own for the texts that count (1 quote, 2 quotes).
LUPDATE := /usr/lib/qt6/bin/lupdate -locations none -no-obsolete -silent \
  app startup additions common core controls game help lobby quotes stats solver translations \
  $(BUILD)/gathered-texts.cpp
translations: configure
	python3 tools/gather-texts.py . $(BUILD)/gathered-texts.cpp
	$(LUPDATE) -ts $(filter-out %_en.ts,$(wildcard translations/cipherly_*.ts)) $(TS)
	$(LUPDATE) -pluralonly -ts translations/cipherly_en.ts

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
