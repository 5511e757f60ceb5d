#!/usr/bin/env python3
"""Builds the Torva installer (MSI) and the portable zip from the programs of a Windows build.

    package.py --version 1.0.0 --program PATH... --sample-script PATH --sample-menu PATH
               --sample-picture PATH --actions-dll PATH [--help-folder DIR] [--data PATH...]
               --msi OUT.msi [--zip OUT.zip] [--manifest OUT.txt] [--work DIR]

The WiX source (torva.wxs.in) is completed with the given programs and the help pages found, built
with wixl and finished with msibuild where wixl lacks a feature: the database code page (Japanese
texts), the sample menu's component flags, the place of the old product's removal and the secure
MENUFILE property. Both packages hold the same files; the manifest lists them, one relative path a
line, for the tests. Nothing is rebuilt when no input changed.
"""
import argparse
import hashlib
import os
import re
import subprocess
import sys
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
EDITOR = "Tvsetup.exe"

# Component attributes: 64-bit, permanent, never overwrite (the sample menu is the administrator's).
SAMPLE_MENU_ATTRIBUTES = 0x100 | 0x10 | 0x80
# Custom action types wixl gets wrong: the immediate one runs as the caller; the undo of the written
# menu is a rollback action (0x100 | 0x400) with the installer's rights (0x800) whose result is ignored.
CUSTOM_ACTION_TYPES = {"PrepareMenuFile": 0x1, "UndoMenuFile": 0x1 | 0x40 | 0x100 | 0x400 | 0x800}
# The products an install replaces: older versions and the same version (migrate features, maximum
# version included).
UPGRADE_ATTRIBUTES = 0x1 | 0x200
# The old product goes right after InstallValidate, before anything of the new one is installed.
REMOVE_EXISTING_SEQUENCE = 1401
# Where the WiX attributes that may hold Japanese land: wixl cannot store non-ASCII text, so such
# texts are put in after the build.
TEXT_COLUMNS = {
    ("RegistryValue", "Value"): ("Registry", "Value"),
    ("Shortcut", "Name"): ("Shortcut", "Name"),
    ("MajorUpgrade", "DowngradeErrorMessage"): ("LaunchCondition", "Description"),
}


def xml_escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace('"', "&quot;")


def wixl_path(path):
    """wixl looks for sources relative to its working folder only: it runs in "/" and gets this."""
    return xml_escape(os.path.relpath(os.path.abspath(path), "/"))


def component_id(prefix, name):
    return prefix + re.sub(r"[^A-Za-z0-9_.]", "_", name)


def help_name(folder):
    """The help folder keeps its name in the program folder, where the editor looks for it."""
    return os.path.basename(os.path.normpath(folder))


def help_files(folder):
    """Relative paths (with "/") of every file below the help folder, sorted."""
    if not folder or not os.path.isdir(folder):
        return []
    found = []
    for root, dirs, files in os.walk(folder):
        dirs.sort()
        for name in sorted(files):
            found.append(os.path.relpath(os.path.join(root, name), folder).replace(os.sep, "/"))
    return found


def help_directories(help_folder, files):
    """The WiX Directory tree of the help pages, one component per file."""
    if not files:
        return "", ""
    tree = {}
    for rel in files:
        node = tree
        for part in rel.split("/")[:-1]:
            node = node.setdefault(part, {})
        node.setdefault("", []).append(rel)
    refs = []
    directories = []

    def emit(node, dir_id, name, indent):
        lines = [f'{indent}<Directory Id="{dir_id}" Name="{xml_escape(name)}">']
        for rel in node.get("", []):
            # Numbered: file names may be long or differ only in characters an identifier cannot hold.
            cid = f"Help{len(refs) + 1:04d}"
            refs.append(cid)
            source = os.path.join(help_folder, *rel.split("/"))
            lines.append(f'{indent}  <Component Id="{cid}" Guid="*" Win64="yes">')
            lines.append(f'{indent}    <File Id="{cid}" Name="{xml_escape(rel.split("/")[-1])}" '
                         f'Source="{wixl_path(source)}" KeyPath="yes"/>')
            lines.append(f"{indent}  </Component>")
        for sub in sorted(k for k in node if k):
            directories.append(sub)
            lines += emit(node[sub], f"HelpFolder{len(directories):03d}", sub, indent + "  ")
        lines.append(f"{indent}</Directory>")
        return lines

    text = "\n".join(emit(tree, "HelpFolder", help_name(help_folder), " " * 10))
    return text, "\n".join(f'      <ComponentRef Id="{r}"/>' for r in refs)


def wix_source(args, helps):
    names = [os.path.basename(p) for p in args.program]
    components = []
    refs = []
    for path in args.data or []:
        name = os.path.basename(path)
        cid = component_id("Data_", name)
        refs.append(f'      <ComponentRef Id="{cid}"/>')
        components.append(f'          <Component Id="{cid}" Guid="*" Win64="yes">\n'
                          f'            <File Id="{name}" Name="{name}" Source="{wixl_path(path)}" KeyPath="yes"/>\n'
                          f"          </Component>")
    for path, name in zip(args.program, names):
        cid = component_id("Program_", name)
        refs.append(f'      <ComponentRef Id="{cid}"/>')
        components.append(f'          <Component Id="{cid}" Guid="*" Win64="yes">\n'
                          f'            <File Id="{name}" Name="{name}" Source="{wixl_path(path)}" KeyPath="yes"/>\n'
                          f"          </Component>")
    has_editor = EDITOR in names
    edit_verb = ""
    editor_shortcut = ""
    if has_editor:
        # Tvshell adds the same verb once the editor is beside it; opening stays the default.
        edit_verb = "\n".join([
            '            <RegistryValue Root="HKCR" Key="tvx_auto_file\\shell" Type="string" Value="open"/>',
            '            <RegistryValue Root="HKCR" Key="tvx_auto_file\\shell\\edit" Type="string" '
            'Value="メニュー編集(&amp;E)"/>',
            '            <RegistryValue Root="HKCR" Key="tvx_auto_file\\shell\\edit\\command" Type="string" '
            'Value="&quot;[INSTALLDIR]Tvsetup.exe&quot; &quot;%1&quot;"/>'])
        editor_shortcut = ('            <Shortcut Id="EditorShortcut" Name="Torva メニュー編集" '
                           'Target="[INSTALLDIR]Tvsetup.exe" WorkingDirectory="INSTALLDIR"/>')
    help_tree, help_refs = help_directories(args.help_folder, helps)
    torva = [p for p in args.program if os.path.basename(p) == "Torva.exe"]
    if not torva:
        sys.exit("package.py: Torva.exe is not among the programs")
    values = {
        "VERSION": args.version,
        "TORVA_EXE": wixl_path(torva[0]),
        "PROGRAM_COMPONENTS": "\n".join(components),
        "COMPONENT_REFS": "\n".join(refs + ([help_refs] if help_refs else [])),
        "SAMPLE_SCRIPT": wixl_path(args.sample_script),
        "SAMPLE_MENU": wixl_path(args.sample_menu),
        "SAMPLE_PICTURE": wixl_path(args.sample_picture),
        "ACTIONS_DLL": wixl_path(args.actions_dll),
        "EDIT_VERB": edit_verb,
        "EDITOR_SHORTCUT": editor_shortcut,
        "HELP": help_tree,
    }
    with open(os.path.join(HERE, "torva.wxs.in"), encoding="utf-8") as f:
        text = f.read()
    text = re.sub(r"@([A-Z_]+)@", lambda m: values[m.group(1)], text)
    return text


def split_texts(source):
    """Replaces each non-ASCII text by a token that wixl can store: (source, [(table, column, token, text)])."""
    texts = []

    def swap_attribute(tag, match):
        name, value = match.group(1), match.group(2)
        if value.isascii():
            return match.group(0)
        if (tag, name) not in TEXT_COLUMNS:
            sys.exit(f"package.py: wixl cannot store the text of {tag} {name}: {value}")
        token = f"TORVATEXT{len(texts) + 1}"
        table, column = TEXT_COLUMNS[(tag, name)]
        texts.append((table, column, token, value.replace("&amp;", "&")))
        return f'{name}="{token}"'

    def swap_element(match):
        tag = match.group(1)
        return re.sub(r'\b(\w+)="([^"]*)"', lambda m: swap_attribute(tag, m), match.group(0))

    return re.sub(r"<(\w+)\b[^>]*>", swap_element, source), texts


def run(command, cwd=None):
    result = subprocess.run(command, capture_output=True, text=True, cwd=cwd)
    if result.returncode != 0:
        sys.exit(f"package.py: {' '.join(command)} failed ({result.returncode}):\n{result.stdout}{result.stderr}")
    return result.stdout


def sql_text(value):
    if "'" in value:
        sys.exit(f"package.py: a text holds a quote: {value}")
    return f"'{value}'"


def finish_msi(msi, texts, work):
    """The parts wixl cannot write, applied to the built database."""
    codepage = os.path.join(work, "_ForceCodepage.idt")
    with open(codepage, "w", newline="") as f:
        f.write("\r\n\r\n932\t_ForceCodepage\r\n")
    queries = [
        f"UPDATE `Component` SET `Attributes` = {SAMPLE_MENU_ATTRIBUTES}, `Condition` = 'NOT MENUFILE' "
        "WHERE `Component` = 'SampleMenu'",
        f"UPDATE `InstallExecuteSequence` SET `Sequence` = {REMOVE_EXISTING_SEQUENCE} "
        "WHERE `Action` = 'RemoveExistingProducts'",
    ]
    # A rebuild of the same version (a new product code) replaces the installed one as well, instead
    # of landing beside it in the same folder.
    # (The attributes are part of the row's key: the row is replaced.)
    properties = dict(line.split("\t", 1) for line in run(["msiinfo", "export", msi, "Property"]).splitlines()[3:])
    queries.append("DELETE FROM `Upgrade` WHERE `ActionProperty` = 'WIX_UPGRADE_DETECTED'")
    queries.append("INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMax`, `Attributes`, `ActionProperty`) VALUES "
                   f"({sql_text(properties['UpgradeCode'])}, {sql_text(properties['ProductVersion'])}, "
                   f"{UPGRADE_ATTRIBUTES}, 'WIX_UPGRADE_DETECTED')")
    for action, kind in CUSTOM_ACTION_TYPES.items():
        queries.append(f"UPDATE `CustomAction` SET `Type` = {kind} WHERE `Action` = '{action}'")
    secure = [properties["SecureCustomProperties"]] if "SecureCustomProperties" in properties else []
    secure_value = ";".join(secure + ["MENUFILE"])
    queries.append(f"UPDATE `Property` SET `Value` = {sql_text(secure_value)} "
                   "WHERE `Property` = 'SecureCustomProperties'" if secure else
                   f"INSERT INTO `Property` (`Property`, `Value`) VALUES ('SecureCustomProperties', 'MENUFILE')")
    shortcuts = 0
    for table, column, token, value in texts:
        if table == "Shortcut":
            # A long name needs a short one in front of it.
            shortcuts += 1
            value = f"TORVA~{shortcuts}|{value}"
        queries.append(f"UPDATE `{table}` SET `{column}` = {sql_text(value)} WHERE `{column}` = {sql_text(token)}")
    command = ["msibuild", msi, "-i", codepage]
    for q in queries:
        command += ["-q", q]
    run(command)


def check_no_tokens(msi, texts):
    for table, column, token, _ in texts:
        if token in run(["msiinfo", "export", msi, table]):
            sys.exit(f"package.py: {token} was left in {table}.{column}")


def build_msi(args, helps, work):
    source = wix_source(args, helps)
    body, texts = split_texts(source)
    wxs = os.path.join(work, "torva.wxs")
    with open(wxs, "w", encoding="utf-8") as f:
        f.write(body)
    # Built in the work folder, where a failed step leaves its temporary files, and moved out whole.
    partial = os.path.join(work, "package.msi")
    if os.path.exists(partial):
        os.remove(partial)
    run(["wixl", "-a", "x64", "-o", os.path.abspath(partial), os.path.abspath(wxs)], cwd="/")
    finish_msi(partial, texts, work)
    check_no_tokens(partial, texts)
    os.replace(partial, args.msi)


def package_files(args, helps):
    """(path in the program folder, source) of every file both packages hold."""
    files = [(os.path.basename(p), p) for p in args.program + (args.data or [])]
    files += [("SMPTVS.TVS", args.sample_script), ("TORVA.TVX", args.sample_menu),
              ("TORVABG.BMP", args.sample_picture)]
    files += [(help_name(args.help_folder) + "/" + rel, os.path.join(args.help_folder, *rel.split("/")))
              for rel in helps]
    return files


def build_zip(args, files):
    partial = args.zip + ".partial"
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED) as z:
        for rel, source in files:
            z.write(source, "Torva/" + rel)
    os.replace(partial, args.zip)


def inputs_digest(args, files):
    h = hashlib.sha256()
    h.update(repr(sorted(vars(args).items())).encode())
    for name in ("torva.wxs.in", "package.py"):
        with open(os.path.join(HERE, name), "rb") as f:
            h.update(f.read())
    for rel, source in files + [("actions", args.actions_dll)]:
        h.update(rel.encode())
        with open(source, "rb") as f:
            h.update(hashlib.sha256(f.read()).digest())
    return h.hexdigest()


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--version", required=True)
    p.add_argument("--program", action="append", required=True)
    p.add_argument("--sample-script", required=True)
    p.add_argument("--sample-menu", required=True)
    p.add_argument("--sample-picture", required=True)
    p.add_argument("--actions-dll", required=True)
    p.add_argument("--help-folder")
    p.add_argument("--data", action="append", help="a file installed beside the programs")
    p.add_argument("--msi", required=True)
    p.add_argument("--zip")
    p.add_argument("--manifest")
    p.add_argument("--work")
    args = p.parse_args()
    if not re.fullmatch(r"\d+\.\d+\.\d+", args.version):
        sys.exit(f"package.py: version {args.version} is not major.minor.patch")
    for path in args.program + (args.data or []) + [args.sample_script, args.sample_menu, args.sample_picture, args.actions_dll]:
        if not os.path.isfile(path):
            sys.exit(f"package.py: {path} is missing")
    helps = help_files(args.help_folder)
    files = package_files(args, helps)
    work = args.work or os.path.splitext(args.msi)[0] + ".work"
    os.makedirs(work, exist_ok=True)
    stamp = os.path.join(work, "inputs.sha256")
    digest = inputs_digest(args, files)
    outputs = [o for o in (args.msi, args.zip, args.manifest) if o]
    if all(os.path.exists(o) for o in outputs) and os.path.exists(stamp):
        with open(stamp) as f:
            if f.read() == digest:
                return
    build_msi(args, helps, work)
    if args.zip:
        build_zip(args, files)
    if args.manifest:
        with open(args.manifest, "w", newline="\n") as f:
            f.write("".join(rel + "\n" for rel, _ in files))
    with open(stamp, "w") as f:
        f.write(digest)
    print(f"Packaged {len(files)} files: " + " ".join(rel for rel, _ in files))


if __name__ == "__main__":
    main()
