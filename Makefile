.PHONY: run test sanitize fuzz screenshots package build
run test sanitize fuzz screenshots package build:
	./build.sh $@
