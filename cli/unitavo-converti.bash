# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Bash completion for unitavo-converti: its options, the quantity ids after --quantity, the unit
# symbols for FROM, and for TO the symbols of the quantities that FROM belongs to. The units come
# from the program itself (--list), asked once per shell.

_unitavo_converti_units=

_unitavo_converti()
{
    local cur prev words cword
    _init_completion || return

    if [[ -z $_unitavo_converti_units ]]; then
        _unitavo_converti_units=$("${words[0]}" --list 2>/dev/null)
    fi

    case $prev in
        -q | --quantity)
            mapfile -t COMPREPLY < <(compgen -W \
                "$(cut -f1 <<<"$_unitavo_converti_units" | uniq)" -- "$cur")
            return
            ;;
    esac

    # Which argument is being typed, and the quantity and FROM unit already given.
    local i word count=0 quantity='' from='' options_ended=''
    for ((i = 1; i < cword; i++)); do
        word=${words[i]}
        if [[ -z $options_ended ]]; then
            case $word in
                --)
                    options_ended=1
                    continue
                    ;;
                -q | --quantity)
                    quantity=${words[i + 1]}
                    i=$((i + 1))
                    continue
                    ;;
                --quantity=*)
                    quantity=${word#*=}
                    continue
                    ;;
                -[0-9.,]*) ;; # a negative value
                -*) continue ;;
            esac
        fi
        ((count == 1)) && from=$word
        ((count++))
    done

    if [[ -z $options_ended && $cur == -* && $cur != -[0-9.,]* ]]; then
        mapfile -t COMPREPLY < <(compgen -W '--quantity --list --help --version --' -- "$cur")
        return
    fi

    local units
    case $count in
        1)
            units=$(awk -F'\t' -v q="$quantity" 'q == "" || $1 == q {print $2}' \
                <<<"$_unitavo_converti_units")
            ;;
        2)
            # The symbols of every quantity in which FROM is a symbol or a name.
            units=$(awk -F'\t' -v q="$quantity" -v from="$from" '
                {
                    line[NR] = $0
                    for (f = 2; f <= NF; f++)
                        if (f != 3 && f != 4 && f != 5 && tolower($f) == tolower(from) \
                            && (q == "" || $1 == q))
                            has[$1] = 1
                }
                END {
                    for (n = 1; n <= NR; n++) {
                        split(line[n], field, "\t")
                        if (field[1] in has)
                            print field[2]
                    }
                }' <<<"$_unitavo_converti_units")
            ;;
        *)
            return
            ;;
    esac
    mapfile -t COMPREPLY < <(IFS=$'\n' compgen -W "$units" -- "$cur")
}

complete -F _unitavo_converti unitavo-converti
