#!/usr/bin/env python3
"""Fails when the libraries' link graph has a cycle.

Reads the dot file that `cmake --graphviz=FILE` writes for a build tree and
checks the graph of its targets for a cycle; prints the cycle when it finds one.
"""
import re
import sys


def main(path):
    names, edges = {}, {}
    node = re.compile(r'^\s*"(node\d+)"\s*\[\s*label\s*=\s*"([^"]+)"')
    edge = re.compile(r'^\s*"(node\d+)"\s*->\s*"(node\d+)"')
    with open(path, encoding="utf-8") as dot:
        for line in dot:
            m = edge.match(line)
            if m:
                # cmake draws an executable's post-build step as an edge to itself.
                if m.group(1) != m.group(2):
                    edges.setdefault(m.group(1), set()).add(m.group(2))
                continue
            m = node.match(line)
            if m:
                names[m.group(1)] = m.group(2)
    state, stack = {}, []

    def visit(n):
        state[n] = "open"
        stack.append(n)
        for m in sorted(edges.get(n, ())):
            if state.get(m) == "open":
                cycle = stack[stack.index(m):] + [m]
                sys.exit("link cycle: " + " -> ".join(names.get(x, x) for x in cycle))
            if m not in state:
                visit(m)
        stack.pop()
        state[n] = "done"

    sys.setrecursionlimit(10000)
    for n in sorted(names):
        if n not in state:
            visit(n)
    print(f"link graph: {len(names)} targets, {sum(len(v) for v in edges.values())} edges, no cycle")


if __name__ == "__main__":
    main(sys.argv[1])
