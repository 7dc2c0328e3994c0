#!/usr/bin/env bash
# GNU parallel: draws a survey in N shards over the listed hosts, which share
# the input and output folders (NFS or the like) and have tarnex-render on PATH.
#   docs/batch-parallel.sh SURVEY.csv OUTDIR N host1,host2,...
# A shard that fails is named in parallel's job log (exit status 1 or 3).
set -euo pipefail
survey=$(realpath "$1")
out=$(realpath -m "$2")
shards=$3
hosts=$4
# parallel runs one shard a processor on each host, so each shard draws on
# one thread: a processor a thread, not a processor a shard times a thread.
seq "$shards" | parallel -S "$hosts" --joblog "$out.joblog" --halt never \
  tarnex-render batch "$survey" -o "$out" --jobs 1 --quiet --shard {}/"$shards"
