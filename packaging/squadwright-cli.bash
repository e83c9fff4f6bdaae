# bash completion for squadwright-cli
_squadwright_cli()
{
    local cur prev word command="" i
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}

    case $prev in
        --folder)
            COMPREPLY=($(compgen -d -- "$cur"))
            return ;;
        --user|--time-limit|--timeout|--lock|--exclude)
            return ;;
    esac

    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case $word in
            --folder|--user|--time-limit|--timeout|--lock|--exclude) ((i++)) ;;
            -*) ;;
            *) command=$word; break ;;
        esac
    done

    local options
    case $command in
        "") options="--folder --help --version check roster evaluate best optimize tactics depth download" ;;
        check) options="--folder --help" ;;
        roster|evaluate) options="--json --folder --help" ;;
        best) options="--json --recompute-all --ignore-injuries --ignore-cards --folder --help" ;;
        optimize|tactics|depth) options="--json --free-behaviours --ignore-injuries --ignore-cards --time-limit --lock --exclude --folder --help" ;;
        download) options="--json --user --password-stdin --timeout --folder --help" ;;
        *) return ;;
    esac
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
}
complete -F _squadwright_cli squadwright-cli
