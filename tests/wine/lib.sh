# The one file the Wine scripts source (scenarios, run-all.sh, demo.sh,
# bench/run.sh, scripts/build.sh). It brings in:
#   wine-env.sh   X server, Wine architecture and shims, prefixes, processes,
#                 screenshots, clean-up
#   scenario.sh   zw_begin, checks and the other helpers scenarios use
# It defines zw_* functions and sets no shell options.

source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/scenario.sh"
