#!/bin/bash
# Usage (under Xvfb): xvfb-run -a bench/startup_time.sh build/bin/mirte /tmp/x.db
# Process start to the menu window mapped, 5 runs after a warm-up; prints ms each and the median.
# (xdotool --sync polls only twice a second, so the window is looked for in a short loop.)
# A start the X server turned away (it sometimes refuses a connection among the many looks)
# is run again.
exe=$1; db=$2
times=()
until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.05; done
i=0
while [ $i -le 5 ]; do
  t0=$(date +%s%N)
  "$exe" --db "$db" >/dev/null 2>&1 &
  pid=$!
  seen=0
  while kill -0 $pid 2>/dev/null; do
    if xdotool search --onlyvisible --name 'ミルテ　Ver' >/dev/null 2>&1; then seen=1; break; fi
    sleep 0.003
  done
  t1=$(date +%s%N)
  kill $pid 2>/dev/null; wait $pid 2>/dev/null
  if [ $seen = 0 ]; then echo "run $i: not shown, again"; sleep 0.2; continue; fi
  ms=$(( (t1 - t0) / 1000000 ))
  [ $i -gt 0 ] && times+=($ms)
  echo "run $i: $ms ms"
  i=$((i + 1))
done
printf '%s\n' "${times[@]}" | sort -n | sed -n 3p | sed 's/^/median: /'
