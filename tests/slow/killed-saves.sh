#!/usr/bin/env bash
# The killed-save check at length, by hand: KILLS per database (default 1000), nine in ten
# on shipped-size content, one in ten on 1e5 rows. Build first with the default preset.
set -euo pipefail
cd "$(dirname "$0")/../.."
KORVEX_KILLS=${1:-1000} QT_QPA_PLATFORM=offscreen QTEST_DISABLE_STACK_DUMP=1 \
  ./build/tests/tst_reliability killedSaveLeavesOldOrNew
