#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the source folders depend on each other in one direction only.
#
# Every file belongs to the layer of its folder, from the lowest:
#   platform  records  drill  teach  students  plan  flow  views  app
# src/<layer>/... for the first eight, app/... for the last. A file may include its own layer
# and the layers below it, never one above. platform holds the interfaces to the machine; its
# *_qt files implement them with Qt and may include Qt, but no other project layer.
# A file outside 1..7 of this list is an error, and so is a Qt include in a core file (any file
# under src/ whose name does not end in _qt or _window). Folder cycles are reported too, and so
# are include loops between files: a file and its own header count as one (a.cpp with a.h), and
# a loop is a path of includes that leads from one of them back to it ("a.cpp includes b.h,
# b.cpp includes a.h"). Each loop is printed once, as its includes in order.
#
#   tools/check_layers.sh [source-root]     exit 0 when clean, 1 with a list of faults
set -euo pipefail

root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

layers="platform records drill teach students plan flow views app"

mapfile -t files < <(find src app -type f \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort)
if [ ${#files[@]} -eq 0 ]; then
    echo "check_layers: no sources under $root/src or $root/app" >&2
    exit 1
fi

# One line per include: file, line number, included name, whether the name resolves to a file
# in the including file's own folder ("here") or under src/ ("src") or nowhere ("none").
scan() {
    local f dir line num name where
    for f in "${files[@]}"; do
        dir=$(dirname "$f")
        while IFS=: read -r num line; do
            name=$(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' <<<"$line")
            [ -n "$name" ] || continue
            if [[ "$name" != */* && -f "$dir/$name" ]]; then
                where=here
            elif [ -f "src/$name" ]; then
                where=src
            else
                where=none
            fi
            printf '%s\t%s\t%s\t%s\n' "$f" "$num" "$name" "$where"
        done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$f" || true)
    done
}

qt_in_core() {
    local f
    for f in "${files[@]}"; do
        [[ "$f" == src/* ]] || continue
        [[ "$f" =~ _(qt|window)\.(h|cpp)$ ]] && continue
        grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$f" | sed "s|^|$f:|" || true
    done
}

# Include loops between files, from the scan's lines. A file's unit is its path without .cpp or
# .h; each elementary cycle of the graph of units is printed once, from its smallest unit, as
# the includes that make it. Only units that can lead back to the start are followed, so the
# search stays within the loops themselves.
include_loops() {
    awk -F'\t' '
    function unitOf(path) { sub(/\.(cpp|h)$/, "", path); return path }
    function dirOf(path) { sub(/\/[^\/]*$/, "", path); return path }
    function walk(s, u, depth,   k, v, line, i) {
        path[depth] = u
        for (k = 1; k <= outs[u] && found < limit; ++k) {
            v = out[u, k]
            if (v == s) {
                line = via[path[1], (depth > 1 ? path[2] : s)]
                for (i = 2; i <= depth; ++i) line = line ", " via[path[i], (i < depth ? path[i + 1] : s)]
                print "include loop: " line
                ++found
            } else if (v > s && (v in back) && !(v in onPath)) {
                onPath[v] = 1
                walk(s, v, depth + 1)
                delete onPath[v]
            }
        }
    }
    NF >= 4 && $4 != "none" {
        to = $4 == "here" ? dirOf($1) "/" $3 : "src/" $3
        u = unitOf($1)
        v = unitOf(to)
        if (u == v || (u, v) in via) next
        via[u, v] = $1 " -> " to
        out[u, ++outs[u]] = v
        into[v, ++intos[v]] = u
        unit[u] = 1; unit[v] = 1
    }
    END {
        limit = 200
        for (s in unit) {
            if (found >= limit) break
            # back: the units above s that can lead back to s.
            split("", back); n = 0; queue[++n] = s
            for (head = 1; head <= n; ++head)
                for (k = 1; k <= intos[queue[head]]; ++k) {
                    w = into[queue[head], k]
                    if (w > s && !(w in back)) { back[w] = 1; queue[++n] = w }
                }
            if (n > 1) walk(s, s, 1)
        }
        if (found >= limit) printf "include loops: more than %d, the rest not listed\n", limit
    }'
}

status=0
includes=$(scan)
report=$(
    {
        include_loops <<<"$includes"
        awk -F'\t' -v layers="$layers" '
        BEGIN { n = split(layers, L, " "); for (i = 1; i <= n; ++i) rank[L[i]] = i }
        # The layer of a path: app/... is app, src/<folder>/... is <folder>, anything else
        # (a file at the root of src/) has none.
        function layerOf(path,   parts, k) {
            k = split(path, parts, "/")
            if (parts[1] == "app") return "app"
            if (parts[1] == "src" && k >= 3) return parts[2]
            return "(root of src)"
        }
        NF >= 4 {
            from = layerOf($1)
            if ($4 == "here") to = from
            else if ($4 == "src") to = layerOf("src/" $3)
            else { printf "unresolved include: %s:%s #include \"%s\"\n", $1, $2, $3; next }
            if (to == from && !(to in rank)) {
                # Within a folder that is not a layer: the folder itself is reported.
            } else if (!(to in rank)) {
                printf "include of a file outside the layers (%s): %s:%s #include \"%s\"\n", to, $1, $2, $3
            } else if ((from in rank) && rank[to] > rank[from]) {
                printf "upward include (%s -> %s): %s:%s #include \"%s\"\n", from, to, $1, $2, $3
            }
            if (from != to) { edge[from, to] = 1; node[from] = 1; node[to] = 1 }
        }
        END {
            # Folder cycles: pairs that reach each other (transitive closure, a dozen nodes).
            for (a in node) for (b in node) reach[a, b] = ((a, b) in edge)
            for (k in node) for (a in node) if (reach[a, k]) for (b in node) if (reach[k, b]) reach[a, b] = 1
            for (a in node) for (b in node)
                if (a < b && reach[a, b] && reach[b, a]) printf "folder cycle: %s <-> %s\n", a, b
        }' <<<"$includes"
        # Every file in a folder that is not a layer.
        for f in "${files[@]}"; do
            case "$f" in
            app/*) ;;
            src/*/*)
                folder=${f#src/}
                folder=${folder%%/*}
                [[ " $layers " == *" $folder "* ]] || echo "file outside the layers ($folder): $f"
                ;;
            *) echo "file outside the layers (root of src): $f" ;;
            esac
        done
        qt_in_core | sed 's/^/Qt include in a core file: /'
    } | sort -u
)

if [ -n "$report" ]; then
    printf '%s\n' "$report"
    echo "check_layers: $(wc -l <<<"$report") fault(s); layers from the lowest: $layers" >&2
    status=1
else
    echo "check_layers: ${#files[@]} files, every include goes down or stays in its layer, no include loops"
fi
exit $status
