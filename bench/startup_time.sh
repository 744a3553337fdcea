#!/bin/bash
# Usage (under Xvfb): xvfb-run -a bench/startup_time.sh build/bin/mirte /tmp/x.db
# Process start to the menu window mapped, 5 runs after a warm-up; prints ms each and the median.
# (xdotool --sync polls only twice a second, so the window is looked for in a tight loop.)
exe=$1; db=$2
times=()
until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.05; done
for i in 0 1 2 3 4 5; do
  t0=$(date +%s%N)
  "$exe" --db "$db" >/dev/null 2>&1 &
  pid=$!
  n=0; until xdotool search --onlyvisible --name 'ミルテ　Ver' >/dev/null 2>&1 || [ $n -gt 2000 ]; do n=$((n+1)); sleep 0.003; done
  t1=$(date +%s%N)
  kill $pid; wait $pid 2>/dev/null
  ms=$(( (t1 - t0) / 1000000 ))
  [ $i -gt 0 ] && times+=($ms)
  echo "run $i: $ms ms"
done
printf '%s\n' "${times[@]}" | sort -n | sed -n 3p | sed 's/^/median: /'
