#!/usr/bin/env python3
"""Select windows from probe.exe's JSON and print them or some of their fields.

Top-level windows and their children are searched alike. Every window has
hwnd, class, text, rect {x,y,w,h}, visible, enabled, topmost, focused, style,
exstyle, pid, tid; edit controls also sel {start,end}; top-level windows also
owner, active, foreground; children also parent and id. Each window also gets
"top", the hwnd of its top-level window, and "top_text", that window's text.

Examples:
  probe_query.py --text Morvane --top --get visible,rect
  probe_query.py --class Edit --focused --get text,sel
  probe_query.py --where 'w["rect"]["w"] == 255 and w["topmost"]' --count

Exit status: 0 when something matched (always with --count), 1 when nothing
did, 2 on bad input.
"""

import argparse
import json
import sys


def flatten(doc):
    for top in doc["windows"]:
        children = top.get("children", [])
        entry = {k: v for k, v in top.items() if k != "children"}
        entry.update(top=top["hwnd"], top_text=top["text"], is_top=True, children=len(children))
        yield entry
        for child in children:
            yield dict(child, top=top["hwnd"], top_text=top["text"], is_top=False)


def field(w, path):
    value = w
    for part in path.split("."):
        if not isinstance(value, dict) or part not in value:
            raise KeyError(path)
        value = value[part]
    return value


def show(value):
    if isinstance(value, bool):
        return "true" if value else "false"
    if value is None:
        return ""
    if isinstance(value, dict):
        if set(value) == {"x", "y", "w", "h"}:
            return "%d %d %d %d" % (value["x"], value["y"], value["w"], value["h"])
        if set(value) == {"start", "end"}:
            return "%d %d" % (value["start"], value["end"])
        return json.dumps(value, ensure_ascii=False)
    return str(value)


def matches(w, a):
    if a.text is not None and w["text"] != a.text:
        return False
    if a.text_contains is not None and a.text_contains not in w["text"]:
        return False
    if a.cls is not None and w["class"].lower() != a.cls.lower():
        return False
    if a.top and not w["is_top"] or a.child and w["is_top"]:
        return False
    if a.in_window is not None and (w["is_top"] or w["top_text"] != a.in_window):
        return False
    if a.hwnd is not None and int(w["hwnd"], 16) != int(a.hwnd, 16):
        return False
    for flag, key, want in ((a.visible, "visible", True), (a.hidden, "visible", False),
                            (a.focused, "focused", True), (a.enabled, "enabled", True),
                            (a.disabled, "enabled", False)):
        if flag and w[key] != want:
            return False
    if a.where is not None:
        try:
            return bool(eval(a.where, {}, {"w": w}))
        except (KeyError, TypeError, ValueError):
            return False
    return True


def main(argv):
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--json", help="read this file instead of stdin")
    p.add_argument("--text", help="text is exactly this")
    p.add_argument("--text-contains", help="text contains this")
    p.add_argument("--class", dest="cls", help="class name (any case)")
    p.add_argument("--top", action="store_true", help="top-level windows only")
    p.add_argument("--child", action="store_true", help="child controls only")
    p.add_argument("--in", dest="in_window", metavar="TEXT", help="children of a top-level window with this text")
    p.add_argument("--hwnd", help="this window handle (hex)")
    p.add_argument("--visible", action="store_true")
    p.add_argument("--hidden", action="store_true")
    p.add_argument("--focused", action="store_true")
    p.add_argument("--enabled", action="store_true")
    p.add_argument("--disabled", action="store_true")
    p.add_argument("--where", metavar="EXPR", help="Python expression over the window dict w")
    p.add_argument("--first", action="store_true", help="only the first match (Z order, parents before children)")
    p.add_argument("--get", metavar="FIELDS", help="comma-separated fields (dotted: rect.x) printed tab-separated")
    p.add_argument("--count", action="store_true", help="print the number of matches")
    a = p.parse_args(argv)

    try:
        doc = json.load(open(a.json, encoding="utf-8") if a.json else sys.stdin)
        found = [w for w in flatten(doc) if matches(w, a)]
    except (ValueError, KeyError, TypeError) as e:
        print("probe_query: bad probe output: %s" % e, file=sys.stderr)
        return 2
    except (NameError, SyntaxError, AttributeError) as e:
        print("probe_query: bad --where expression: %s" % e, file=sys.stderr)
        return 2
    if a.first:
        found = found[:1]
    if a.count:
        print(len(found))
        return 0
    for w in found:
        if a.get:
            try:
                print("\t".join(show(field(w, f)) for f in a.get.split(",")))
            except KeyError as e:
                print("probe_query: window %s has no field %s" % (w["hwnd"], e), file=sys.stderr)
                return 2
        else:
            print(json.dumps(w, ensure_ascii=False))
    return 0 if found else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
