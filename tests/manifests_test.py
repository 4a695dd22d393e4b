# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

"""The winget and Scoop manifests of a release (scripts/make-manifests.cmake),
of the Windows packages it ships, for the address the release names
(GUESS_DOWNLOAD_URL, as the release was made with, or the README's
placeholder). The YAML parses, with the release date as text, as winget
reads it; the three winget files agree, and each manager finds the fields
it requires; the addresses, hashes and the installer's ProductCode are true
to the files; Scoop's checkver finds the release's version on its page, and
its autoupdate gives back this one's address. Each mutation of a file (a
wrong hash, a missing field, another version) must be found. On the site
that the next release publishes over it (tests/history.sh), every version's
manifests stay true to the files at their addresses, and checkver finds the
next version. No winget or Scoop runs here: what they would do with the
files is not shown.

    manifests_test.py DIST HISTORY
"""

import datetime
import glob
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

import yaml

IDENTIFIER = re.compile(r"^[^.\s]+\.[^.\s]+$")
SCHEMA = "# yaml-language-server: $schema=https://aka.ms/winget-manifest.{}.{}.schema.json"
# What each manager refuses a manifest without.
WINGET_LOCALE_FIELDS = ("PackageLocale", "Publisher", "PackageName", "License", "ShortDescription")
SCOOP_FIELDS = ("version", "homepage", "license", "description")


def sha256(path):
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()


def checkver_finds(dist, checkver):
    """The version that Scoop's checkver finds on the page in DIST: the
    first match of its regular expression, or the last (reverse)."""
    with open(os.path.join(dist, "index.html"), encoding="utf-8") as page:
        found = re.findall(str(checkver.get("regex")), page.read())
    return found and found[-1 if checkver.get("reverse") else 0]


def problems(dist, url, args):
    """What is wrong with the manifests in DIST of the version args["version"]
    for the address URL, as a list of words."""
    found = []

    def expect(what, value, wanted):
        if value != wanted:
            found.append(f"{what}: {value!r}, not {wanted!r}")

    msi = os.path.basename(glob.glob(os.path.join(dist, f"guess-{args['version']}-windows-*.msi"))[0])
    zip_name = msi[: -len(".msi")] + ".zip"

    # winget: three files in the folders of winget's public list.
    manifests = {}
    for root, _, names in os.walk(os.path.join(dist, "winget")):
        for name in names if os.path.basename(root) == args["version"] else ():
            with open(os.path.join(root, name), encoding="utf-8") as file:
                text = file.read()
            try:
                manifest = yaml.safe_load(text)
            except yaml.YAMLError as error:
                found.append(f"{name}: no YAML: {error}")
                continue
            if not isinstance(manifest, dict):
                found.append(f"{name}: no manifest")
                continue
            kind = manifest.get("ManifestType")
            expect(f"{name}: first line", text.splitlines()[0], SCHEMA.format(kind, manifest.get("ManifestVersion")))
            manifests[kind] = (os.path.relpath(root, dist), name, manifest)
    expect("winget manifests", sorted(manifests), ["defaultLocale", "installer", "version"])
    if sorted(manifests) != ["defaultLocale", "installer", "version"]:
        return found
    identifier = manifests["version"][2].get("PackageIdentifier", "")
    if not IDENTIFIER.match(str(identifier)):
        found.append(f"PackageIdentifier: {identifier!r}, not Publisher.Package")
        return found
    publisher, package = identifier.split(".")
    folder = os.path.join("winget", "manifests", publisher[0].lower(), publisher, package, args["version"])
    for kind, (where, name, manifest) in manifests.items():
        expect(f"{name}: folder", where, folder)
        expect(f"{name}: PackageIdentifier", manifest.get("PackageIdentifier"), identifier)
        expect(f"{name}: PackageVersion", manifest.get("PackageVersion"), args["version"])
        expect(f"{name}: ManifestVersion", manifest.get("ManifestVersion"),
               manifests["version"][2].get("ManifestVersion"))
    locale = manifests["defaultLocale"][2]
    expect("DefaultLocale", manifests["version"][2].get("DefaultLocale"), locale.get("PackageLocale"))
    names = {kind: name for kind, (_, name, _) in manifests.items()}
    expect("file names", names, {"version": f"{identifier}.yaml", "installer": f"{identifier}.installer.yaml",
                                 "defaultLocale": f"{identifier}.locale.{locale.get('PackageLocale')}.yaml"})
    for field in WINGET_LOCALE_FIELDS:
        if not isinstance(locale.get(field), str) or not locale[field].strip():
            found.append(f"{field}: {locale.get(field)!r}, not a text")

    installer = manifests["installer"][2]
    expect("ReleaseDate", installer.get("ReleaseDate"), args["date"])
    product_code = msi_property(os.path.join(dist, msi), "ProductCode")
    installers = installer.get("Installers") or [{}]
    expect("installers", len(installers), 1)
    for field, wanted in (("InstallerUrl", url + msi),
                          ("InstallerSha256", sha256(os.path.join(dist, msi)).upper()),
                          ("ProductCode", product_code)):
        expect(field, installers[0].get(field), wanted)

    # Scoop: the fields it requires, the .zip, and the next version's.
    try:
        with open(os.path.join(dist, "scoop", "guess.json"), encoding="utf-8") as file:
            scoop = json.load(file)
    except (OSError, ValueError) as error:
        return found + [f"scoop/guess.json: {error}"]
    for field in SCOOP_FIELDS:
        if not isinstance(scoop.get(field), str) or not scoop[field]:
            found.append(f"scoop {field}: {scoop.get(field)!r}")
    expect("scoop version", scoop.get("version"), args["version"])
    bits = scoop.get("architecture", {}).get("64bit", {})
    with zipfile.ZipFile(os.path.join(dist, zip_name)) as archive:
        members = archive.namelist()
    folder = members[0].split("/")[0]
    for field, wanted in (("url", url + zip_name), ("hash", sha256(os.path.join(dist, zip_name))),
                          ("extract_dir", folder)):
        expect(f"scoop {field}", bits.get(field), wanted)
    if f"{folder}/{scoop.get('bin')}" not in members:
        found.append(f"scoop: bin {scoop.get('bin')!r} is not in {zip_name}")
    checkver = scoop.get("checkver", {})
    expect("scoop checkver's page", checkver.get("url"), url)
    expect("the version scoop checkver finds", checkver_finds(dist, checkver), args["version"])
    update = scoop.get("autoupdate", {}).get("architecture", {}).get("64bit", {})
    for field in ("url", "extract_dir"):
        expect(f"scoop autoupdate {field}", str(update.get(field)).replace("$version", args["version"]),
               bits.get(field))
    return found


def msi_property(msi, name):
    properties = subprocess.run(["msiinfo", "export", msi, "Property"], capture_output=True, text=True,
                                check=True).stdout
    return re.search(rf"^{name}\t(\S+)", properties, re.M).group(1)


def flip(match):
    """Another first digit of a hash or a code."""
    return match.group(1) + ("1" if match.group(2) == "0" else "0")


def windows_packages(dist, into):
    """A folder with the release's installers and .zip files and its page alone."""
    os.mkdir(into)
    for name in os.listdir(dist):
        if name.endswith((".msi", ".zip")) or name == "index.html":
            shutil.copy(os.path.join(dist, name), into)


def release_of(dist):
    """The version of the release in DIST, the newest of its sources, and its day."""
    sources = max(glob.glob(os.path.join(dist, "guess-*.spdx")),
                  key=lambda path: [int(number) for number in re.findall(r"\d+", os.path.basename(path))])
    sources = sources[: -len(".spdx")] + ".tar.gz"
    time = subprocess.run(["tar", "-xzOf", sources, "--wildcards", "*/packaging/commit-time"],
                          capture_output=True, text=True, check=True).stdout.strip()
    day = datetime.datetime.fromtimestamp(int(time), datetime.timezone.utc).strftime("%Y-%m-%d")
    return {"version": os.path.basename(sources)[len("guess-"):-len(".tar.gz")], "date": day}


class Manifests(unittest.TestCase):
    dist = history = None

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp()
        cls.args = release_of(cls.dist)
        # The address the release names: the one it was made for, or the README's.
        cls.url = os.environ.get("GUESS_DOWNLOAD_URL") or "https://example.org/guess/"
        cls.url += "" if cls.url.endswith("/") else "/"

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work)

    def test_true_to_the_release(self):
        self.assertEqual(problems(self.dist, self.url, self.args), [])

    def test_each_mutation_is_found(self):
        installer = "GuessDevelopers.Guess.installer.yaml"
        mutations = [
            ("wrong hash", installer, r"(InstallerSha256: )(\w)", flip),
            ("missing field", "GuessDevelopers.Guess.locale.en-US.yaml", r"\nLicense: .*", ""),
            ("other version", "GuessDevelopers.Guess.yaml", r"PackageVersion: .*", "PackageVersion: 9.9.9"),
            ("date as a date", installer, r"ReleaseDate: '(.*)'", r"ReleaseDate: \1"),
            ("other product code", installer, r"(ProductCode: '\{)(\w)", flip),
            ("scoop: wrong hash", "guess.json", r'("hash": ")(\w)', flip),
            ("scoop: missing field", "guess.json", r'\s*"homepage": [^\n]*', ""),
            ("scoop: other version", "guess.json", r'"version": "[^"]*"', '"version": "9.9.9"'),
            ("scoop: no JSON", "guess.json", r"\}\s*$", ""),
        ]
        for what, name, pattern, replacement in mutations:
            with self.subTest(what):
                mutated = os.path.join(self.work, "mutated")
                shutil.rmtree(mutated, ignore_errors=True)
                windows_packages(self.dist, mutated)
                for folder in ("winget", "scoop"):
                    shutil.copytree(os.path.join(self.dist, folder), os.path.join(mutated, folder))
                path = next(os.path.join(root, name) for root, _, names in os.walk(mutated)
                            if name in names and os.path.basename(root) in (self.args["version"], "scoop"))
                with open(path, encoding="utf-8") as file:
                    text = file.read()
                changed = re.sub(pattern, replacement, text, count=1)
                self.assertNotEqual(changed, text, "the mutation changes nothing")
                with open(path, "w", encoding="utf-8") as file:
                    file.write(changed)
                self.assertNotEqual(problems(mutated, self.url, self.args), [])

    def test_every_version_stays(self):
        # On the next release's site, as published: every version's winget
        # manifests, and the release's Scoop manifest, name files there whose
        # checksums they carry; the newest is what checkver finds.
        site = os.path.join(self.history, "next")
        with open(os.path.join(self.history, "earlier", "scoop", "guess.json"), encoding="utf-8") as file:
            bits = json.load(file)["architecture"]["64bit"]
        named = {bits["url"]: bits["hash"]}
        for root, _, names in os.walk(os.path.join(site, "winget")):
            for name in names:
                with open(os.path.join(root, name), encoding="utf-8") as file:
                    for installer in yaml.safe_load(file).get("Installers", ()):
                        named[installer["InstallerUrl"]] = installer["InstallerSha256"].lower()
        self.assertGreaterEqual(len(named), 3)  # the release's .zip, its installer and the next one's
        for url, digest in named.items():
            with self.subTest(url):
                self.assertTrue(url.startswith(self.url))
                self.assertEqual(sha256(os.path.join(site, url[len(self.url):])), digest)
        with open(os.path.join(site, "scoop", "guess.json"), encoding="utf-8") as file:
            checkver = json.load(file)["checkver"]
        major, minor, patch = self.args["version"].split(".")
        self.assertEqual(checkver_finds(site, checkver), f"{major}.{minor}.{int(patch) + 1}")


if __name__ == "__main__":
    Manifests.dist, Manifests.history = sys.argv[1:3]
    unittest.main(argv=sys.argv[:1])
