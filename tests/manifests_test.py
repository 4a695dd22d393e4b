# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

"""The winget and Scoop manifests of a release (scripts/make-manifests.cmake),
of the Windows packages it ships, for the address they name; and made again
of the same packages for an address that holds the version, which Scoop's
checkver reads otherwise. The YAML parses, with the
release date as text, as winget reads it; the three winget files agree, and
each manager finds the fields it requires; the addresses, hashes and the
installer's ProductCode are true to the files; Scoop's checkver finds the
version and its autoupdate gives back this one's address. Each mutation of a
file (a wrong hash, a missing field, another version) must be found. No
winget or Scoop runs here: what they would do with the files is not shown.

    manifests_test.py DIST
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


def problems(dist, url, args):
    """What is wrong with the manifests in DIST for the address URL, as a list of words."""
    found = []

    def expect(what, value, wanted):
        if value != wanted:
            found.append(f"{what}: {value!r}, not {wanted!r}")

    msi = next(name for name in os.listdir(dist) if name.endswith(".msi"))
    zip_name = msi[: -len(".msi")] + ".zip"

    # winget: three files in the folders of winget's public list.
    manifests = {}
    for root, _, names in os.walk(os.path.join(dist, "winget")):
        for name in names:
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
    listing = f'<a href="{args["version"]}/">{args["version"]}/</a> <a href="{zip_name}">{zip_name}</a>'
    if not url.startswith(str(checkver.get("url"))) or not re.search(str(checkver.get("regex")), listing):
        found.append(f"scoop checkver: {checkver!r} finds no version at {url}")
    elif re.search(checkver["regex"], listing).group(1) != args["version"]:
        found.append(f"scoop checkver: {checkver!r} finds another version")
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
    """A folder with the release's installer and .zip alone."""
    os.mkdir(into)
    for name in os.listdir(dist):
        if name.endswith((".msi", ".zip")):
            shutil.copy(os.path.join(dist, name), into)


class Manifests(unittest.TestCase):
    args = None

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp()
        dist = cls.args["dist"]
        cls.args["version"] = msi_property(glob.glob(os.path.join(dist, "*.msi"))[0], "ProductVersion")
        sources = glob.glob(os.path.join(dist, "*.spdx"))[0][: -len(".spdx")] + ".tar.gz"
        time = subprocess.run(["tar", "-xzOf", sources, "--wildcards", "*/packaging/commit-time"],
                              capture_output=True, text=True, check=True).stdout.strip()
        cls.args["date"] = datetime.datetime.fromtimestamp(int(time), datetime.timezone.utc).strftime("%Y-%m-%d")
        # The address they name (what the three winget files say), and one with the version in it.
        named = {}
        for root, _, names in os.walk(os.path.join(dist, "winget")):
            for name in names:
                with open(os.path.join(root, name), encoding="utf-8") as file:
                    named.update(yaml.safe_load(file))
        cls.args["url"] = named["Installers"][0]["InstallerUrl"].rsplit("/", 1)[0] + "/"
        cls.versioned_url = f"{cls.args['url']}{cls.args['version']}/"
        cls.versioned = os.path.join(cls.work, "versioned")
        windows_packages(dist, cls.versioned)
        subprocess.run(["cmake", f"-DDIST={cls.versioned}",
                        "-P", os.path.join(os.path.dirname(__file__), "..", "scripts", "make-manifests.cmake")],
                       env=dict(os.environ, SOURCE_DATE_EPOCH=time, GUESS_DOWNLOAD_URL=cls.versioned_url), check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work)

    def test_true_to_the_release(self):
        self.assertEqual(problems(self.args["dist"], self.args["url"], self.args), [])
        self.assertEqual(problems(self.versioned, self.versioned_url, self.args), [])

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
                windows_packages(self.args["dist"], mutated)
                for folder in ("winget", "scoop"):
                    shutil.copytree(os.path.join(self.args["dist"], folder), os.path.join(mutated, folder))
                path = next(os.path.join(root, name) for root, _, names in os.walk(mutated) if name in names)
                with open(path, encoding="utf-8") as file:
                    text = file.read()
                changed = re.sub(pattern, replacement, text, count=1)
                self.assertNotEqual(changed, text, "the mutation changes nothing")
                with open(path, "w", encoding="utf-8") as file:
                    file.write(changed)
                self.assertNotEqual(problems(mutated, self.args["url"], self.args), [])


if __name__ == "__main__":
    Manifests.args = {"dist": sys.argv[1]}
    unittest.main(argv=sys.argv[:1])
