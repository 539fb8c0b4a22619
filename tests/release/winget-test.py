"""The winget manifest of a release folder against the rules of winget's
published schemas for manifest version 1.12.0, as their documentation gives
them: each file is YAML, has its type's required keys and no unknown one,
and its values keep to the allowed words, patterns and lengths; the four
files agree on the package and on the default locale, and the installer's checksum is that of the installer beside it.

    python3 winget-test.py DIST
"""
import hashlib
import pathlib
import re
import sys

import yaml

NAME = r'[^.\s\\/:*?"<>|\x01-\x1f]{1,32}'
LOCALE = r"^([a-zA-Z]{2,3}|[iI]-[a-zA-Z]+|[xX]-[a-zA-Z]{1,8})(-[a-zA-Z]{1,8})*$"
URL = r"^([Hh][Tt][Tt][Pp][Ss]?)://.+$"
OS_PART = r"(0|[1-9][0-9]{0,3}|[1-5][0-9]{4}|6[0-4][0-9]{3}|65[0-4][0-9]{2}|655[0-2][0-9]|6553[0-5])"


def leaf(test):  # a rule: value, where -> problems
    return lambda v, at: [] if test(v) else [f"{at}: {v!r} breaks its rule"]


def text(low=1, high=10**9, pattern=None):
    return leaf(lambda v: isinstance(v, str) and low <= len(v) <= high and
                (pattern is None or re.search(pattern, v) is not None))


def word(*words):
    return leaf(lambda v: v in words)


def items(rule, most):
    return lambda v, at: ([] if isinstance(v, list) and len(v) <= most else [f"{at}: not a list of {most}"]) \
        + [p for n, item in enumerate(v or []) for p in rule(item, f"{at}[{n}]")]


def mapping(required, rules):  # a rule of None: a known key this check does not look into
    def check(v, at):
        if not isinstance(v, dict):
            return [f"{at}: not a mapping"]
        return [f"{at}/{k}: missing" for k in required if k not in v] + \
            [f"{at}/{k}: no key of this file" for k in v if k not in rules] + \
            [p for k in v if rules.get(k) for p in rules[k](v[k], f"{at}/{k}")]
    return check


COMMON = {"PackageIdentifier": text(1, 128, rf"^{NAME}(\.{NAME}){{1,7}}$"),
          "PackageVersion": text(1, 128, r'^[^\\/:*?"<>|\x01-\x1f]+$'),
          "ManifestVersion": word("1.12.0")}
TYPES = {"version": word("version"), "installer": word("installer"),
         "defaultLocale": word("defaultLocale"), "locale": word("locale")}
LOCALE_KEYS = {**COMMON, "PackageLocale": text(1, 20, LOCALE), "Publisher": text(2, 256),
               "PackageName": text(2, 256), "License": text(3, 512), "ShortDescription": text(3, 256),
               "Description": text(3, 10000), "Moniker": text(1, 40), "Tags": items(text(1, 40), 16),
               "Author": text(2, 256), "Copyright": text(3, 512), "ReleaseNotes": text(1, 10000),
               "InstallationNotes": text(1, 10000), "Agreements": None, "Documentations": None,
               "Icons": None, **{k: text(1, 2048, URL) for k in (
                   "PublisherUrl", "PublisherSupportUrl", "PrivacyUrl", "PackageUrl", "LicenseUrl",
                   "CopyrightUrl", "ReleaseNotesUrl", "PurchaseUrl")}}
INSTALLER_TYPE = word("msix", "msi", "appx", "exe", "zip", "inno", "nullsoft", "wix", "burn",
                      "pwa", "portable", "font")
INSTALLER_KEYS = {
    "InstallerLocale": text(1, 20, LOCALE), "Platform": items(word("Windows.Desktop", "Windows.Universal"), 2),
    "MinimumOSVersion": text(pattern=rf"^{OS_PART}(\.{OS_PART}){{0,3}}$"), "InstallerType": INSTALLER_TYPE,
    "Scope": word("user", "machine"), "InstallModes": items(word("interactive", "silent", "silentWithProgress"), 3),
    "InstallerSwitches": mapping([], {k: text(1, 2048 if k == "Custom" else 512) for k in (
        "Silent", "SilentWithProgress", "Interactive", "InstallLocation", "Log", "Upgrade", "Custom", "Repair")}),
    "ExpectedReturnCodes": items(mapping(["InstallerReturnCode", "ReturnResponse"], {
        "InstallerReturnCode": leaf(lambda v: isinstance(v, int) and v != 0), "ReturnResponseUrl": text(1, 2048, URL),
        "ReturnResponse": word("packageInUse", "packageInUseByApplication", "installInProgress", "fileInUse",
                              "missingDependency", "diskFull", "insufficientMemory", "invalidParameter",
                              "noNetwork", "contactSupport", "rebootRequiredToFinish", "rebootRequiredForInstall",
                              "rebootInitiated", "cancelledByUser", "alreadyInstalled", "downgrade",
                              "blockedByPolicy", "systemNotSupported", "custom")}), 128),
    "UpgradeBehavior": word("install", "uninstallPrevious", "deny"), "ProductCode": text(1, 255),
    "AppsAndFeaturesEntries": items(mapping([], {
        "DisplayName": text(1, 256), "Publisher": text(1, 256), "DisplayVersion": text(1, 128),
        "ProductCode": text(1, 255), "UpgradeCode": text(1, 255), "InstallerType": INSTALLER_TYPE}), 128),
    "ElevationRequirement": word("elevationRequired", "elevationProhibited", "elevatesSelf"),
    **dict.fromkeys(("NestedInstallerType", "NestedInstallerFiles", "InstallerSuccessCodes", "Commands",
                     "Protocols", "FileExtensions", "Dependencies", "PackageFamilyName", "Capabilities",
                     "RestrictedCapabilities", "Markets", "InstallerAbortsTerminal", "ReleaseDate",
                     "InstallLocationRequired", "RequireExplicitUpgrade", "DisplayInstallWarnings",
                     "UnsupportedOSArchitectures", "UnsupportedArguments", "InstallationMetadata",
                     "DownloadCommandProhibited", "RepairBehavior", "ArchiveBinariesDependOnPath",
                     "Authentication"))}
INSTALLER = mapping(["Architecture", "InstallerUrl", "InstallerSha256"], {
    **INSTALLER_KEYS, "Architecture": word("x86", "x64", "arm", "arm64", "neutral"),
    "InstallerUrl": text(1, 2048, URL), "InstallerSha256": text(64, 64, "^[A-Fa-f0-9]{64}$"),
    "SignatureSha256": text(64, 64, "^[A-Fa-f0-9]{64}$")})
BASE = ["PackageIdentifier", "PackageVersion", "ManifestType", "ManifestVersion"]
RULES = {
    "version": mapping(BASE + ["DefaultLocale"], {**COMMON, "ManifestType": TYPES["version"],
                                                   "DefaultLocale": text(1, 20, LOCALE)}),
    "installer": mapping(BASE + ["Installers"], {
        **COMMON, **INSTALLER_KEYS, "ManifestType": TYPES["installer"], "Channel": text(1, 16),
        "Installers": lambda v, at: items(INSTALLER, 1024)(v, at) if v else [f"{at}: no installer"]}),
    "defaultLocale": mapping(BASE + ["PackageLocale", "Publisher", "PackageName", "License", "ShortDescription"],
                             {**LOCALE_KEYS, "ManifestType": TYPES["defaultLocale"]}),
    "locale": mapping(BASE + ["PackageLocale"], {**LOCALE_KEYS, "ManifestType": TYPES["locale"]}),
}

dist = pathlib.Path(sys.argv[1])
problems, seen, locales = [], {}, []
for path in sorted(dist.glob("winget/manifests/m/Morvelin/Morvelin/*/*.yaml")):
    manifest = yaml.safe_load(path.read_text(encoding="utf-8"))
    kind = manifest.get("ManifestType")
    seen[kind] = seen.get(kind, 0) + 1
    problems += [f"{path.name}{p}" for p in RULES.get(kind, leaf(lambda v: False))(manifest, "")]
    problems += [f"{path.name}: another package or version"
                 for k in ("PackageIdentifier", "PackageVersion") if manifest.get(k) != seen.setdefault(k, manifest.get(k))]
    locales.append((kind, manifest.get("PackageLocale"), manifest.get("DefaultLocale"), path.name))
    for installer in manifest.get("Installers", []):
        local = dist / installer["InstallerUrl"].rsplit("/", 1)[1]
        if hashlib.sha256(local.read_bytes()).hexdigest() != installer["InstallerSha256"].lower():
            problems.append(f"{path.name}: the checksum is not that of {local.name}")
# The locales agree: the version file names the default locale's, and each
# locale file is named for its own.
default = [d for kind, _, d, _ in locales if kind == "version"]
problems += [f"{name}: its locale is {locale}, the version file's default {default}"
             for kind, locale, _, name in locales if kind == "defaultLocale" and [locale] != default]
problems += [f"{name}: not named for its locale {locale}"
             for _, locale, _, name in locales if locale and not name.endswith(f".locale.{locale}.yaml")]
if [seen.get(k) for k in TYPES] != [1, 1, 1, 1]:
    problems.append(f"one file of each type expected, not {seen}")
for problem in problems:
    print("winget-test: FAIL:", problem)
print(f"winget-test: {len(problems)} problems in the manifest of {seen.get('PackageVersion')}")
sys.exit(1 if problems else 0)
