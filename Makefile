# The commands of the README. All but uninstall install what is missing, configure and build.
BUILD := build
SAN := build-san
JOBS := $(shell nproc)

# The player's own program folder; menu entries and icons go below XDG_DATA_HOME.
PREFIX ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/lagerix2000

.PHONY: run test deps build clean install uninstall

deps:
	./scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/lagerix2000

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	cmake -S . -B $(SAN) -DCMAKE_BUILD_TYPE=Debug -DLAGERIX_NUR_KERN=ON \
		-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
	cmake --build $(SAN) -j$(JOBS)
	cd $(SAN) && ctest --output-on-failure -j$(JOBS)

install: build
	./scripts/installation installieren $(BUILD) "$(PREFIX)"

uninstall:
	./scripts/installation entfernen "$(PREFIX)"

# The build folder is the game's program folder: the player's records, bookmarks,
# settings and own levels live there, so only what the compiler made is removed.
clean:
	if [ -f $(BUILD)/CMakeCache.txt ]; then cmake --build $(BUILD) --target clean; fi
	rm -rf $(SAN)
