#!/usr/bin/env python3
"""Reads the built qvconfig.exe as Windows would and checks what Wine cannot show.

    program_check.py QVCONFIG_EXE VERSION ICON_FOLDER

Under Wine a 64-bit program still finds Direct3D 8, an unthemed or unscaled window looks
the same, and nothing virtualises a protected folder; on a player's Windows machine none of
that holds. So the decisions are read from the program itself: a 32-bit GUI program, the
libraries it imports (Direct3D 8 and the setup library only by name, loaded at run time),
its manifest, its icon group (from the same drawings as the Linux icons) and its version.
"""

import os
import re
import struct
import sys
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "..", "scripts"))
import make_ico  # noqa: E402

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
# Libraries every Windows from 7 on has.
SYSTEM_LIBRARIES = {"comctl32.dll", "dinput8.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll",
                    "ole32.dll", "shell32.dll", "user32.dll", "windowscodecs.dll"}
ICON_SIZES = [16, 24, 32, 48, 64, 128, 256]
WINDOWS_SUPPORTED = {  # 7, 8, 8.1, 10 and 11
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}
# Words that make Windows take a program without an execution level for an installer.
INSTALLER_WORDS = re.compile(r"setup|install|update|patch", re.IGNORECASE)


class Program:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        self.machine, sections, _, _, _, optional_size, self.characteristics = \
            struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from("<H", data, optional)[0]
        self.subsystem = struct.unpack_from("<H", data, optional + 68)[0]
        directories = optional + 96
        self.imports_rva = struct.unpack_from("<I", data, directories + 8)[0]
        self.resources_rva = struct.unpack_from("<I", data, directories + 16)[0]
        self.sections = []
        for i in range(sections):
            at = optional + optional_size + 40 * i
            size, rva, raw_size, raw = struct.unpack_from("<IIII", data, at + 8)
            self.sections.append((rva, max(size, raw_size), raw))

    def offset(self, rva):
        for start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError(f"RVA {rva:#x} is in no section")

    def c_string(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("ascii")

    def imports(self):
        names, at = [], self.offset(self.imports_rva)
        while True:
            name_rva = struct.unpack_from("<I", self.data, at + 12)[0]
            if name_rva == 0:
                return names
            names.append(self.c_string(name_rva).lower())
            at += 20

    def resources(self):
        """{(type, id): bytes} of the first language of each resource."""
        base = self.offset(self.resources_rva)

        def entries(directory):
            named, ids = struct.unpack_from("<HH", self.data, base + directory + 12)
            for i in range(named + ids):
                key, value = struct.unpack_from("<II", self.data, base + directory + 16 + 8 * i)
                yield key, value & 0x7FFFFFFF, bool(value & 0x80000000)

        found = {}
        for kind, names, _ in entries(0):
            for name, languages, _ in entries(names):
                for _, leaf, _ in entries(languages):
                    rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    at = self.offset(rva)
                    found.setdefault((kind, name), self.data[at:at + size])
        return found


def check_manifest(text, failures):
    root = ElementTree.fromstring(text)
    every = list(root.iter())
    tag = lambda element: element.tag.split("}")[-1]
    if any(tag(e) in ("requestedExecutionLevel", "trustInfo") for e in every):
        failures.append("the manifest asks for an execution level: no file virtualisation")
    identities = [e.attrib for e in every if tag(e) == "assemblyIdentity"]
    if not any(i.get("name") == "Microsoft.Windows.Common-Controls" and
               i.get("version") == "6.0.0.0" for i in identities):
        failures.append("the manifest has no Common Controls 6 dependency")
    if identities and identities[0].get("processorArchitecture") != "x86":
        failures.append(f"the manifest's own identity is not x86: {identities[0]}")
    awareness = [e.text.strip() for e in every if tag(e) == "dpiAwareness"]
    if not awareness or not awareness[0].startswith("PerMonitorV2"):
        failures.append(f"the manifest does not declare per-monitor v2 first: {awareness}")
    if [e.text.strip().lower() for e in every if tag(e) == "dpiAware"] != ["true"]:
        failures.append("the manifest has no dpiAware fallback")
    supported = {e.attrib.get("Id", "").lower() for e in every if tag(e) == "supportedOS"}
    if supported != WINDOWS_SUPPORTED:
        failures.append(f"the manifest supports {sorted(supported)}")


def check_icons(resources, icon_folder, failures):
    groups = [data for (kind, _), data in sorted(resources.items()) if kind == RT_GROUP_ICON]
    if len(groups) != 1:
        return failures.append(f"{len(groups)} icon groups, not one")
    _, _, count = struct.unpack_from("<HHH", groups[0], 0)
    sizes = []
    for i in range(count):
        width, _, _, _, _, bits, _, icon_id = struct.unpack_from("<BBBBHHIH", groups[0], 6 + 14 * i)
        size = width or 256
        sizes.append(size)
        image = resources.get((RT_ICON, icon_id))
        with open(os.path.join(icon_folder, f"app-{size}.png"), "rb") as f:
            drawn = f.read()
        if image is None or bits != 32:
            failures.append(f"the {size} px icon is missing or not 32-bit")
        elif size > make_ico.LARGEST_BITMAP:
            if image != drawn:
                failures.append(f"the {size} px icon is not the drawn PNG")
        elif image != make_ico.bitmap_entry(*make_ico.read_png(drawn)):
            failures.append(f"the {size} px icon's pixels are not the drawn picture's")
    if sizes != ICON_SIZES:
        failures.append(f"icon sizes {sizes}, not {ICON_SIZES}")


def check_version(block, version, failures):
    at = block.find(struct.pack("<I", 0xFEEF04BD))
    if at < 0:
        return failures.append("no fixed version information")
    file_ms, file_ls = struct.unpack_from("<II", block, at + 8)
    parts = [file_ms >> 16, file_ms & 0xFFFF, file_ls >> 16, file_ls & 0xFFFF]
    if parts != [int(p) for p in version.split(".")] + [0]:
        failures.append(f"file version {parts}, not {version}")
    text = block.decode("utf-16-le", errors="replace")
    for key, value in (("FileDescription", "Zarvex Configuration"), ("ProductName", "Zarvex"),
                       ("FileVersion", version), ("ProductVersion", version),
                       ("OriginalFilename", "qvconfig.exe")):
        if not re.search(key + r"\x00+" + re.escape(value) + r"\x00", text):
            failures.append(f"version string {key} is not {value!r}")
    strings = "".join(c if c.isprintable() else " " for c in text)
    if INSTALLER_WORDS.search(strings):
        failures.append(f"the version strings hold an installer word: {strings!r}")


def main(path, version, icon_folder):
    with open(path, "rb") as f:
        program = Program(f.read())
    failures = []
    if (program.machine, program.magic, program.subsystem) != (0x14C, 0x10B, 2):
        failures.append(f"not a 32-bit x86 GUI program: machine {program.machine:#x}, "
                        f"magic {program.magic:#x}, subsystem {program.subsystem}")
    imports = program.imports()
    if not set(imports) <= SYSTEM_LIBRARIES:
        failures.append(f"imports more than the system's libraries: {imports}")
    for runtime_library in (b"d3d8.dll", b"dsetup.dll"):
        if runtime_library.decode() in imports or runtime_library not in program.data:
            failures.append(f"{runtime_library.decode()} is not loaded by name at run time")
    resources = program.resources()
    manifest = resources.get((RT_MANIFEST, 1))
    if manifest is None:
        failures.append("no application manifest (RT_MANIFEST 1)")
    else:
        check_manifest(manifest.decode("utf-8"), failures)
    check_icons(resources, icon_folder, failures)
    if (RT_VERSION, 1) not in resources:
        failures.append("no version resource")
    else:
        check_version(resources[(RT_VERSION, 1)], version, failures)
    for failure in failures:
        print("FAIL:", failure)
    print(f"{path}: 32-bit x86 GUI program importing {', '.join(imports)}; "
          f"{len(resources)} resources; {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
