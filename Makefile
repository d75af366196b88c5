.PHONY: run test sanitize fuzz screenshots build
run test sanitize fuzz screenshots build:
	./build.sh $@
