# The two entry points: `make run` starts the program, `make test` passes the tests.
# Both install the Debian packages they lack first.

.PHONY: run test build bench screenshots format

run: build
	./scripts/run.sh

test:
	./scripts/test.sh

bench:
	./scripts/deps.sh
	./scripts/bench.sh

screenshots: build
	./scripts/screenshots.sh

build:
	./scripts/deps.sh
	./scripts/build.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
