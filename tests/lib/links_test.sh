#!/usr/bin/env bash
# Every relative link and image of the project's Markdown files leads
# somewhere: the file or folder exists, and a "#part" names a heading of the
# file it points into (as its anchor: lower case, blanks as "-", other
# punctuation left out). Links to the web and code blocks are not read.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# The anchors of a Markdown file's headings, one a line.
anchors() {
    sed -n 's/^#\{1,6\} \(.*\)$/\1/p' "$1" | tr '[:upper:]' '[:lower:]' | sed 's/[^a-z0-9 _-]//g; s/ /-/g'
}
# The targets of a Markdown file's inline links and images, outside code
# blocks, one a line.
targets() {
    awk '/^```/ { code = !code; next } !code && !/^    / { print }' "$1" |
        grep -o '\]([^)]*)' | sed 's/^](//; s/)$//; s/ .*//' || true
}

failed=0
checked=0
while IFS= read -r file; do
    dir=$(dirname "$file")
    while IFS= read -r target; do
        case $target in '' | http://* | https://* | mailto:*) continue ;; esac
        checked=$((checked + 1))
        path=${target%%#*}
        part=""
        [[ $target == *"#"* ]] && part=${target#*#}
        into=$file
        if [ -n "$path" ]; then
            into=$dir/$path
            if [ ! -e "$into" ]; then
                echo "FAIL: ${file#"$top"/}: $target: no such file" >&2
                failed=1
                continue
            fi
        fi
        if [ -n "$part" ] && ! anchors "$into" | grep -qxF -- "$part"; then
            echo "FAIL: ${file#"$top"/}: $target: no such heading" >&2
            failed=1
        fi
    done < <(targets "$file")
done < <(find "$top" \( -name .git -o -name build -o -name dist \) -prune -o -name '*.md' -print | sort)
[ "$failed" = 0 ] && echo "links: $checked relative links and images, each leads somewhere"
exit "$failed"
