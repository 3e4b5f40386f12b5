#!/bin/sh
# Prints the project's version, which is written once: in project() of CMakeLists.txt.
sed -n 's/^project(ZarnRes VERSION \([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt"
