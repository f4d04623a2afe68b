#!/usr/bin/python3
"""Makes help.htm from the Japanese guide: one self-contained page (styles inline, pictures as data:
URIs, no network), with a table of contents, for the browsers of Windows 10 and 11, printable, in the
system's high contrast and dark colours. The same guide gives the same bytes.

Usage: help_page.py docs/guide-ja.md help.htm
"""
import base64
import html
import pathlib
import re
import sys

import markdown

STYLE = """
:root { color-scheme: light dark; --text: #1b1b1b; --back: #ffffff; --soft: #f3f5f8; --line: #c8ced6; --link: #0b57c2; }
@media (prefers-color-scheme: dark) {
  :root { --text: #e6e6e6; --back: #1c1d20; --soft: #2a2c31; --line: #4a4e57; --link: #8ab4ff; }
}
html { background: var(--back); color: var(--text); }
body { margin: 0 auto; max-width: 52rem; padding: 1.5rem 1.25rem 3rem; line-height: 1.7;
  font-family: "Yu Gothic UI", "Meiryo UI", Meiryo, "MS UI Gothic", sans-serif; font-size: 1rem; }
h1 { font-size: 1.7rem; border-bottom: 3px solid #1f4fa0; padding-bottom: .3rem; }
h2 { font-size: 1.35rem; margin-top: 2.2rem; border-bottom: 1px solid var(--line); padding-bottom: .2rem; }
h3 { font-size: 1.1rem; margin-top: 1.6rem; }
a { color: var(--link); }
code { font-family: Consolas, "MS Gothic", monospace; background: var(--soft); padding: 0 .25em; border-radius: 3px; }
pre { background: var(--soft); padding: .6rem .8rem; overflow-x: auto; border-radius: 4px; }
pre code { padding: 0; }
table { border-collapse: collapse; margin: 1rem 0; }
th, td { border: 1px solid var(--line); padding: .3rem .6rem; vertical-align: top; text-align: left; }
th { background: var(--soft); }
img { max-width: 100%; height: auto; image-rendering: pixelated; border: 1px solid var(--line); }
nav.toc { background: var(--soft); border: 1px solid var(--line); border-radius: 4px; padding: .5rem 1.2rem; }
nav.toc ul { margin: .2rem 0; padding-left: 1.2rem; }
nav.toc > ul { padding-left: .4rem; list-style: none; }
@media (forced-colors: active) {
  html, body, nav.toc, th, code, pre { background: Canvas; color: CanvasText; forced-color-adjust: auto; }
  th, td, img, nav.toc, h1, h2 { border-color: CanvasText; }
  a { color: LinkText; }
}
@media print {
  :root { --text: #000; --back: #fff; --soft: #fff; --line: #888; --link: #000; }
  body { max-width: none; padding: 0; font-size: 10.5pt; }
  nav.toc { break-after: page; }
  h2, h3 { break-after: avoid; }
  table, img, pre { break-inside: avoid; }
  a { text-decoration: none; }
}
"""


def inline_pictures(body: str, folder: pathlib.Path) -> str:
    """Every picture beside the guide goes into the page, so nothing need sit beside help.htm."""
    def data_uri(match: re.Match) -> str:
        data = base64.b64encode((folder / html.unescape(match.group(1))).read_bytes()).decode("ascii")
        return f'src="data:image/png;base64,{data}"'
    return re.sub(r'src="([^":]+\.png)"', data_uri, body)


def main() -> None:
    guide, page = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    converter = markdown.Markdown(extensions=["tables", "fenced_code", "toc"],
                                  extension_configs={"toc": {"toc_depth": "2-3", "title": "目次"}})
    body = inline_pictures(converter.convert(guide.read_text(encoding="utf-8")), guide.parent)
    title = re.search(r"<h1[^>]*>(.*?)</h1>", body).group(1)
    # The contents go after the first heading and its introduction, before the first section.
    toc = converter.toc.replace('<div class="toc">', '<nav class="toc" aria-label="目次">', 1)
    toc = re.sub(r"</div>\s*$", "</nav>", toc.strip())
    first_section = body.index("<h2")
    body = body[:first_section] + toc + "\n" + body[first_section:]
    page.write_text(
        "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<meta name=\"color-scheme\" content=\"light dark\">\n"
        f"<title>{re.sub(r'<[^>]+>', '', title)}</title>\n<style>{STYLE}</style>\n</head>\n<body>\n"
        f"{body}\n</body>\n</html>\n", encoding="utf-8", newline="\r\n")


if __name__ == "__main__":
    main()
