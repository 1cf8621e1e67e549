#!/bin/sh
# Runs a test program with a settings folder of its own, so that test programs
# running side by side never see each other's settings. Under `make test` the
# folder lies inside the run's private temporary XDG_CONFIG_HOME.
name=$1
shift
base=${XDG_CONFIG_HOME:-$PWD/private-settings}
XDG_CONFIG_HOME="$base/$name"
export XDG_CONFIG_HOME
mkdir -p "$XDG_CONFIG_HOME"
exec "$@"
