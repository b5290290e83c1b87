#!/usr/bin/python3
# Turns the user guide (Markdown) into one HTML page for the Windows zip:
#   guide_html.py docs/使用说明.md OUT.html VERSION
# The pictures stay beside it in images/, as the guide links them. With
# --part it writes only the guide's body, without the pictures, for the
# browser page to carry inside its one file (the page is the screens
# themselves, and the pictures would more than double its size). Needs
# Debian's python3-markdown; headings get the same anchors as the guide's own
# table of contents uses (lower case, punctuation dropped, blanks to hyphens).
import re
import sys

import markdown
from markdown.extensions.toc import slugify_unicode

part = "--part" in sys.argv[1:]
source, target, version = [a for a in sys.argv[1:] if a != "--part"][:3]
with open(source, encoding="utf-8") as f:
    text = f.read()
if part:
    # Notes to the guide's maintainers are not for the reader; nor are the
    # pictures' links, which point to files the page does not carry.
    text = re.sub(r"<!--.*?-->", "", text, flags=re.S)
    text = re.sub(r"!\[[^\]]*\]\([^)]*\)", "", text)
body = markdown.markdown(
    text,
    extensions=["extra", "toc", "sane_lists"],
    extension_configs={"toc": {"slugify": slugify_unicode}},
)
if part:
    with open(target, "w", encoding="utf-8", newline="\n") as f:
        f.write(f'<p class="guide-version">Entalix {version}</p>\n{body}\n')
    sys.exit(0)
page = f"""<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>Entalix {version} 使用说明</title>
<style>
body {{ font-family: "SimSun", "宋体", "Microsoft YaHei", serif; max-width: 60em; margin: 2em auto; padding: 0 1em; line-height: 1.6; }}
img {{ max-width: 100%; border: 1px solid #ccc; }}
table {{ border-collapse: collapse; }}
th, td {{ border: 1px solid #999; padding: 0.2em 0.6em; overflow-wrap: anywhere; }}
pre, code {{ font-family: Consolas, "Courier New", monospace; background: #f4f4f4; }}
pre {{ padding: 0.5em; overflow-x: auto; }}
</style>
</head>
<body>
<p style="color:#666">Entalix {version}</p>
{body}
</body>
</html>
"""
with open(target, "w", encoding="utf-8", newline="\n") as f:
    f.write(page)
