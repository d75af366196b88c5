.PHONY: run test sanitize fuzz screenshots package build startup
run test sanitize fuzz screenshots package build startup:
	./build.sh $@
