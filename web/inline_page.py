#!/usr/bin/env python3
"""Makes entalix.html one file: the page's style, its script and the core
(WebAssembly inside its loader, as base64) put inline.
    inline_page.py <page folder> <entalix-core.js> <entalix.html>"""
import pathlib
import sys

page, core, out = (pathlib.Path(a) for a in sys.argv[1:4])


def script(text):
    # "</script" inside a script would end it early.
    return text.replace("</script", "<\\/script")


html = (page / "entalix.html").read_text(encoding="utf-8")
parts = {
    "/*@STYLE@*/": (page / "entalix.css").read_text(encoding="utf-8"),
    "/*@CORE@*/": script(core.read_text(encoding="utf-8")),
    "/*@SCRIPT@*/": script((page / "entalix.js").read_text(encoding="utf-8")),
}
for mark, text in parts.items():
    if html.count(mark) != 1:
        sys.exit(f"inline_page.py: {mark} must stand once in entalix.html")
    before, after = html.split(mark)
    html = before + text + after
out.write_text(html, encoding="utf-8")
