#!/usr/bin/python3
"""Writes the winget manifest set of one release:
    packaging/winget.py PACKAGE_DIR VERSION
into PACKAGE_DIR/winget/Quorvex.Tidewell/VERSION/, for the x64 and x86
Windows Installer packages and NSIS installers found in PACKAGE_DIR.
TW_RELEASE_URL is the folder the files are published in."""
import hashlib
import os
import subprocess
import sys

import yaml

IDENTIFIER = "Quorvex.Tidewell"
MANIFEST_VERSION = "1.6.0"
PRODUCT = "Quorvex Tidewell"
PUBLISHER = "Quorvex Software"
HERE = os.path.dirname(os.path.abspath(__file__))


def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as file:
        for block in iter(lambda: file.read(1 << 20), b""):
            digest.update(block)
    return digest.hexdigest().upper()


def product_code(arch, version):
    return subprocess.run([os.path.join(HERE, "product-code.sh"), arch, version],
                          check=True, capture_output=True, text=True).stdout.strip()


def installers(folder, version, base_url):
    def entry(arch, kind, file, silent, progress, code):
        return {"Architecture": arch, "InstallerType": kind, "InstallerUrl": base_url + file,
                "InstallerSha256": sha256(os.path.join(folder, file)),
                "InstallerSwitches": {"Silent": silent, "SilentWithProgress": progress}, "ProductCode": code}

    entries = []
    for arch in ("x64", "x86"):
        code = product_code(arch, version)
        msi = entry(arch, "msi", f"Tidewell-{version}-{arch}.msi", "/qn", "/qb!", code)
        msi["AppsAndFeaturesEntries"] = [{"DisplayName": PRODUCT, "Publisher": PUBLISHER,
                                          "DisplayVersion": version, "ProductCode": code}]
        entries.append(msi)
        # The NSIS installer's entry in Programs and Features is named so.
        entries.append(entry(arch, "nullsoft", f"Tidewell-{version}-{arch}-setup.exe", "/S", "/S", PRODUCT))
    return entries


def manifests(folder, version, base_url):
    common = {"PackageIdentifier": IDENTIFIER, "PackageVersion": version}
    tail = {"ManifestVersion": MANIFEST_VERSION}
    return {
        "version": {**common, "DefaultLocale": "en-US", "ManifestType": "version", **tail},
        "installer": {**common, "MinimumOSVersion": "10.0.0.0", "Scope": "machine",
                      "InstallModes": ["interactive", "silent", "silentWithProgress"],
                      "UpgradeBehavior": "install", "ElevationRequirement": "elevatesSelf",
                      "Installers": installers(folder, version, base_url),
                      "ManifestType": "installer", **tail},
        "locale.en-US": {**common, "PackageLocale": "en-US", "Publisher": PUBLISHER,
                         "PublisherUrl": "https://quorvex.example/",
                         "PublisherSupportUrl": "https://quorvex.example/support",
                         "PackageName": PRODUCT, "PackageUrl": "https://quorvex.example/tidewell",
                         "License": "Proprietary", "Copyright": f"Copyright (C) 2026 {PUBLISHER}",
                         "ShortDescription": "Registry, drive, startup, Internet and privacy maintenance in one suite.",
                         "Tags": ["cleaner", "registry", "startup", "privacy", "shredder"],
                         "ManifestType": "defaultLocale", **tail},
    }


def main():
    folder, version = sys.argv[1], sys.argv[2]
    base_url = os.environ.get("TW_RELEASE_URL", f"https://quorvex.example/tidewell/download/{version}/")
    if not base_url.endswith("/"):
        base_url += "/"
    target = os.path.join(folder, "winget", IDENTIFIER, version)
    os.makedirs(target, exist_ok=True)
    for kind, manifest in manifests(folder, version, base_url).items():
        name = IDENTIFIER + ("" if kind == "version" else "." + kind) + ".yaml"
        schema_kind = "defaultLocale" if kind.startswith("locale") else kind
        with open(os.path.join(target, name), "w", encoding="utf-8", newline="\n") as file:
            file.write(f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{schema_kind}."
                       f"{MANIFEST_VERSION}.schema.json\n")
            yaml.safe_dump(manifest, file, sort_keys=False, allow_unicode=True)
    print(target)


if __name__ == "__main__":
    main()
