#!/usr/bin/env python3
"""Checks that the installer and the zip hold the same files, the ones the manifest lists, and that
no program in them is larger than 2 MB (2 MiB, as Windows counts; the programs ship without symbols).

    check_package.py MSI ZIP MANIFEST
"""
import subprocess
import sys
import zipfile

PROGRAM_LIMIT = 2 * 1024 * 1024


def table(msi, name):
    out = subprocess.run(["msiinfo", "export", msi, name], capture_output=True, text=True, check=True).stdout
    return [line.split("\t") for line in out.splitlines()[3:]]


def long_name(name):
    return name.split("|")[-1]


def msi_files(msi):
    """Relative paths of the files below INSTALLDIR."""
    parents = {row[0]: (row[1], long_name(row[2])) for row in table(msi, "Directory")}

    def folder(directory):
        parts = []
        while directory != "INSTALLDIR":
            if directory not in parents or not parents[directory][0]:
                return None
            parent, name = parents[directory]
            parts.insert(0, name)
            directory = parent
        return "/".join(parts)

    components = {row[0]: row[2] for row in table(msi, "Component")}
    files = set()
    for row in table(msi, "File"):
        base = folder(components[row[1]])
        if base is None:
            sys.exit(f"{row[2]} is installed outside the program folder")
        files.add((base + "/" if base else "") + long_name(row[2]))
    return files


def main():
    msi, zip_path, manifest = sys.argv[1:4]
    with open(manifest, encoding="utf-8") as f:
        listed = {line.strip() for line in f if line.strip()}
    with zipfile.ZipFile(zip_path) as z:
        zipped = {n[len("Torva/"):] for n in z.namelist() if n.startswith("Torva/") and not n.endswith("/")}
        others = [n for n in z.namelist() if not n.startswith("Torva/")]
        oversized = [f"{i.filename} ({i.file_size} bytes)" for i in z.infolist()
                     if i.filename.lower().endswith((".exe", ".dll")) and i.file_size > PROGRAM_LIMIT]
    installed = msi_files(msi)
    problems = []
    if others:
        problems.append(f"zip entries outside Torva/: {others}")
    if oversized:
        problems.append(f"programs over {PROGRAM_LIMIT} bytes: {oversized}")
    for name, found in (("installer", installed), ("zip", zipped)):
        if found != listed:
            problems.append(f"{name}: missing {sorted(listed - found)}, extra {sorted(found - listed)}")
    if problems:
        sys.exit("\n".join(problems))
    print(f"{len(listed)} files in both packages")


if __name__ == "__main__":
    main()
