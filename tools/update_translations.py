#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Brings translations/kel_<lang>.ts up to date with the texts in src/.

Runs lupdate over src/ (obsolete entries dropped, no source locations, so that moving a text
between files or classes changes nothing but its context), then fills every message from the
language's dictionary translations/dict/<lang>.tsv, keyed by the English text. The dictionary
is the master copy: a translation edited in a .ts file by hand is overwritten by the
dictionary's when both exist.

Every translated text is also written once more into the context "SourceText", which the
program consults when a lookup in the text's own context finds nothing: a text whose tr()
context at run time differs from the one lupdate saw (a tr() helper outside a Q_OBJECT class,
say) is still translated.

    tools/update_translations.py            update all languages, list what is missing
    tools/update_translations.py --missing  only list the texts with no dictionary entry
    tools/update_translations.py --check    exit 1 if an update would change a .ts file

Dictionary lines: English text, a tab, the translation; optionally a tab and the
disambiguation comment the entry is for, or "@" and the tr() context it is for (a caption that
must be shorter in one window than elsewhere). In both fields \\n, \\t and \\\\ stand for a newline,
a tab and a backslash. Lines starting with # and empty lines are ignored.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LANGUAGES = ["de", "fr", "es", "pt_BR"]
TS_DIR = os.path.join(ROOT, "translations")
DICT_DIR = os.path.join(TS_DIR, "dict")


def find_lupdate():
    for candidate in (os.environ.get("LUPDATE"), "/usr/lib/qt6/bin/lupdate",
                      shutil.which("lupdate6"), shutil.which("lupdate")):
        if candidate and os.path.exists(candidate):
            return candidate
    sys.exit("lupdate not found (Debian: qt6-l10n-tools); set LUPDATE to its path")


def unescape(text):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            nxt = text[i + 1]
            out.append({"n": "\n", "t": "\t", "\\": "\\"}.get(nxt, "\\" + nxt))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def read_dictionary(lang):
    """Returns {(source, comment, context): translation}; "" applies to any."""
    path = os.path.join(DICT_DIR, lang + ".tsv")
    entries = {}
    if not os.path.exists(path):
        return entries
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) not in (2, 3):
                sys.exit(f"{path}:{number}: expected 2 or 3 tab-separated fields")
            source = unescape(fields[0])
            qualifier = unescape(fields[2]) if len(fields) == 3 else ""
            if qualifier.startswith("@"):
                key = (source, "", qualifier[1:])
            else:
                key = (source, qualifier, "")
            if key in entries:
                sys.exit(f"{path}:{number}: {fields[0]!r} appears twice")
            entries[key] = unescape(fields[1])
    return entries


def run_lupdate(lupdate, ts_path, lang):
    subprocess.run([lupdate, "-silent", "-recursive", os.path.join(ROOT, "src"),
                    "-extensions", "cpp,h", "-source-language", "en",
                    "-target-language", lang, "-locations", "none", "-no-obsolete",
                    "-ts", ts_path], check=True)


ANY_CONTEXT = "SourceText"


def fill(ts_path, dictionary):
    """Fills the messages of one .ts file; returns the sources it found no translation for."""
    tree = ET.parse(ts_path)
    root = tree.getroot()
    for context in list(root.iter("context")):
        if context.findtext("name") == ANY_CONTEXT:
            root.remove(context)
    missing = []
    by_source = {}
    for context in root.iter("context"):
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            comment = message.findtext("comment") or ""
            translation = message.find("translation")
            if translation is None:
                translation = ET.SubElement(message, "translation")
            if message.get("numerus") == "yes":
                missing.append((context.findtext("name"), source, comment))
                continue
            name = context.findtext("name") or ""
            text = next((dictionary[k] for k in ((source, comment, name), (source, "", name),
                                                 (source, comment, ""), (source, "", ""))
                         if k in dictionary), None)
            if text is None:
                missing.append((context.findtext("name"), source, comment))
                continue
            translation.text = text
            translation.attrib.pop("type", None)
            if (source, comment) not in by_source or (source, "", name) not in dictionary:
                by_source[(source, comment)] = text
    if by_source:
        any_context = ET.SubElement(root, "context")
        ET.SubElement(any_context, "name").text = ANY_CONTEXT
        for (source, comment), text in sorted(by_source.items()):
            message = ET.SubElement(any_context, "message")
            ET.SubElement(message, "source").text = source
            if comment:
                ET.SubElement(message, "comment").text = comment
            ET.SubElement(message, "translation").text = text
    ET.indent(tree, space="    ")
    body = ET.tostring(tree.getroot(), encoding="unicode")
    with open(ts_path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n")
    return missing


def greedy_escapes():
    """Texts where lupdate would read a \\u escape differently from the compiler."""
    import re
    pattern = re.compile(r'(?:tr|translate)\([^;]*?\\u[0-9a-fA-F]{4}[0-9a-fA-F]')
    found = []
    for folder, _, files in os.walk(os.path.join(ROOT, "src")):
        for name in files:
            if name.endswith((".cpp", ".h")):
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8") as f:
                    for number, line in enumerate(f, 1):
                        if pattern.search(line):
                            found.append(f"{os.path.relpath(path, ROOT)}:{number}")
    return found


def update(lang, lupdate, target_dir):
    ts_path = os.path.join(target_dir, f"kel_{lang}.ts")
    original = os.path.join(TS_DIR, f"kel_{lang}.ts")
    if target_dir != TS_DIR and os.path.exists(original):
        shutil.copyfile(original, ts_path)
    run_lupdate(lupdate, ts_path, lang)
    return fill(ts_path, read_dictionary(lang))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--missing", action="store_true",
                        help="list the texts without a dictionary entry, change nothing")
    parser.add_argument("--check", action="store_true",
                        help="exit 1 if an update would change a .ts file")
    parser.add_argument("languages", nargs="*", default=LANGUAGES)
    args = parser.parse_args()
    lupdate = find_lupdate()
    status = 0
    for place in greedy_escapes():
        print(f"{place}: a \\u escape followed by a hex digit inside a translated text; lupdate "
              "reads every hex digit that follows, so the text will not be found at run time. "
              "Write the character itself or end the literal after the escape.", file=sys.stderr)
    with tempfile.TemporaryDirectory() as scratch:
        for lang in args.languages:
            target = scratch if (args.missing or args.check) else TS_DIR
            missing = update(lang, lupdate, target)
            for context, source, comment in missing:
                note = f"\t{escape(comment)}" if comment else ""
                print(f"{lang}\t{context}\t{escape(source)}{note}")
            if args.check:
                original = os.path.join(TS_DIR, f"kel_{lang}.ts")
                with open(os.path.join(scratch, f"kel_{lang}.ts"), encoding="utf-8") as a:
                    fresh = a.read()
                current = open(original, encoding="utf-8").read() if os.path.exists(
                    original) else ""
                if fresh != current:
                    print(f"{lang}: translations/kel_{lang}.ts is out of date", file=sys.stderr)
                    status = 1
            if missing:
                print(f"{lang}: {len(missing)} text(s) without a translation", file=sys.stderr)
                status = 1 if args.check else status
    return status


if __name__ == "__main__":
    sys.exit(main())
