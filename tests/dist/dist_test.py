#!/usr/bin/env python3
"""make dist, read back: the zip's files, stripped programs of both widths,
SHA256SUMS and both manifests agreeing with the zip, and the same zip from
a second run.

    dist_test.py SCRIPTS_DIST OUTPUT_DIR VERSION
"""
import hashlib
import json
import struct
import subprocess
import sys
import unittest
import zipfile
from pathlib import Path

import yaml

DIST, OUT, VERSION = sys.argv[1], Path(sys.argv[2]), sys.argv[3]
BASE = f"glyphor-{VERSION}"
ZIP = OUT / f"{BASE}.zip"
WINGET = OUT / "winget" / "manifests" / "o" / "Orrinel" / "Glyphor" / VERSION
MACHINES = {"win64": 0x8664, "win32": 0x14C}


def sha256(data):
    return hashlib.sha256(data).hexdigest()


def machine_and_symbols(program):
    """The machine and the number of symbols, from the PE file header."""
    pe = struct.unpack_from("<I", program, 0x3C)[0]
    assert program[pe:pe + 4] == b"PE\0\0"
    machine, _, _, _, symbols = struct.unpack_from("<HHIII", program, pe + 4)
    return machine, symbols


class Dist(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        subprocess.run([DIST, str(OUT)], check=True, stdout=subprocess.DEVNULL)
        cls.zip_bytes = ZIP.read_bytes()
        cls.archive = zipfile.ZipFile(ZIP)

    def test_the_zip_holds_both_programs_in_both_widths_the_readme_and_the_licence(self):
        self.assertEqual(sorted(self.archive.namelist()), sorted([
            f"{BASE}/README.md", f"{BASE}/LICENSE.txt",
            f"{BASE}/win64/glyphor.exe", f"{BASE}/win64/glyphor-cli.exe",
            f"{BASE}/win32/glyphor.exe", f"{BASE}/win32/glyphor-cli.exe"]))
        self.assertIsNone(self.archive.testzip())

    def test_each_program_is_stripped_and_of_its_width(self):
        for width, machine in MACHINES.items():
            for program in ("glyphor.exe", "glyphor-cli.exe"):
                with self.subTest(width=width, program=program):
                    self.assertEqual(machine_and_symbols(self.archive.read(f"{BASE}/{width}/{program}")), (machine, 0))

    def test_sha256sums_match_the_zip_and_its_programs(self):
        lines = (OUT / "SHA256SUMS").read_text().splitlines()
        self.assertEqual(len(lines), 5)
        for line in lines:
            digest, name = line.split("  ", 1)
            data = self.zip_bytes if name == ZIP.name else self.archive.read(name)
            self.assertEqual(digest, sha256(data), name)
        self.assertEqual(lines[0].split("  ")[1], ZIP.name)

    def test_the_winget_manifests_carry_the_zips_hash_and_its_paths(self):
        manifests = {path.name: yaml.safe_load(path.read_text(encoding="utf-8")) for path in WINGET.iterdir()}
        self.assertEqual(sorted(manifests), ["Orrinel.Glyphor.installer.yaml", "Orrinel.Glyphor.locale.en-US.yaml",
                                             "Orrinel.Glyphor.yaml"])
        for manifest in manifests.values():
            self.assertEqual(manifest["PackageIdentifier"], "Orrinel.Glyphor")
            self.assertEqual(str(manifest["PackageVersion"]), VERSION)
        installer = manifests["Orrinel.Glyphor.installer.yaml"]
        self.assertEqual(installer["InstallerType"], "zip")
        self.assertEqual(sorted(i["Architecture"] for i in installer["Installers"]), ["x64", "x86"])
        for entry in installer["Installers"]:
            self.assertEqual(entry["InstallerSha256"], sha256(self.zip_bytes).upper())
            self.assertTrue(entry["InstallerUrl"].endswith(f"/{ZIP.name}"))
            for nested in entry["NestedInstallerFiles"]:
                self.assertIn(nested["RelativeFilePath"].replace("\\", "/"), self.archive.namelist())

    def test_the_scoop_manifest_carries_the_zips_hash_and_its_paths(self):
        manifest = json.loads((OUT / "scoop" / "glyphor.json").read_text(encoding="utf-8"))
        self.assertEqual(manifest["version"], VERSION)
        self.assertEqual(manifest["hash"], sha256(self.zip_bytes))
        self.assertTrue(manifest["url"].endswith(f"/{ZIP.name}"))
        self.assertEqual(sorted(manifest["architecture"]), ["32bit", "64bit"])
        for architecture in manifest["architecture"].values():
            for program in (manifest["bin"], manifest["shortcuts"][0][0]):
                self.assertIn(f"{architecture['extract_dir']}/{program}", self.archive.namelist())

    def test_a_second_run_gives_the_same_zip(self):
        again = OUT.with_name(OUT.name + "-again")
        subprocess.run([DIST, str(again)], check=True, stdout=subprocess.DEVNULL)
        self.assertEqual(sha256((again / ZIP.name).read_bytes()), sha256(self.zip_bytes))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
