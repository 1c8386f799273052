#!/usr/bin/env python3
"""Assembles the browser page's static site from the sources.

The texts come from the window's translation files and the pictures from the
files the desktop program uses, so the site keeps no copy of either:

  lang/LANG.json   the page's texts in each language (frmMain, frmAbout and
                   the dialog buttons), keyed "source" or "source\\x04comment"
  icon-32.png,     the program icon, as drawn and enlarged six times for an
  icon-192.png     installed app's launcher
  picture.gif      the About picture's first frame alone: the window shows it
                   still, where a browser would play all four frames
  index.html       the page, told which languages there are
  sw.js            the service worker, with the list of files to keep offline
                   and a cache name that changes whenever one of them does

Usage: web_site.py --source REPO --module DIR --out DIR
"""

import argparse
import hashlib
import html
import json
import os
import re
import shutil
import struct
import sys
import xml.etree.ElementTree as ElementTree
import zlib

# The translation contexts the page shows, and the file sets they are in.
CONTEXTS = {"main": ["frmMain"], "about": ["frmAbout"], "shared": ["QPlatformTheme"]}
# Copied as they are, besides the module's two files.
STATIC_FILES = ["style.css", "numbers.js", "app.js", "manifest.webmanifest"]
MODULE_FILES = ["mensurex.js", "mensurex.wasm"]


def fail(message):
    sys.exit("web_site.py: " + message)


def message_key(source, comment):
    return source if not comment else source + "\x04" + comment


def read_languages(source):
    """(language, BCP 47 tag of its locale) pairs, from the one list."""
    languages = []
    with open(os.path.join(source, "translations", "LANGUAGES"), encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("#") or not line.strip():
                continue
            language, locale = line.split()
            languages.append((language, locale.replace("_", "-")))
    return languages


def read_texts(source, language):
    """The page's texts in one language; English ones are absent."""
    texts = {}
    for file_set, contexts in CONTEXTS.items():
        path = os.path.join(source, "translations", file_set, f"{file_set}_{language}.ts")
        root = ElementTree.parse(path).getroot()
        for context in root.iter("context"):
            name = context.findtext("name")
            if name not in contexts:
                continue
            table = texts.setdefault(name, {})
            for message in context.iter("message"):
                translation = message.find("translation")
                if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
                    continue
                if translation.text:
                    table[message_key(message.findtext("source"), message.findtext("comment"))] = translation.text
    return texts


def source_keys(source):
    """Every text the sources offer for translation, from the English side."""
    keys = {}
    for file_set, contexts in CONTEXTS.items():
        path = os.path.join(source, "translations", file_set, f"{file_set}_de.ts")
        for context in ElementTree.parse(path).getroot().iter("context"):
            name = context.findtext("name")
            if name in contexts:
                keys.setdefault(name, set()).update(
                    message_key(m.findtext("source"), m.findtext("comment")) for m in context.iter("message"))
    return keys


def check_page_texts(page, keys):
    """Every text the page asks for must be one the translators see."""
    for context, source, comment in re.findall(
            r'data-(main|about|shared)(?:-title|-label|-description)?="([^"]*)"(?: data-comment="([^"]*)")?', page):
        name = CONTEXTS[context][0]
        text = html.unescape(source)
        if message_key(text, comment) not in keys.get(name, set()):
            fail(f"the page's text {text!r} ({name}) is in no translation file")


def png(width, height, rgba_rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + bytes(row) for row in rgba_rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def xpm_pixels(path):
    """The XPM picture as rows of RGBA bytes."""
    with open(path, encoding="ascii") as text:
        strings = re.findall(r'"([^"]*)"', re.sub(r"/\*.*?\*/", "", text.read(), flags=re.S))
    width, height, colours, per_pixel = (int(value) for value in strings[0].split()[:4])
    palette = {}
    for line in strings[1:1 + colours]:
        chars, fields = line[:per_pixel], line[per_pixel:].split()
        value = fields[fields.index("c") + 1]
        palette[chars] = (0, 0, 0, 0) if value.lower() == "none" else tuple(bytes.fromhex(value[1:7])) + (255,)
    rows = []
    for line in strings[1 + colours:1 + colours + height]:
        row = []
        for column in range(width):
            row.extend(palette[line[column * per_pixel:(column + 1) * per_pixel]])
        rows.append(row)
    return width, height, rows


def enlarged(rows, factor):
    result = []
    for row in rows:
        wide = []
        for index in range(0, len(row), 4):
            wide.extend(row[index:index + 4] * factor)
        result.extend([wide] * factor)
    return result


def gif_first_frame(data):
    """The GIF with its first image alone and no looping block."""
    if data[:6] not in (b"GIF87a", b"GIF89a"):
        fail("the About picture is no GIF")
    flags = data[10]
    position = 13 + (3 << ((flags & 7) + 1) if flags & 0x80 else 0)
    kept = [data[:position]]
    control = b""
    while position < len(data):
        introducer = data[position]
        if introducer == 0x3B:
            break
        if introducer == 0x21:
            start, position = position, position + 2
            while data[position]:
                position += data[position] + 1
            position += 1
            if data[start + 1] == 0xF9:  # graphic control: the transparent colour
                control = data[start:position]
            continue
        if introducer != 0x2C:
            fail("the About picture has an unknown block")
        start = position
        local = data[position + 9]
        position += 10 + (3 << ((local & 7) + 1) if local & 0x80 else 0) + 1
        while data[position]:
            position += data[position] + 1
        kept += [control, data[start:position + 1]]
        break
    return b"".join(kept) + b";"


def write(path, data):
    with open(path, "wb") as out:
        out.write(data)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--module", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    web = os.path.join(args.source, "web")
    os.makedirs(os.path.join(args.out, "lang"), exist_ok=True)

    with open(os.path.join(web, "index.html"), encoding="utf-8") as page_file:
        page = page_file.read()
    check_page_texts(page, source_keys(args.source))

    languages = read_languages(args.source)
    for language, _ in languages:
        text = json.dumps(read_texts(args.source, language), ensure_ascii=False, separators=(",", ":"))
        write(os.path.join(args.out, "lang", language + ".json"), text.encode("utf-8"))
    listed = " ".join(f"{language}:{locale}" for language, locale in languages)
    page = page.replace("@LANGUAGES@", listed)
    write(os.path.join(args.out, "index.html"), page.encode("utf-8"))

    width, height, rows = xpm_pixels(os.path.join(args.source, "ui", "shared", "icon", "mensurex.xpm"))
    write(os.path.join(args.out, "icon-32.png"), png(width, height, rows))
    write(os.path.join(args.out, "icon-192.png"), png(width * 6, height * 6, enlarged(rows, 6)))
    with open(os.path.join(args.source, "ui", "about", "picture.gif"), "rb") as picture:
        write(os.path.join(args.out, "picture.gif"), gif_first_frame(picture.read()))

    for name in STATIC_FILES:
        shutil.copyfile(os.path.join(web, name), os.path.join(args.out, name))
    for name in MODULE_FILES:
        shutil.copyfile(os.path.join(args.module, name), os.path.join(args.out, name))

    # The files every offline visit needs; the worker keeps a language's
    # texts once they are used. The cache name covers every file.
    offline = ["./", "index.html"] + STATIC_FILES + MODULE_FILES + ["icon-32.png", "icon-192.png", "picture.gif"]
    digest = hashlib.sha256()
    for name in offline[1:] + [f"lang/{language}.json" for language, _ in languages]:
        with open(os.path.join(args.out, name), "rb") as part:
            digest.update(part.read())
    with open(os.path.join(web, "sw.js"), encoding="utf-8") as worker:
        script = worker.read()
    script = script.replace("@CACHE@", "mensurex-" + digest.hexdigest()[:16])
    script = script.replace("@FILES@", json.dumps(offline))
    write(os.path.join(args.out, "sw.js"), script.encode("utf-8"))


if __name__ == "__main__":
    main()
