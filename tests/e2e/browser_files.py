#!/usr/bin/env python3
"""The browsers' settings files as the browsers read them: a Chromium
profile's Preferences as parsed JSON (the order of its keys does not count),
a Firefox profile's prefs.js as its lines in order, each user_pref by its
name and parsed value.

    browser_files.py homepage FILE      sets the home page, an ordinary setting
    browser_files.py fonts FILE         prints the face every Bengali font is set
                                        to, "none" when none is and no record of
                                        Glyphor's is left, or else each of them
    browser_files.py fixed BEFORE AFTER FACE
        AFTER is BEFORE with its Bengali fonts set to FACE and records of
        Glyphor's added (entries whose names hold "glyphor"), nothing else;
        the home page set by the command above is still there
    browser_files.py same BEFORE AFTER  the browser reads both alike
    browser_files.py edit truncated|webkit-string|padded FILE

A comparison that fails says what differs and exits 1.
"""
import difflib
import json
import re
import sys

HOMEPAGE = "https://example.invalid/"
CHROMIUM_FONTS = [("webkit", "webprefs", "fonts", kind, "Beng") for kind in ("standard", "serif", "sansserif")]
FIREFOX_FONTS = [f"font.name.{kind}.x-beng" for kind in ("serif", "sans-serif")]
USER_PREF = re.compile(r'\s*user_pref\("((?:[^"\\]|\\.)*)",\s*(.*)\);\s*$')


def firefox(path):
    with open(path, "rb") as file:
        return not file.read(64).lstrip().startswith(b"{")


def entries(path):
    """(name, value) pairs: the JSON leaves by their paths, sorted, or the
    lines of prefs.js in order, a line that sets no pref by the name ""."""
    if firefox(path):
        with open(path, encoding="utf-8", newline="") as file:
            lines = file.read().splitlines()
        return [(pref[1], json.loads(pref[2])) if (pref := USER_PREF.match(line)) else ("", line)
                for line in lines]

    def leaves(value, name):
        if isinstance(value, dict) and value:
            for key, inner in value.items():
                yield from leaves(inner, name + (key,))
        else:
            yield name, value
    with open(path, encoding="utf-8") as file:
        return sorted(leaves(json.load(file), ()), key=lambda entry: entry[0])


def split(path):
    """The Bengali fonts, in a fixed order; Glyphor's records; the rest."""
    names = FIREFOX_FONTS if firefox(path) else CHROMIUM_FONTS
    fonts, records, rest = {}, [], []
    for name, value in entries(path):
        if name in names:
            fonts[name] = value
        elif "glyphor" in (json.dumps(name) if name else str(value)).lower():
            records.append((name, value))
        else:
            rest.append((name, value))
    return [fonts.get(name) for name in names], records, rest


def unchanged(before, after, what, path):
    if before == after:
        return True
    diff = difflib.unified_diff([repr(e)[:200] for e in before], [repr(e)[:200] for e in after], lineterm="", n=0)
    print(f"{path}: {what} changed:", *list(diff)[2:12], sep="\n  ")
    return False


def main(command, *files):
    path = files[-1]
    if command == "homepage" and firefox(path):
        with open(path, "a", encoding="utf-8") as file:
            file.write(f'user_pref("browser.startup.homepage", "{HOMEPAGE}");\n')
    elif command == "homepage":
        with open(path, encoding="utf-8") as file:
            settings = json.load(file)
        settings["homepage"] = HOMEPAGE
        with open(path, "w", encoding="utf-8") as file:
            json.dump(settings, file)
    elif command == "fonts":
        fonts, records, _ = split(path)
        if not records and fonts == [None] * len(fonts):
            print("none")
        elif len(set(fonts)) == 1 and fonts[0] is not None:
            print(fonts[0])
        else:
            print(fonts, "records:", records)
    elif command == "fixed":
        before, after, face = files
        fonts, _, rest = split(after)
        fonts_set = fonts == [face] * len(fonts)
        if not fonts_set:
            print(f"{after}: the Bengali fonts are {fonts}, not {face}")
        homepage = any(value == HOMEPAGE for name, value in rest if name in (("homepage",), "browser.startup.homepage"))
        if not homepage:
            print(f"{after}: the home page is not {HOMEPAGE}")
        return unchanged(split(before)[2], rest, "settings other than the Bengali fonts", after) and fonts_set and homepage
    elif command == "same":
        return unchanged(entries(files[0]), entries(path), "the settings", path)
    else:
        with open(path, "rb") as file:
            data = file.read()
        if files[0] == "truncated":
            data = data[: len(data) // 2]
        else:
            settings = json.loads(data)
            if files[0] == "webkit-string":
                settings["webkit"] = "x"
            else:  # padded: still valid, and more than 5 MB
                settings["proof_padding"] = ["x" * 1000] * 5300
            data = json.dumps(settings).encode()
        with open(path, "wb") as file:
            file.write(data)
    return True


if __name__ == "__main__":
    sys.exit(0 if main(sys.argv[1], *sys.argv[2:]) else 1)
