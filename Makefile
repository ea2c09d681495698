# The commands of the README. All but uninstall install what is missing, configure and build.
BUILD := build
SAN := build-san
FUZZ := build-fuzz
JOBS := $(shell nproc)
# `make fuzz` runs every harness this long, one after the other; new finds stay in
# $(FUZZ)/fuzz/neu, crashes are written to $(FUZZ)/fuzz/ as crash-* files.
FUZZ_SEKUNDEN ?= 600
FUZZER := levelstart_fuzz lesezeichen_fuzz konfiguration_fuzz rekord_fuzz spiel_fuzz

# The player's own program folder; menu entries and icons go below XDG_DATA_HOME.
PREFIX ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/lagerix2000

.PHONY: run test deps build clean fuzz fuzz-build install uninstall

deps:
	./scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/lagerix2000

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	cmake -S . -B $(SAN) -DCMAKE_BUILD_TYPE=Debug -DLAGERIX_NUR_KERN=ON -DLAGERIX_LOESER_VERGLEICHE=30 \
		-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
	cmake --build $(SAN) -j$(JOBS)
	cd $(SAN) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) fuzz-build
	cd $(FUZZ) && ctest --output-on-failure

# The fuzz harnesses: clang with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
fuzz-build: deps
	cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DLAGERIX_FUZZ=ON
	cmake --build $(FUZZ) -j$(JOBS)

fuzz: fuzz-build
	for f in $(FUZZER); do \
		./$(FUZZ)/fuzz/$$f -max_total_time=$(FUZZ_SEKUNDEN) -timeout=10 -print_final_stats=1 \
			-dict=fuzz/woerter.dict -artifact_prefix=$(FUZZ)/fuzz/ $(FUZZ)/fuzz/neu/$$f fuzz/korpus/$$f || exit 1; \
	done

install: build
	./scripts/installation installieren $(BUILD) "$(PREFIX)"

uninstall:
	./scripts/installation entfernen "$(PREFIX)"

# The build folder is the game's program folder: the player's records, bookmarks,
# settings and own levels live there, so only what the compiler made is removed.
clean:
	if [ -f $(BUILD)/CMakeCache.txt ]; then cmake --build $(BUILD) --target clean; fi
	rm -rf $(SAN) $(FUZZ)
