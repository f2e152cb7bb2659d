#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds one language of the help file Kestrel_<language>.chm.

The sources of a language (ru/, en/) are HTML body fragments that start with
an <h1> heading: the guide pages (index.htm, draws.htm, ...) and one file per
statistic group in methods/, which holds the group's introduction and one
<section data-code="..."> per help topic. The tables of the worked examples
are kept once for every language in examples.htm. This script wraps every page in the
common head and navigation line, writes each method topic to the page the
program opens for it (Filters_1049_<help code>.htm), makes a page per group,
the contents and the index, encodes the pages in the language's code page,
checks the links between pages and compiles the project with chmcmd.
"""

import argparse
import html
import os
import re
import shutil
import struct
import subprocess
import sys

GROUPS = ["num", "sum", "dif", "grp", "mtx", "sgm", "seq", "rep", "ser", "per", "mov", "qrn", "shr"]

# Guide pages in the order of the contents; the groups follow "methods".
PAGES = ["index", "draws", "download", "statistics", "methods", "filters", "combinations",
         "stakes", "ratings", "regular", "scenarios", "systems", "views", "catalogue", "settings"]

LANGUAGES = {
    "RUS": {
        "folder": "ru", "lcid": "0x419 Russian", "encoding": "cp1251", "charset": "windows-1251",
        "title": "Pentad: анализ статистики лотереи \"Florida PICK 5\"",
        "home": "Начало", "methods": "Методы расчета статистики", "code": "Код",
        "group": "Группа", "flags": "Признаки", "none": "нет",
        "topics": "Методы группы:",
    },
    "ENU": {
        "folder": "en", "lcid": "0x409 English (United States)", "encoding": "ascii",
        "charset": "us-ascii",
        "title": "Pentad: statistics of the \"Florida PICK 5\" lottery",
        "home": "Start", "methods": "Statistic methods", "code": "Code",
        "group": "Group", "flags": "Flags", "none": "none",
        "topics": "Methods of the group:",
    },
}

TOPIC_PREFIX = "Filters_1049_"

# Captions of the 20 columns of the statistics table and of the draw number,
# for the example tables.
COLUMNS = {
    "RUS": ["Значение", "Количество", "Кол-во в %", "Норма", "Отклонение", "Откл-ие в %",
            "Глубина", "Глубина в %", "Вес", "Посл. тираж", "Период min", "Период",
            "Период max", "Ожд. ПРД", "Ожд. СТФ", "Ожд. КРН", "Факт", "+/- ПРД", "+/- СТФ",
            "+/- КРН"],
    "ENU": ["Value", "Count", "Count %", "Norm", "Deviation", "Deviation %", "Depth", "Depth %",
            "Weight", "Last draw", "Period min", "Period", "Period max", "Exp. PRD", "Exp. STF",
            "Exp. KRN", "Fact", "+/- PRD", "+/- STF", "+/- KRN"],
}
DRAW_WORD = {"RUS": "Тираж", "ENU": "Draw"}


class HelpError(Exception):
    pass


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def heading(fragment, where):
    m = re.search(r"<h1>(.*?)</h1>", fragment, re.S)
    if not m:
        raise HelpError(f"{where}: the page has no <h1> heading")
    return re.sub(r"<[^>]+>", "", m.group(1)).strip()


def plain(text):
    return html.unescape(re.sub(r"<[^>]+>", "", text)).strip()


class Page:
    def __init__(self, name, title, body, crumbs):
        self.name = name          # file name in the help file
        self.title = title        # plain text, entities kept
        self.body = body
        self.crumbs = crumbs      # [(file, text)] above the page
        self.children = []


def load_groups(source, lang):
    groups = []
    for code in GROUPS:
        path = os.path.join(source, "methods", code + ".htm")
        text = read(path)
        first = text.find("<section")
        intro = text if first < 0 else text[:first]
        title = heading(intro, path)
        topics = []
        for m in re.finditer(r"<section\s+([^>]*)>(.*?)</section>", text, re.S):
            attrs = dict(re.findall(r'([\w-]+)="([^"]*)"', m.group(1)))
            if "data-code" not in attrs or "data-flags" not in attrs:
                raise HelpError(f"{path}: a section lacks data-code or data-flags")
            topics.append((attrs, m.group(2).strip()))
        groups.append((code, title, intro.strip(), topics))
    return groups


def expand_tables(text, lang, where):
    """Turns the short forms of the example tables into HTML tables.

    <draws data-offset="1">5106: 2 3 4 7 6 | 5105: 9 4 7 1 1</draws> lists draws newest
    first (the first data-offset of them are hidden by the analysis offset);
    <rows data-method="NUMS" cols="0,1,6"> holds one line per table row with the cells
    of those columns separated by " | ". The tables keep their data- attributes, by which
    the tests recompute every example.
    """
    def draws(m):
        attrs = m.group(1)
        offset = int(dict(re.findall(r'([\w-]+)="([^"]*)"', attrs)).get("data-offset", "0"))
        out = [f'<table class="draws"{attrs}>',
               f"<tr><th>{DRAW_WORD[lang]}</th>" + "".join(f"<th>{i}</th>" for i in range(1, 6))
               + "</tr>"]
        for i, item in enumerate(x for x in m.group(2).split("|") if x.strip()):
            number, _, digits = item.partition(":")
            digits = digits.split()
            if not number.strip().isdigit() or len(digits) != 5:
                raise HelpError(f"{where}: bad draw in an example: {item.strip()}")
            css = ' class="hidden"' if i < offset else ""
            out.append(f"<tr{css}><td>{number.strip()}</td>"
                       + "".join(f"<td>{d}</td>" for d in digits) + "</tr>")
        out.append("</table>")
        return "\n".join(out)

    def rows(m):
        attrs = dict(re.findall(r'([\w-]+)="([^"]*)"', m.group(1)))
        if "cols" not in attrs or "data-method" not in attrs:
            raise HelpError(f"{where}: an example table lacks cols or data-method")
        cols = [int(c) for c in attrs.pop("cols").split(",")]
        kept = "".join(f' {k}="{v}"' for k, v in attrs.items())
        out = [f'<table class="rows"{kept}>',
               "<tr>" + "".join(f'<th data-col="{c}">{html.escape(COLUMNS[lang][c], quote=False)}'
                                f"</th>" for c in cols) + "</tr>"]
        for line in m.group(2).strip().splitlines():
            if not line.strip():
                continue
            cells = [c.strip() for c in line.split("|")]
            if len(cells) != len(cols):
                raise HelpError(f"{where}: {len(cells)} cells for {len(cols)} columns: {line}")
            out.append("<tr>" + "".join(f"<td>{html.escape(c, quote=False)}</td>" for c in cells)
                       + "</tr>")
        out.append("</table>")
        return "\n".join(out)

    text = re.sub(r"<draws([^>]*)>(.*?)</draws>", draws, text, flags=re.S)
    return re.sub(r"<rows([^>]*)>(.*?)</rows>", rows, text, flags=re.S)


def load_examples(source):
    """The named draws and rows tables of examples.htm, shared by every language."""
    path = os.path.join(source, "examples.htm")
    tables = {"draws": {}, "rows": {}}
    for m in re.finditer(r'<(draws|rows)\s+id="([^"]+)"([^>]*)>(.*?)</\1>', read(path), re.S):
        kind, name, attrs, body = m.groups()
        if name in tables[kind]:
            raise HelpError(f"{path}: two {kind} tables named {name}")
        tables[kind][name] = f"<{kind}{attrs}>{body}</{kind}>"
    return tables


def insert_examples(text, examples, where):
    """Puts the shared tables in place of <draws ref="NAME"/> and <rows ref="NAME"/>."""
    def put(m):
        table = examples[m.group(1)].get(m.group(2))
        if table is None:
            raise HelpError(f"{where}: no example {m.group(1)} named {m.group(2)}")
        return table
    return re.sub(r'<(draws|rows) ref="([^"]+)"/>', put, text)


def topic_page(lang, group_code, group_title, group_file, attrs, body, examples):
    words = LANGUAGES[lang]
    code = attrs["data-code"]
    title = heading(body, code)
    shown = attrs.get("data-codes", code)
    flags = attrs["data-flags"] or words["none"]
    meta = (f'<p class="meta">{words["code"]}: <b>{shown}</b> &middot; {words["group"]}: '
            f'<a href="{group_file}">{{ {group_code} }} {group_title}</a> &middot; '
            f'{words["flags"]}: <span class="flags">{flags}</span></p>')
    body = insert_examples(body.replace("</h1>", "</h1>\n" + meta, 1), examples, code)
    body = expand_tables(body, lang, code)
    crumbs = [("index.htm", words["home"]), ("methods.htm", words["methods"]),
              (group_file, f"{{ {group_code} }} {group_title}")]
    return Page(TOPIC_PREFIX + code + ".htm", f"{shown} &mdash; {title}", body, crumbs)


def build_pages(source, lang):
    words = LANGUAGES[lang]
    examples = load_examples(os.path.dirname(os.path.normpath(source)))
    home = [("index.htm", words["home"])]
    pages = []
    for name in PAGES:
        path = os.path.join(source, name + ".htm")
        body = read(path)
        body = expand_tables(insert_examples(body, examples, path), lang, path)
        pages.append(Page(name + ".htm", heading(body, path), body, [] if name == "index" else home))
    methods = next(p for p in pages if p.name == "methods.htm")
    groups = load_groups(source, lang)
    listing = ['<ul class="groups">']
    for code, title, intro, topics in groups:
        group_file = f"group_{code}.htm"
        items = ['<ul class="topics">']
        group = Page(group_file, f"{{ {code} }} {title}", "",
                     home + [("methods.htm", words["methods"])])
        for attrs, body in topics:
            page = topic_page(lang, code, title, group_file, attrs, body, examples)
            group.children.append(page)
            items.append(f'<li><a href="{page.name}">{attrs.get("data-codes", attrs["data-code"])}</a>'
                         f' &mdash; {heading(body, attrs["data-code"])}</li>')
        items.append("</ul>")
        heading_line = f"<h1>{{ {code} }} {title}</h1>"
        group.body = (re.sub(r"<h1>.*?</h1>", lambda _: heading_line, intro, count=1, flags=re.S)
                      + f'\n<h2>{words["topics"]}</h2>\n' + "\n".join(items))
        methods.children.append(group)
        listing.append(f'<li><a href="{group_file}">{{ {code} }} {title}</a> ({len(topics)})</li>')
    listing.append("</ul>")
    if "<!-- groups -->" not in methods.body:
        raise HelpError("methods.htm: the place of the group list (<!-- groups -->) is missing")
    methods.body = methods.body.replace("<!-- groups -->", "\n".join(listing))
    return pages


def walk(pages):
    for page in pages:
        yield page
        yield from walk(page.children)


def render(page, lang):
    words = LANGUAGES[lang]
    nav = ""
    if page.crumbs:
        nav = '<p class="nav">' + " &rsaquo; ".join(
            f'<a href="{f}">{t}</a>' for f, t in page.crumbs) + "</p>\n"
    return ("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n<html>\n<head>\n"
            f'<meta http-equiv="Content-Type" content="text/html; charset={words["charset"]}">\n'
            f"<title>{page.title}</title>\n"
            '<link rel="stylesheet" type="text/css" href="help.css">\n'
            f"</head>\n<body>\n{nav}{page.body}\n</body>\n</html>\n")


def check_links(pages):
    names = {p.name for p in walk(pages)} | {"help.css"}
    missing = []
    for page in walk(pages):
        for target in re.findall(r'href="([^"#:]+)(?:#[^"]*)?"', page.body):
            if target not in names:
                missing.append(f"{page.name} -> {target}")
    if missing:
        raise HelpError("links to missing pages:\n  " + "\n  ".join(missing))


def sitemap(pages, lang):
    words = LANGUAGES[lang]

    def items(level, indent):
        out = [indent + "<UL>"]
        for p in level:
            name = html.escape(plain(p.title), quote=True)
            out.append(f'{indent} <LI><OBJECT type="text/sitemap"><param name="Name" value="{name}">'
                       f'<param name="Local" value="{p.name}"></OBJECT>')
            if p.children:
                out.extend(items(p.children, indent + "  "))
        out.append(indent + "</UL>")
        return out

    head = ('<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">\n<HTML>\n<HEAD>\n'
            f'<meta http-equiv="Content-Type" content="text/html; charset={words["charset"]}">\n'
            "</HEAD>\n<BODY>\n")
    return head + "\n".join(items(pages, "")) + "\n</BODY>\n</HTML>\n"


def index(pages, lang):
    flat = sorted(walk(pages), key=lambda p: plain(p.title).lower())
    words = LANGUAGES[lang]
    out = ['<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">', "<HTML>", "<HEAD>",
           f'<meta http-equiv="Content-Type" content="text/html; charset={words["charset"]}">',
           "</HEAD>", "<BODY>", "<UL>"]
    for p in flat:
        name = html.escape(plain(p.title), quote=True)
        out.append(f'<LI><OBJECT type="text/sitemap"><param name="Name" value="{name}">'
                   f'<param name="Local" value="{p.name}"></OBJECT>')
    out += ["</UL>", "</BODY>", "</HTML>", ""]
    return "\n".join(out)


def write(path, text, encoding):
    with open(path, "wb") as f:
        f.write(text.replace("\n", "\r\n").encode(encoding, errors="xmlcharrefreplace"))


def fix_listing_head(path):
    """Points the directory header of a compiled file at its first listing chunk.

    chmcmd records the number of the last listing chunk as the first one, so readers
    that list the stored files (rather than look one up) miss every page kept in the
    earlier chunks.
    """
    with open(path, "rb") as f:
        data = bytearray(f.read())
    if data[:4] != b"ITSF":
        raise HelpError(f"{path} is not a compiled help file")
    directory, length = struct.unpack_from("<QQ", data, 0x48)
    if data[directory:directory + 4] != b"ITSP":
        raise HelpError(f"{path} has no directory header")
    header_length = struct.unpack_from("<I", data, directory + 0x08)[0]
    chunk_length = struct.unpack_from("<I", data, directory + 0x10)[0]
    first = None
    for k in range((length - header_length) // chunk_length):
        at = directory + header_length + k * chunk_length
        if data[at:at + 4] == b"PMGL" and struct.unpack_from("<i", data, at + 0x0C)[0] == -1:
            first = k
            break
    if first is None:
        raise HelpError(f"{path} has no listing chunk")
    if struct.unpack_from("<i", data, directory + 0x20)[0] != first:
        struct.pack_into("<i", data, directory + 0x20, first)
        with open(path, "wb") as f:
            f.write(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lang", required=True, choices=sorted(LANGUAGES))
    parser.add_argument("--source", required=True, help="the folder docs/help")
    parser.add_argument("--work", required=True, help="a folder for the project")
    parser.add_argument("--chmcmd", required=True)
    parser.add_argument("--output", required=True, help="the compiled file")
    args = parser.parse_args()
    words = LANGUAGES[args.lang]
    try:
        pages = build_pages(os.path.join(args.source, words["folder"]), args.lang)
        check_links(pages)
    except (HelpError, OSError) as e:
        print(f"build_help: {e}", file=sys.stderr)
        return 1
    if os.path.isdir(args.work):
        shutil.rmtree(args.work)
    os.makedirs(args.work)
    encoding = words["encoding"]
    files = ["help.css"]
    shutil.copyfile(os.path.join(args.source, "help.css"), os.path.join(args.work, "help.css"))
    for page in walk(pages):
        write(os.path.join(args.work, page.name), render(page, args.lang), encoding)
        files.append(page.name)
    write(os.path.join(args.work, "toc.hhc"), sitemap(pages, args.lang), encoding)
    write(os.path.join(args.work, "index.hhk"), index(pages, args.lang), encoding)
    compiled = f"Kestrel_{args.lang}.chm"
    project = "\n".join([
        "[OPTIONS]", "Compatibility=1.1 or later", f"Compiled file={compiled}",
        "Contents file=toc.hhc", "Index file=index.hhk", "Default topic=index.htm",
        "Display compile progress=No", "Full-text search=Yes", f"Language={words['lcid']}",
        f"Title={words['title']}", "", "[FILES]", *files, ""])
    write(os.path.join(args.work, "project.hhp"), project, encoding)
    run = subprocess.run([args.chmcmd, "--no-html-scan", "project.hhp"], cwd=args.work,
                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                         errors="replace")
    built = os.path.join(args.work, compiled)
    if run.returncode != 0 or not os.path.isfile(built):
        print(run.stdout, file=sys.stderr)
        print(f"build_help: chmcmd failed to compile {compiled}", file=sys.stderr)
        return 1
    try:
        fix_listing_head(built)
    except (HelpError, struct.error) as e:
        print(f"build_help: {e}", file=sys.stderr)
        return 1
    os.makedirs(os.path.dirname(os.path.abspath(args.output)), exist_ok=True)
    shutil.copyfile(built, args.output)
    return 0


if __name__ == "__main__":
    sys.exit(main())
