#!/usr/bin/env bash
# Slurm array job: each task draws one shard of a survey into a shared folder.
#   sbatch --array=1-16 docs/batch-slurm.sh SURVEY.csv OUTDIR [more batch options]
# Task K draws shard K of N = the array's highest index (or TARNEX_SHARDS).
# Tasks that fail (exit 1: some stations failed, 3: none drawn) show in sacct;
# rerun one with: TARNEX_SHARDS=16 sbatch --export=ALL --array=5 docs/batch-slurm.sh ...
#SBATCH --job-name=tarnex-batch
#SBATCH --cpus-per-task=2
#SBATCH --mem=1G
#SBATCH --time=01:00:00
#SBATCH --output=tarnex-batch-%A_%a.log
set -euo pipefail
survey=$1
out=$2
shift 2
shard=${SLURM_ARRAY_TASK_ID:?run this with sbatch --array=1-N}
shards=${TARNEX_SHARDS:-$SLURM_ARRAY_TASK_MAX}
exec tarnex-render batch "$survey" -o "$out" --jobs "${SLURM_CPUS_PER_TASK:-1}" \
  --shard "$shard/$shards" "$@"
