# shellcheck shell=bash
# Completion for mensurex in bash: its options and numfmt's, the units and
# numfmt's scales after --to and --from, the modes after --round and
# --invalid, and installed locales.

_mensurex() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=""
  ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
  # bash splits "--to=KB" into "--to", "=" and "KB".
  if [[ $cur == "=" ]]; then
    cur=""
  elif [[ $prev == "=" ]] && ((COMP_CWORD > 1)); then
    prev=${COMP_WORDS[COMP_CWORD - 2]}
  fi
  local units="B KB MB GB TB PB EB K M G T P E Ki Mi Gi Ti Pi Ei KiB MiB GiB TiB PiB EiB"
  local words=""
  case $prev in
    --to) words="auto human $units none si iec iec-i" ;;
    --from) words="$units none auto si iec iec-i" ;;
    --round) words="up down from-zero towards-zero nearest" ;;
    --invalid) words="abort fail warn ignore" ;;
    --locale) words="C $(locale -a 2>/dev/null)" ;;
    --precision | --padding | --format | --field | -d | --delimiter | \
      --decimal | --unit-separator | --from-unit | --to-unit)
      COMPREPLY=()
      return
      ;;
    *)
      [[ $cur == -* ]] || { COMPREPLY=(); return; }
      words="--to --from --from-unit --to-unit --si --precision --round --show-unit
        --unit-separator --padding --format --field --delimiter --header
        --zero-terminated --invalid --locale --decimal --grouping --help
        --version"
      ;;
  esac
  mapfile -t COMPREPLY < <(compgen -W "$words" -- "$cur")
}
complete -F _mensurex mensurex
