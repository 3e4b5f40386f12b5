# The one file the Wine scripts source (scenarios, run-all.sh, demo.sh,
# bench/run.sh). It brings in:
#   wine-env.sh   X server, Wine architecture and shims, prefixes, processes,
#                 screenshots, clean-up
#   scenario.sh   zw_begin, checks and the other helpers scenarios use
# Sourcing it defines zw_* functions and variables only: no shell options, no
# files written, PATH as it was. zw_setup_wine (zw_begin calls it) sets Wine up.

source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/scenario.sh"
