.PHONY: run test screenshots build
run test screenshots build:
	./build.sh $@
