# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

"""The winget and Scoop manifests of a release (scripts/make-manifests.cmake),
made of the Windows packages the products shipped, for an address: each
field holds what it must; the YAML parses, with the release date as text, as
winget reads it; the three winget files agree; the addresses, hashes and the
installer's ProductCode are true to the files; Scoop's JSON has the fields
Scoop requires, and can find and fetch the next version. Each mutation of a
file (a wrong hash, a missing field, another version) must be found. No
winget or Scoop runs here: what they would do with the files is not shown.

    manifests_test.py CMAKE MAKE_MANIFESTS SETTINGS PACKAGES MSIINFO VERSION COMMIT_TIME PUBLISHER
"""

import datetime
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

URL = "https://downloads.invalid/guess/{version}/"
IDENTIFIER = re.compile(r"^[^.\s]+\.[^.\s]+$")
SCHEMA = "# yaml-language-server: $schema=https://aka.ms/winget-manifest.{}.1.10.0.schema.json"


def sha256(path):
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()


def problems(dist, args):
    """What is wrong with the manifests in DIST, as a list of words."""
    found = []

    def expect(what, value, wanted):
        if value != wanted:
            found.append(f"{what}: {value!r}, not {wanted!r}")

    url = URL.format(version=args["version"])
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
            kind = manifest.get("ManifestType") if isinstance(manifest, dict) else None
            expect(f"{name}: first line", text.splitlines()[0], SCHEMA.format(kind))
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
        expect(f"{name}: ManifestVersion", manifest.get("ManifestVersion"), "1.10.0")
    names = {kind: name for kind, (_, name, _) in manifests.items()}
    expect("file names", names, {"version": f"{identifier}.yaml", "installer": f"{identifier}.installer.yaml",
                                 "defaultLocale": f"{identifier}.locale.en-US.yaml"})
    expect("DefaultLocale", manifests["version"][2].get("DefaultLocale"), "en-US")

    installer = manifests["installer"][2]
    for field, wanted in (("InstallerType", "wix"), ("Scope", "user"), ("UpgradeBehavior", "install"),
                          ("Commands", ["guess"]), ("ReleaseDate", args["date"])):
        expect(field, installer.get(field), wanted)
    if not {"silent", "silentWithProgress"} <= set(installer.get("InstallModes") or []):
        found.append(f"InstallModes: {installer.get('InstallModes')!r}, without the silent ones")
    properties = subprocess.run([args["msiinfo"], "export", os.path.join(dist, msi), "Property"],
                                capture_output=True, text=True, check=True).stdout
    product_code = re.search(r"^ProductCode\t(\S+)", properties, re.M).group(1)
    installers = installer.get("Installers") or [{}]
    expect("installers", len(installers), 1)
    for field, wanted in (("Architecture", "x64"), ("InstallerUrl", url + msi),
                          ("InstallerSha256", sha256(os.path.join(dist, msi)).upper()),
                          ("ProductCode", product_code)):
        expect(field, installers[0].get(field), wanted)

    locale = manifests["defaultLocale"][2]
    for field, wanted in (("PackageLocale", "en-US"), ("Publisher", args["publisher"]), ("PackageName", "guess"),
                          ("License", "MIT"), ("Moniker", "guess")):
        expect(field, locale.get(field), wanted)
    for field in ("LicenseUrl", "ShortDescription", "Description"):
        if not isinstance(locale.get(field), str) or not locale[field].strip():
            found.append(f"{field}: {locale.get(field)!r}, not a text")
    if not str(locale.get("LicenseUrl", "")).startswith("https://"):
        found.append(f"LicenseUrl: {locale.get('LicenseUrl')!r}, no address")
    if not locale.get("Tags"):
        found.append("Tags: none")

    # Scoop: the fields it requires, the .zip, and the next version's.
    try:
        with open(os.path.join(dist, "scoop", "guess.json"), encoding="utf-8") as file:
            scoop = json.load(file)
    except (OSError, ValueError) as error:
        return found + [f"scoop/guess.json: {error}"]
    for field in ("version", "homepage", "license", "description"):
        if not isinstance(scoop.get(field), str) or not scoop[field]:
            found.append(f"scoop {field}: {scoop.get(field)!r}")
    expect("scoop version", scoop.get("version"), args["version"])
    expect("scoop license", scoop.get("license"), "MIT")
    expect("scoop bin", scoop.get("bin"), "guess.exe")
    bits = scoop.get("architecture", {}).get("64bit", {})
    with zipfile.ZipFile(os.path.join(dist, zip_name)) as archive:
        members = archive.namelist()
    folder = members[0].split("/")[0]
    for field, wanted in (("url", url + zip_name), ("hash", sha256(os.path.join(dist, zip_name))),
                          ("extract_dir", folder)):
        expect(f"scoop {field}", bits.get(field), wanted)
    if f"{folder}/guess.exe" not in members:
        found.append(f"scoop: no {folder}/guess.exe in {zip_name}")
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


def flip(match):
    """Another first digit of a hash or a code."""
    return match.group(1) + ("1" if match.group(2) == "0" else "0")


class Manifests(unittest.TestCase):
    args = None

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp()
        cls.dist = os.path.join(cls.work, "dist")
        os.mkdir(cls.dist)
        with open(cls.args["packages"], encoding="utf-8") as packages:
            for path in packages.read().split():
                if path.endswith((".msi", ".zip")):
                    shutil.copy(path, cls.dist)
        subprocess.run([cls.args["cmake"], f"-DGUESS_SETTINGS={cls.args['settings']}",
                        f"-DPACKAGES={cls.args['packages']}", f"-DDIST={cls.dist}",
                        f"-DGUESS_DOWNLOAD_URL={URL.format(version=cls.args['version'])}",
                        "-P", cls.args["script"]], check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work)

    def test_true_to_the_release(self):
        self.assertEqual(problems(self.dist, self.args), [])

    def test_each_mutation_is_found(self):
        installer = "GuessDevelopers.Guess.installer.yaml"
        mutations = [
            ("wrong hash", installer, r"(InstallerSha256: )(\w)", flip),
            ("missing field", "GuessDevelopers.Guess.locale.en-US.yaml", r"\nMoniker: .*", ""),
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
                shutil.copytree(self.dist, mutated)
                path = next(os.path.join(root, name) for root, _, names in os.walk(mutated) if name in names)
                with open(path, encoding="utf-8") as file:
                    text = file.read()
                changed = re.sub(pattern, replacement, text, count=1)
                self.assertNotEqual(changed, text, "the mutation changes nothing")
                with open(path, "w", encoding="utf-8") as file:
                    file.write(changed)
                self.assertNotEqual(problems(mutated, self.args), [])


if __name__ == "__main__":
    names = ("cmake", "script", "settings", "packages", "msiinfo", "version", "time", "publisher")
    Manifests.args = dict(zip(names, sys.argv[1:]))
    Manifests.args["date"] = datetime.datetime.fromtimestamp(
        int(Manifests.args["time"]), datetime.timezone.utc).strftime("%Y-%m-%d")
    unittest.main(argv=sys.argv[:1])
