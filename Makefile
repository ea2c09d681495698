# The commands of the README. All but uninstall install what is missing, configure and build.
BUILD := build
SAN := build-san
FUZZ := build-fuzz
JOBS := $(shell nproc)
# `make fuzz` runs every harness this long, one after the other; new finds stay in
# $(FUZZ)/fuzz/neu, crashes are written to $(FUZZ)/fuzz/ as crash-* files.
FUZZ_SEKUNDEN ?= 600
FUZZER := levelstart_fuzz lesezeichen_fuzz konfiguration_fuzz rekord_fuzz spiel_fuzz

# `make install PREFIX=…` installs below PREFIX (by default ~/.local). PREFIX reaches
# the install as it was typed: make does not expand it, and no shell line holds it.
export LAGERIX_PREFIX := $(value PREFIX)
unexport PREFIX

.PHONY: run test deps build clean fuzz fuzz-build install uninstall installierbar deb

deps:
	./scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/lagerix2000

# The checks of the Debian package need the package, which only `make deb` builds.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) -LE paket
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

# Only what is installed: the programs, the sound module, the manual pages.
installierbar: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS) --target installierbar

install: installierbar
	./scripts/installation installieren $(BUILD)

uninstall:
	./scripts/installation entfernen

# The Debian package, then its checks: the metadata validators, lintian, and the game
# started from the unpacked package.
deb: installierbar
	cd $(BUILD) && cpack -G DEB
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -L 'metadaten|paket'

# The build folder is the game's program folder: the player's records, bookmarks,
# settings and own levels live there, so only what the compiler made is removed.
clean:
	if [ -f $(BUILD)/CMakeCache.txt ]; then cmake --build $(BUILD) --target clean; fi
	rm -rf $(SAN) $(FUZZ)
