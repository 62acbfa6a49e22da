# Sourced by the start-up scripts: the figures of a file of runs (- for
# standard input), one run a line, each line the same columns.

median() { # column file
  sort -n -k"$1" "$2" | awk -v c="$1" '{v[NR] = $c} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

quartiles() { # column file: where the middle half of the runs lies
  sort -n -k"$1" "$2" | awk -v c="$1" '{v[NR] = $c} END {printf "%.0f-%.0f", v[int(NR / 4) + 1], v[NR - int(NR / 4)]}'
}

# The median of the ratios of the runs of one round, beside the ratio of the
# medians: other work on a shared machine weighs on both runs alike.
paired_median() { # column file baseline-file (three columns each)
  paste -d' ' "$2" "$3" | awk -v c="$1" '{print $c / $(c + 3)}' | median 1 -
}
