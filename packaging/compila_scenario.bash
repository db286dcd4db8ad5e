# bash completion for compila_scenario: its commands, their options, and
# files or directories where an option or argument takes one.
_compila_scenario() {
  local cur prev command word i
  COMPREPLY=()
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD-1]}

  command=""
  for ((i = 1; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    case $word in
      export-sources|compile|inspect|watch) command=$word; break ;;
    esac
  done

  case $prev in
    --output-dir) compopt -o dirnames 2>/dev/null; COMPREPLY=($(compgen -d -- "$cur")); return ;;
    --csv|--svg|--html) compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -f -- "$cur")); return ;;
    --line-name|--train-name|--port) return ;;
  esac

  local options
  case $command in
    "") options="--help --help-all --version --output-dir export-sources compile inspect watch" ;;
    export-sources) options="--help --help-all --output-dir" ;;
    compile) options="--help --help-all --line-name --train-name --output-dir --no-profile --json --html" ;;
    inspect) options="--help --help-all --line-name --train-name --json --csv --svg --html" ;;
    watch) options="--help --help-all --line-name --train-name --output-dir --port --no-profile" ;;
  esac

  if [[ $cur == -* || $command == "" || $command == export-sources ]]; then
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
  elif [[ $command == inspect ]]; then
    compopt -o dirnames 2>/dev/null
    COMPREPLY=($(compgen -d -- "$cur"))
  else
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen -f -X '!*.txt' -- "$cur") $(compgen -d -- "$cur"))
  fi
}
complete -F _compila_scenario compila_scenario
