#!/usr/bin/env python3
"""glyphor-cli's JSON and text as a script on the host reads them: through
the pipe out of Wine, decoded as UTF-8 and parsed by Python's json module.
The field names are the ones the README promises.

    cli_json_test.py WINE_TEST GLYPHOR_CLI_EXE
"""
import json
import subprocess
import sys
import unittest

WINE_TEST, EXE = sys.argv[1], sys.argv[2]


def run(*arguments):
    done = subprocess.run([WINE_TEST, EXE, *arguments], stdout=subprocess.PIPE, check=False, timeout=300)
    return done.returncode, done.stdout.decode("utf-8")


class CliJson(unittest.TestCase):
    def test_status_fields_and_types(self):
        code, text = run("status", "--json")
        self.assertEqual(code, 0, text)
        status = json.loads(text)
        self.assertEqual(list(status), ["program", "version", "default", "vrindaFaces", "interfaceLinks",
                                        "windows", "administrator", "elevated", "drawnWith", "browsers"])
        self.assertEqual(status["program"], "glyphor-cli")
        self.assertEqual(list(status["default"]), ["face", "substitute", "substituteReadable", "state", "meaning"])
        self.assertIn(status["default"]["state"], ["vrinda", "substituted", "inactive", "unknown"])
        self.assertGreaterEqual(len(status["vrindaFaces"]), 1)
        for face in status["vrindaFaces"]:
            self.assertEqual(list(face), ["valueName", "inFontsKey", "registered", "registrationReadable", "inService",
                                          "file", "fileInFolder", "fileProtected", "backup", "backupPresent"])
            for flag in ("inFontsKey", "registrationReadable", "inService", "fileInFolder", "fileProtected",
                         "backupPresent"):
                self.assertIsInstance(face[flag], bool)
        self.assertEqual([link["face"] for link in status["interfaceLinks"]],
                         ["Segoe UI", "Tahoma", "Microsoft Sans Serif", "MS Shell Dlg 2"])
        for link in status["interfaceLinks"]:
            self.assertEqual(list(link), ["face", "present", "readable", "entries"])
            self.assertIsInstance(link["readable"], bool)
            self.assertTrue(all(isinstance(entry, str) for entry in link["entries"]))
        self.assertEqual(list(status["windows"]), ["major", "minor", "build"])
        self.assertTrue(all(isinstance(n, int) for n in status["windows"].values()))
        self.assertIsInstance(status["administrator"], bool)
        drawn = status["drawnWith"]
        self.assertEqual(list(drawn), ["interface", "vrinda", "directWrite"])
        self.assertEqual(list(drawn["interface"]), ["family", "via", "faces"])
        answers = [drawn["interface"], drawn["vrinda"], drawn["directWrite"], *drawn["interface"]["faces"].values()]
        for answer in answers:
            self.assertEqual(list(answer)[:2], ["family", "via"])
            self.assertIn(answer["via"], ["face", "substitute", "fallback", "link", "unknown"])
            self.assertTrue(answer["family"] is None or isinstance(answer["family"], str))
        self.assertLessEqual({"Segoe UI", "Tahoma", "Microsoft Sans Serif", "MS Shell Dlg 2"},
                             set(drawn["interface"]["faces"]))
        self.assertIsInstance(drawn["directWrite"]["available"], bool)
        # The prefix has no browser profiles; tests/e2e/browser_proof reads them where there are.
        self.assertEqual(status["browsers"], [])

    def test_list_is_an_array_of_names(self):
        code, text = run("list", "--json")
        self.assertEqual(code, 0, text)
        families = json.loads(text)
        self.assertIsInstance(families, list)
        self.assertIn("Likhan", families)
        self.assertTrue(all(isinstance(family, str) for family in families))

    def test_list_all_marks_each_family(self):
        code, text = run("list", "--all", "--json")
        self.assertEqual(code, 0, text)
        families = json.loads(text)
        self.assertTrue(all(list(each) == ["family", "listed"] and isinstance(each["listed"], bool)
                            for each in families))
        self.assertIn({"family": "Likhan", "listed": True}, families)

    def test_a_bengali_face_through_the_pipe(self):
        face = "\u09b2\u09bf\u0996\u09a8"
        code, text = run("fix", face, "--force", "--dry-run")
        self.assertEqual(code, 0, text)
        self.assertIn(f'"Vrinda"="{face}"', text)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
