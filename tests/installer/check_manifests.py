#!/usr/bin/python3
"""Checks a built release folder without running anything in it:
    tests/installer/check_manifests.py PACKAGE_DIR VERSION STAGE_DIR
- each winget manifest against the published 1.6.0 schema's rules (the
  subset below: every field we write, with its type, pattern or set of
  values, each file's required fields, and no field the schema lacks);
- each installer's SHA-256 in the manifest against the file;
- each MSI's ProductCode against the manifest's, and its product name,
  publisher and version against the program's version resource.
Prints one line per failure and exits non-zero if there was any."""
import hashlib
import os
import re
import subprocess
import sys

import jsonschema
import yaml

MANIFEST_VERSION = "1.6.0"
SEGMENT = r'[^\.\s\\/:\*\?"<>\|\x01-\x1f]{1,32}'
IDENTIFIER = {"type": "string", "pattern": rf"^{SEGMENT}(\.{SEGMENT}){{1,7}}$", "maxLength": 128}
VERSION = {"type": "string", "pattern": r'^[^\\/:\*\?"<>\|\x01-\x1f]+$', "maxLength": 128}
LOCALE = {"type": "string", "pattern": r"^([a-zA-Z]{2,3}|[iI]-[a-zA-Z]+|[xX]-[a-zA-Z]{1,8})(-[a-zA-Z]{1,8})*$",
          "maxLength": 20}
URL = {"type": "string", "pattern": r"^([Hh][Tt][Tt][Pp][Ss]?)://.+$", "maxLength": 2048}
SWITCH = {"type": "string", "minLength": 1, "maxLength": 512}
PRODUCT_CODE = {"type": "string", "minLength": 1, "maxLength": 255}


def text(low, high):
    return {"type": "string", "minLength": low, "maxLength": high}


def manifest(kind, required, properties):
    return {
        "type": "object",
        "required": ["PackageIdentifier", "PackageVersion", *required, "ManifestType", "ManifestVersion"],
        "additionalProperties": False,
        "properties": {"PackageIdentifier": IDENTIFIER, "PackageVersion": VERSION,
                       "ManifestType": {"const": kind},
                       "ManifestVersion": {"type": "string", "pattern": r"^\d{1,5}(\.\d{1,5}){2}$"},
                       **properties},
    }


INSTALLER = {
    "type": "object",
    "required": ["Architecture", "InstallerUrl", "InstallerSha256"],
    "additionalProperties": False,
    "properties": {
        "Architecture": {"enum": ["x86", "x64", "arm", "arm64", "neutral"]},
        "InstallerType": {"enum": ["msix", "msi", "appx", "exe", "zip", "inno", "nullsoft", "wix", "burn",
                                   "pwa", "portable"]},
        "InstallerUrl": URL,
        "InstallerSha256": {"type": "string", "pattern": r"^[A-Fa-f0-9]{64}$"},
        "InstallerSwitches": {
            "type": "object", "additionalProperties": False,
            "properties": {name: SWITCH for name in ("Silent", "SilentWithProgress", "Interactive",
                                                     "InstallLocation", "Log", "Upgrade", "Custom")}},
        "ProductCode": PRODUCT_CODE,
        "AppsAndFeaturesEntries": {
            "type": "array", "maxItems": 128,
            "items": {"type": "object", "additionalProperties": False,
                      "properties": {"DisplayName": text(1, 256), "Publisher": text(1, 256),
                                     "DisplayVersion": text(1, 128), "ProductCode": PRODUCT_CODE,
                                     "UpgradeCode": PRODUCT_CODE}}},
    },
}

SCHEMAS = {
    "version": manifest("version", ["DefaultLocale"], {"DefaultLocale": LOCALE}),
    "installer": manifest("installer", ["Installers"], {
        "MinimumOSVersion": {"type": "string",
                             "pattern": r"^(0|[1-9][0-9]{0,3}|[1-5][0-9]{4}|6[0-4][0-9]{3}|65[0-4][0-9]{2}|"
                                        r"655[0-2][0-9]|6553[0-5])(\.(0|[1-9][0-9]{0,3}|[1-5][0-9]{4}|"
                                        r"6[0-4][0-9]{3}|65[0-4][0-9]{2}|655[0-2][0-9]|6553[0-5])){0,3}$"},
        "Scope": {"enum": ["user", "machine"]},
        "InstallModes": {"type": "array", "uniqueItems": True, "maxItems": 3,
                         "items": {"enum": ["interactive", "silent", "silentWithProgress"]}},
        "UpgradeBehavior": {"enum": ["install", "uninstallPrevious", "deny"]},
        "ElevationRequirement": {"enum": ["elevationRequired", "elevationProhibited", "elevatesSelf"]},
        "Installers": {"type": "array", "minItems": 1, "maxItems": 1024, "items": INSTALLER},
    }),
    "defaultLocale": manifest("defaultLocale",
                              ["PackageLocale", "Publisher", "PackageName", "License", "ShortDescription"], {
        "PackageLocale": LOCALE, "Publisher": text(2, 256), "PublisherUrl": URL, "PublisherSupportUrl": URL,
        "PackageName": text(2, 256), "PackageUrl": URL, "License": text(3, 512), "Copyright": text(3, 512),
        "ShortDescription": text(3, 256),
        "Tags": {"type": "array", "maxItems": 16, "uniqueItems": True, "items": text(1, 40)},
    }),
}

failures = []


def fail(message):
    failures.append(message)
    print("FAILED:", message)


def sha256(path):
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()


def msi_properties(path):
    table = subprocess.run(["msiinfo", "export", path, "Property"], check=True, capture_output=True,
                           text=True).stdout
    return dict(line.split("\t", 1) for line in table.splitlines()[3:] if "\t" in line)


def version_strings(exe):
    """The StringFileInfo values of a program: each key in UTF-16, then its
    value from the next 32-bit boundary."""
    data = open(exe, "rb").read()
    values = {}
    for key in ("ProductName", "CompanyName", "FileVersion"):
        found = data.find((key + "\0").encode("utf-16-le"))
        if found < 0:
            continue
        start = found + 2 * (len(key) + 1)
        start += -start % 4
        end = start
        while data[end:end + 2] != b"\0\0":
            end += 2
        values[key] = data[start:end].decode("utf-16-le")
    return values


def check_set(folder, version):
    target = os.path.join(folder, "winget", "Quorvex.Tidewell", version)
    loaded = {}
    for kind, suffix in (("version", ""), ("installer", ".installer"), ("defaultLocale", ".locale.en-US")):
        path = os.path.join(target, f"Quorvex.Tidewell{suffix}.yaml")
        with open(path, encoding="utf-8") as file:
            loaded[kind] = document = yaml.safe_load(file)
        for error in jsonschema.Draft7Validator(SCHEMAS[kind]).iter_errors(document):
            fail(f"{os.path.basename(path)}: {'/'.join(map(str, error.path))}: {error.message}")
        if document.get("ManifestVersion") != MANIFEST_VERSION or document.get("PackageVersion") != version:
            fail(f"{os.path.basename(path)}: not a {MANIFEST_VERSION} manifest of {version}")
    return loaded


def check_installers(folder, version, stage, installers):
    kinds = sorted((entry["Architecture"], entry.get("InstallerType")) for entry in installers)
    if kinds != [("x64", "msi"), ("x64", "nullsoft"), ("x86", "msi"), ("x86", "nullsoft")]:
        fail(f"installers: {kinds}")
    for entry in installers:
        name = entry["InstallerUrl"].rsplit("/", 1)[-1]
        path = os.path.join(folder, name)
        if not os.path.isfile(path) or sha256(path) != entry["InstallerSha256"].lower():
            fail(f"{name}: SHA-256 does not match the file")
            continue
        if entry["InstallerType"] != "msi":
            continue
        properties = msi_properties(path)
        resource = version_strings(os.path.join(stage, entry["Architecture"], "Tidewell.exe"))
        expected = {"ProductCode": entry["ProductCode"], "ProductVersion": version,
                    "ProductName": resource.get("ProductName"), "Manufacturer": resource.get("CompanyName")}
        for key, value in expected.items():
            if properties.get(key) != value:
                fail(f"{name}: {key} is {properties.get(key)!r}, expected {value!r}")
        if resource.get("FileVersion") != version + ".0":
            fail(f"{name}: the program's FileVersion is {resource.get('FileVersion')!r}, the package's {version}")
        if os.path.getsize(path) >= 2 * 1024 * 1024:
            fail(f"{name}: {os.path.getsize(path)} bytes, not under 2 MB")


def main():
    folder, version, stage = sys.argv[1:4]
    loaded = check_set(folder, version)
    check_installers(folder, version, stage, loaded["installer"].get("Installers", []))
    if failures:
        sys.exit(1)
    print("manifests: checked")


if __name__ == "__main__":
    main()
