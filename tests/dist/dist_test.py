#!/usr/bin/env python3
"""make dist, read back: the zip's files, stripped programs of both widths,
SHA256SUMS and both manifests agreeing with the zip and valid by the
published schemas; the same bytes from a copy of the source built from
nothing in another folder; and every program signed when a certificate is
given.

    dist_test.py SCRIPTS_DIST OUTPUT_DIR VERSION
"""
import hashlib
import json
import os
import re
import shutil
import stat
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile
from array import array
from pathlib import Path

import jsonschema
import yaml

DIST, OUT, VERSION = Path(sys.argv[1]), Path(sys.argv[2]), sys.argv[3]
SOURCE = DIST.resolve().parent.parent
SCHEMAS = Path(__file__).resolve().parent / "schemas"
BASE = f"glyphor-{VERSION}"
ZIP_NAME = f"{BASE}.zip"
WINGET = Path("winget") / "manifests" / "o" / "Orrinel" / "Glyphor" / VERSION
MACHINES = {"win64": 0x8664, "win32": 0x14C}
PROGRAMS = [f"{BASE}/{width}/{program}" for width in MACHINES for program in ("glyphor.exe", "glyphor-cli.exe")]
WHEN = 1765000000  # 2025-12-06 05:46:40 UTC
ADDRESSES = {
    "RELEASE_URL": "https://downloads.example.org/glyphor/v{version}",
    "HOMEPAGE_URL": "https://glyphor.example.org",
    "PUBLISHER_URL": "https://orrinel.example.org",
    "LICENSE_URL": "https://glyphor.example.org/licence",
    "RELEASE_NOTES_URL": "https://glyphor.example.org/notes/{version}",
    "LATEST_URL": "https://glyphor.example.org/download",
}
RELEASE_FOLDER = f"https://downloads.example.org/glyphor/v{VERSION}"
# What the installation notes must tell a user, each in words a user reads.
NOTES = {"administrator rights": "administrator", "a restart": "restart",
         "Restore before uninstalling": "glyphor-cli restore --reinstall-vrinda"}


def sha256(data):
    return hashlib.sha256(data).hexdigest()


def environment(**changes):
    env = {**os.environ, **ADDRESSES, "SOURCE_DATE_EPOCH": str(WHEN)}
    for name in ("SIGN_PFX", "SIGN_PASS", "SIGN_PASS_FILE", "SIGN_TIMESTAMP_URL"):
        env.pop(name, None)
    env.update(changes)
    return {name: value for name, value in env.items() if value is not None}


def run_dist(script, out, **changes):
    """scripts/dist into out; its standard output."""
    return subprocess.run([str(script), str(out)], env=environment(**changes), check=True,
                          capture_output=True, text=True).stdout


def pe_header(program):
    """The machine, the number of symbols, the time stamp and the checksum
    field, from the PE headers."""
    pe = struct.unpack_from("<I", program, 0x3C)[0]
    assert program[pe:pe + 4] == b"PE\0\0"
    machine, _, stamp, _, symbols = struct.unpack_from("<HHIII", program, pe + 4)
    return machine, symbols, stamp, struct.unpack_from("<I", program, pe + 88)[0]


def pe_checksum(program):
    """The checksum Windows computes over an image: its 16-bit words added
    with end-around carry, leaving out the checksum field, plus its length."""
    field = struct.unpack_from("<I", program, 0x3C)[0] + 88
    words = array("H", program[:field] + program[field + 4:] + b"\0" * (len(program) % 2))
    total = sum(words)
    while total >> 16:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(program)


def schema(name):
    return json.loads((SCHEMAS / name).read_text(encoding="utf-8"))


def schema_errors(document, name):
    checker = jsonschema.validators.validator_for(schema(name))
    validator = checker(schema(name), format_checker=jsonschema.FormatChecker())
    return [f"{'/'.join(map(str, error.absolute_path))}: {error.message}" for error in validator.iter_errors(document)]


def copy_source(target):
    """The source as git knows it (uncommitted edits included), without
    any build: what a maintainer gets from a fresh checkout."""
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=SOURCE,
                            check=True, capture_output=True).stdout.decode().split("\0")
    for name in filter(None, listed):
        if (SOURCE / name).is_file():
            (target / name).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(SOURCE / name, target / name)


def every_file(folder):
    return {str(path.relative_to(folder)): path.read_bytes() for path in sorted(folder.rglob("*")) if path.is_file()}


class Release:
    """One output folder of scripts/dist, read back."""

    def __init__(self, folder, printed):
        self.folder, self.printed = folder, printed
        self.zip_bytes = (folder / ZIP_NAME).read_bytes()
        self.archive = zipfile.ZipFile(folder / ZIP_NAME)
        self.winget = {path.name: yaml.safe_load(path.read_text(encoding="utf-8"))
                       for path in (folder / WINGET).iterdir()}
        self.scoop = json.loads((folder / "scoop" / "glyphor.json").read_text(encoding="utf-8"))


class Dist(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = Path(tempfile.mkdtemp(prefix="glyphor-dist-"))
        cls.release = Release(OUT, run_dist(DIST, OUT))
        certificate = cls.scratch / "certificate"
        certificate.mkdir()
        subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                        "-subj", "/CN=Glyphor throwaway signer", "-keyout", certificate / "key.pem",
                        "-out", certificate / "cert.pem"], check=True, capture_output=True)
        subprocess.run(["openssl", "pkcs12", "-export", "-inkey", certificate / "key.pem", "-in",
                        certificate / "cert.pem", "-out", certificate / "cert.pfx", "-passout", "pass:not secret"],
                       check=True, capture_output=True)
        cls.ca_file = certificate / "cert.pem"
        signed = OUT.with_name(OUT.name + "-signed")
        (certificate / "pass").write_text("not secret\n")
        cls.signed = Release(signed, run_dist(DIST, signed, SIGN_PFX=str(certificate / "cert.pfx"),
                                              SIGN_PASS_FILE=str(certificate / "pass")))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.scratch)

    def test_the_zip_holds_both_programs_in_both_widths_the_readme_and_the_licence_in_order(self):
        self.assertEqual(self.release.archive.namelist(), sorted(PROGRAMS + [f"{BASE}/README.md",
                                                                              f"{BASE}/LICENSE.txt"]))
        self.assertIsNone(self.release.archive.testzip())

    def test_each_entry_of_the_zip_has_the_source_date_and_a_plain_files_mode(self):
        for entry in self.release.archive.infolist():
            with self.subTest(entry=entry.filename):
                self.assertEqual(entry.date_time, (2025, 12, 6, 5, 46, 40))
                self.assertEqual(entry.external_attr >> 16, stat.S_IFREG | 0o644)
                self.assertEqual(entry.create_system, 3)

    def test_each_program_is_stripped_of_its_width_stamped_with_the_source_date_and_its_checksum_holds(self):
        for release in (self.release, self.signed):
            for name in PROGRAMS:
                with self.subTest(program=name, signed=release is self.signed):
                    program = release.archive.read(name)
                    machine, symbols, stamp, checksum = pe_header(program)
                    self.assertEqual((machine, symbols, stamp), (MACHINES[name.split("/")[1]], 0, WHEN))
                    self.assertEqual(checksum, pe_checksum(program))

    def test_sha256sums_match_the_zip_and_its_programs_after_signing_too(self):
        for release in (self.release, self.signed):
            lines = (release.folder / "SHA256SUMS").read_text().splitlines()
            self.assertEqual([line.split("  ", 1)[1] for line in lines], [ZIP_NAME] + sorted(PROGRAMS))
            for line in lines:
                digest, name = line.split("  ", 1)
                data = release.zip_bytes if name == ZIP_NAME else release.archive.read(name)
                self.assertEqual(digest, sha256(data), name)

    def test_each_manifest_is_valid_by_its_published_schema(self):
        cases = {f"winget {name}": (manifest, f"manifest.{manifest['ManifestType']}.1.6.0.json")
                 for name, manifest in self.release.winget.items()}
        cases["scoop glyphor.json"] = (self.release.scoop, "scoop.schema.json")
        for name, (manifest, schema_name) in cases.items():
            with self.subTest(manifest=name):
                self.assertEqual(schema_errors(manifest, schema_name), [])

    def test_the_schemas_catch_what_a_reviewer_would_refuse(self):
        installer = self.release.winget["Orrinel.Glyphor.installer.yaml"]
        scoop = self.release.scoop
        cases = {
            "a Scoop manifest without homepage": ({name: scoop[name] for name in scoop if name != "homepage"},
                                                  "scoop.schema.json"),
            "a winget installer without installers": ({**installer, "Installers": []},
                                                      "manifest.installer.1.6.0.json"),
            "a winget release date that is no date": ({**installer, "ReleaseDate": "6 December"},
                                                      "manifest.installer.1.6.0.json"),
        }
        for name, (manifest, schema_name) in cases.items():
            with self.subTest(case=name):
                self.assertNotEqual(schema_errors(manifest, schema_name), [])

    def test_the_winget_manifests_carry_the_zip_its_paths_and_the_addresses(self):
        manifests = self.release.winget
        self.assertEqual(sorted(manifests), ["Orrinel.Glyphor.installer.yaml", "Orrinel.Glyphor.locale.en-US.yaml",
                                             "Orrinel.Glyphor.yaml"])
        for manifest in manifests.values():
            self.assertEqual((manifest["PackageIdentifier"], manifest["PackageVersion"]), ("Orrinel.Glyphor", VERSION))
        installer = manifests["Orrinel.Glyphor.installer.yaml"]
        self.assertEqual((installer["InstallerType"], installer["ReleaseDate"]), ("zip", "2025-12-06"))
        self.assertNotIn("ElevationRequirement", installer)
        self.assertEqual(sorted(i["Architecture"] for i in installer["Installers"]), ["x64", "x86"])
        aliases = set()
        for entry in installer["Installers"]:
            self.assertEqual(entry["InstallerSha256"], sha256(self.release.zip_bytes).upper())
            self.assertEqual(entry["InstallerUrl"], f"{RELEASE_FOLDER}/{ZIP_NAME}")
            for nested in entry["NestedInstallerFiles"]:
                self.assertIn(nested["RelativeFilePath"].replace("\\", "/"), self.release.archive.namelist())
                aliases.add(nested["PortableCommandAlias"])
        self.assertEqual(sorted(installer["Commands"]), sorted(aliases))
        locale = manifests["Orrinel.Glyphor.locale.en-US.yaml"]
        self.assertEqual({name: locale[name] for name in ("PublisherUrl", "PackageUrl", "LicenseUrl",
                                                          "ReleaseNotesUrl")},
                         {"PublisherUrl": ADDRESSES["PUBLISHER_URL"], "PackageUrl": ADDRESSES["HOMEPAGE_URL"],
                          "LicenseUrl": ADDRESSES["LICENSE_URL"],
                          "ReleaseNotesUrl": f"https://glyphor.example.org/notes/{VERSION}"})

    def test_both_manifests_tell_users_what_uninstalling_does_not_undo(self):
        for name, notes in {"winget": self.release.winget["Orrinel.Glyphor.locale.en-US.yaml"]["InstallationNotes"],
                            "scoop": "\n".join(self.release.scoop["notes"])}.items():
            for point, words in NOTES.items():
                with self.subTest(manifest=name, point=point):
                    self.assertIn(words, notes)

    def test_the_scoop_manifest_carries_the_zip_its_paths_and_the_addresses(self):
        manifest = self.release.scoop
        self.assertEqual((manifest["version"], manifest["hash"], manifest["url"]),
                         (VERSION, sha256(self.release.zip_bytes), f"{RELEASE_FOLDER}/{ZIP_NAME}"))
        self.assertEqual(manifest["homepage"], ADDRESSES["HOMEPAGE_URL"])
        self.assertEqual(manifest["license"], {"identifier": "Proprietary", "url": ADDRESSES["LICENSE_URL"]})
        self.assertEqual(sorted(manifest["architecture"]), ["32bit", "64bit"])
        for architecture in manifest["architecture"].values():
            for program in (manifest["bin"], manifest["shortcuts"][0][0]):
                self.assertIn(f"{architecture['extract_dir']}/{program}", self.release.archive.namelist())

    def test_scoops_autoupdate_gives_this_release_back_from_its_version(self):
        """What Scoop does with the manifest when it sees a new version, done
        for this version: the same addresses and folders, and the zip's hash
        read from the SHA256SUMS beside it."""
        manifest = self.release.scoop
        self.assertEqual(re.search(manifest["checkver"]["regex"], f'<a href="{ZIP_NAME}">').group(1), VERSION)
        update = json.loads(json.dumps(manifest["autoupdate"]).replace("$version", VERSION))
        self.assertEqual(update["url"], manifest["url"])
        self.assertEqual(update["architecture"], manifest["architecture"])
        self.assertEqual(update["hash"]["url"].replace("$baseurl", RELEASE_FOLDER), f"{RELEASE_FOLDER}/SHA256SUMS")
        pattern = update["hash"]["regex"].replace("$sha256", "([a-fA-F0-9]{64})").replace("$basename",
                                                                                          re.escape(ZIP_NAME))
        found = re.search(pattern, (self.release.folder / "SHA256SUMS").read_text())
        self.assertEqual(found.group(1), manifest["hash"])

    def test_an_unsigned_release_says_so_in_one_line_and_a_signed_one_does_not(self):
        def said(release):
            return [line for line in release.printed.splitlines() if line.startswith("Not signed")]
        self.assertEqual(said(self.release),
                         ["Not signed: no certificate given (make dist SIGN_PFX=file.pfx SIGN_PASS_FILE=file)."])
        self.assertEqual(said(self.signed), [])

    def test_every_signed_program_verifies_is_the_unsigned_one_without_it_and_unsigned_ones_carry_none(self):
        for name in PROGRAMS:
            with self.subTest(program=name):
                program, removed = self.scratch / "verify.exe", self.scratch / "removed.exe"
                program.write_bytes(self.signed.archive.read(name))
                verified = subprocess.run(["osslsigncode", "verify", "-CAfile", str(self.ca_file), "-in",
                                           str(program)], capture_output=True, text=True)
                self.assertEqual(verified.returncode, 0, verified.stdout + verified.stderr)
                self.assertIn("Signature verification: ok", verified.stdout)
                removed.unlink(missing_ok=True)
                subprocess.run(["osslsigncode", "remove-signature", "-in", str(program), "-out", str(removed)],
                               check=True, capture_output=True)
                self.assertEqual(sha256(removed.read_bytes()), sha256(self.release.archive.read(name)))
                program.write_bytes(self.release.archive.read(name))
                unsigned = subprocess.run(["osslsigncode", "verify", "-in", str(program)], capture_output=True)
                self.assertNotEqual(unsigned.returncode, 0)

    def test_missing_or_unusable_addresses_are_refused_before_anything_is_built(self):
        cases = {"no RELEASE_URL": ({"RELEASE_URL": None}, "RELEASE_URL"),
                 "RELEASE_URL without the version": ({"RELEASE_URL": "https://downloads.example.org"}, "{version}"),
                 "no HOMEPAGE_URL": ({"HOMEPAGE_URL": None}, "HOMEPAGE_URL"),
                 "a certificate that is not there": ({"SIGN_PFX": str(self.scratch / "none.pfx")}, "none.pfx")}
        for name, (changes, words) in cases.items():
            with self.subTest(case=name):
                refused = subprocess.run([str(DIST), str(self.scratch / "refused")], env=environment(**changes),
                                         capture_output=True, text=True)
                self.assertNotEqual(refused.returncode, 0)
                self.assertIn(words, refused.stderr)
                self.assertFalse((self.scratch / "refused").exists())

    def test_the_source_built_from_nothing_in_another_folder_gives_the_same_bytes(self):
        copy = self.scratch / "another" / "checkout-of-glyphor"
        copy.mkdir(parents=True)
        copy_source(copy)
        run_dist(copy / "scripts" / "dist", self.scratch / "again")
        again, here = every_file(self.scratch / "again"), every_file(OUT)
        self.assertEqual(sorted(again), sorted(here))
        for name in here:
            self.assertEqual(sha256(again[name]), sha256(here[name]), name)
        for name in PROGRAMS:
            program = self.release.archive.read(name)
            for folder in (SOURCE, copy, self.scratch):
                for encoding in ("utf-8", "utf-16-le"):
                    with self.subTest(program=name, folder=str(folder), encoding=encoding):
                        self.assertNotIn(str(folder).encode(encoding), program)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
