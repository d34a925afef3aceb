# The X screen the tests and the bench draw on: a classroom PC's, 1024 x 768 at 96 dpi.
# Sourced by the scripts; tests/CMakeLists.txt reads this same line.
# shellcheck shell=sh disable=SC2034
xvfb_screen='-screen 0 1024x768x24 -dpi 96'
