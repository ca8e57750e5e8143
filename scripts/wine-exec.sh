#!/bin/sh
# Runs a Windows program under Wine; ctest uses it as the cross-compiling emulator.
: "${WINEDEBUG:=-all}"
export WINEDEBUG
exec wine "$@"
