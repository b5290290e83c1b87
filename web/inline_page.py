#!/usr/bin/env python3
"""Makes entalix.html one file: the page's style, its script, the user guide
(HTML) and the core (WebAssembly inside its loader, as base64) put inline.
    inline_page.py <page folder> <entalix-core.js> <guide part> <entalix.html>"""
import pathlib
import sys

page, core, guide, out = (pathlib.Path(a) for a in sys.argv[1:5])


def script(text):
    # "</script" inside a script would end it early.
    return text.replace("</script", "<\\/script")


html = (page / "entalix.html").read_text(encoding="utf-8")
parts = {
    "/*@STYLE@*/": (page / "entalix.css").read_text(encoding="utf-8"),
    "/*@CORE@*/": script(core.read_text(encoding="utf-8")),
    "/*@SCRIPT@*/": script((page / "entalix.js").read_text(encoding="utf-8")),
    # Inside a <template>: parsed only when the guide is opened.
    "<!--@GUIDE@-->": guide.read_text(encoding="utf-8").replace("</template", "&lt;/template"),
}
for mark, text in parts.items():
    if html.count(mark) != 1:
        sys.exit(f"inline_page.py: {mark} must stand once in entalix.html")
    before, after = html.split(mark)
    html = before + text + after
out.write_text(html, encoding="utf-8")
