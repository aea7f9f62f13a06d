"""What a silent install should leave in the registry, built independently of
the program, and readers for what it actually left (`reg export` text,
`lnkinfo` output of shortcut files)."""
import re
import subprocess

# The file type catalogue: per group its (extension, class extension) pairs
# ("dib>bmp" binds dib to the class of bmp) and the icon of its class.
OWN = None  # the file's own content as icon
CATALOGUE = [
    ("ani", OWN), ("b3d", 0), ("bmp dib>bmp", 0), ("clp", 0), ("crw cr2 cr3", 0), ("cur", OWN),
    ("dcm acr>dcm ima>dcm", 0), ("dcx", 0), ("dds", 0), ("djvu iw44>djvu", 0), ("dxf", 0), ("ecw", 0),
    ("emf", 0), ("eps ps>eps", 0), ("exr", 0), ("g3", 0), ("gif", 0), ("hdp jxr>hdp wdp>hdp", 0),
    ("heic", 0), ("ico", OWN), ("iff lbm>iff", 0), ("jls", 0), ("jp2 jpc>jp2 j2k>jp2", 0),
    ("jpg jpeg>jpg jpe>jpg", 0), ("jpm", 0), ("mng jng", 0), ("pbm", 0), ("pcd", 0), ("pcx", 0),
    ("pgm", 0), ("png", 0), ("ppm", 0), ("psd", 0), ("psp", 0), ("ras sun>ras", 0), ("raw", 0),
    ("rle", 0), ("sff", 0), ("sgi rgb>sgi", 0), ("sid", 0), ("tga", 0), ("tif tiff>tif", 0),
    ("wbmp", 0), ("webp", 0), ("wmf", 0), ("xbm", 0), ("xpm", 0),
    ("swf flv", 0), ("ttf", 0), ("asf", 9), ("avi", 9), ("mpg mpe mpeg>mpg", 9), ("mov", 9), ("wmv", 9),
    ("aif", 8), ("mid rmi", 8), ("mp3", 8), ("ogg", 8), ("au snd>au", 8), ("wav", 8), ("wma", 8),
]
IMAGES = set(range(47))
ALL = set(range(61))


def pairs(group):
    out = []
    for token in CATALOGUE[group][0].split():
        ext, _, cls = token.partition(">")
        out.append((ext, cls or ext))
    return out


# Keys as `reg export` shows them; Wine's `reg` here is the 32-bit one, so HKLM
# is the registry view of the 32-bit setup (SOFTWARE\Wow6432Node folded in).
HKLM = "HKEY_LOCAL_MACHINE\\Software\\"
CLASSES = HKLM + "Classes\\"
HKCU = "HKEY_CURRENT_USER\\Software\\"
FILEEXTS = HKCU + "Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\"
UNINSTALL = HKLM + "Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pictomaze"
VERB = "Durchsuchen mit &Pictomaze"
APPX = ["AppXvhc4p7vz4b485xfp46hhk3fq3grkdgjg", "AppXk0g4vb8gvt7b93tg50ybcy892pge6jmt",
        "AppX43hnxtbyyps62jhe9sqpdzxn1790zetc", "AppX9rkaq77s0jzh1tyccadx9ghba15r6t3h",
        "AppX6eg8h5sxqq90pv53845wmnbewywdqq5h"]


def sz(text):
    return ("sz", text)


def dword(n):
    return ("dword", n)


def expected_rows(windows, folder, selection=(), assoc_all_users=False, thumbs=False):
    """{(key, value name): (type, data)} of one install; '' names a default value.

    windows: 'xp', '7' or '10' (10 reports 6.2); folder: the installation
    folder with its trailing backslash; selection: the chosen group indices."""
    xp, vista, win8 = windows == "xp", windows in ("7", "10"), windows == "10"
    exe = folder + "p_maze32.exe"
    open_command = '"%s" "%%1"' % exe
    rows = {}

    def put(key, name, value):
        rows[(key, name)] = value

    if thumbs and vista:
        for parent in ("Directory", "Drive"):
            put(CLASSES + parent + "\\shell\\" + VERB, "", sz(VERB))
            put(CLASSES + parent + "\\shell\\" + VERB + "\\command", "", sz('"%s" "%%1" /thumbs' % exe))
    put(CLASSES + "Pictomaze", "", sz("Pictomaze"))
    put(CLASSES + "Pictomaze\\shell\\open\\command", "", sz(open_command))
    put(CLASSES + "Applications\\p_maze32.exe\\shell\\open\\command", "", sz(open_command))
    put(CLASSES + "Applications\\p_maze32.exe", "FriendlyAppName", sz("Pictomaze 32-bit"))
    for name, value in (("", sz("")), ("DisplayName", sz("Pictomaze 4.58 (32-bit)")),
                        ("UninstallString", sz('"%spm_uninstall.exe"' % folder)), ("Publisher", sz("Orvandel")),
                        ("InstallLocation", sz(folder)), ("DisplayVersion", sz("4.58")),
                        ("DisplayIcon", sz(exe + ",0")), ("VersionMajor", dword(4)),
                        ("VersionMinor", dword(58)), ("EstimatedSize", dword(5500))):
        put(UNINSTALL, name, value)
    if vista:
        put(HKLM + "Pictomaze\\shell\\open\\command", "", sz('"%s"' % exe))
        put(HKLM + "Pictomaze\\Capabilities", "ApplicationDescription",
            sz("Picture viewer, editor and converter - one of the most popular viewers worldwide"))

    for group in range(61):
        selected = group in selection
        if not (vista or selected):
            continue
        icon = CATALOGUE[group][1]
        icon_ref = "%1" if icon is OWN else "%s,%d" % (exe, icon)
        for ext, cls in pairs(group):
            name = "Pictomaze." + cls
            if xp:
                put(FILEEXTS + "." + ext, "", sz(""))
                put(FILEEXTS + "." + ext, "ProgID", sz(name))
                if assoc_all_users:
                    put(CLASSES + "." + ext, "", sz(name))
            elif selected or ext in ("jpg", "png", "tif"):
                put(CLASSES + "." + ext, "", sz(name))
            put(CLASSES + name, "", sz("Pictomaze %s File" % cls.upper()))
            put(CLASSES + name + "\\shell\\open\\command", "", sz(open_command))
            put(CLASSES + name + "\\DefaultIcon", "", sz(icon_ref))
            if vista:
                put(HKLM + "Pictomaze\\Capabilities\\FileAssociations", "." + ext, sz(name))
                if selected:
                    put(FILEEXTS + "." + ext + "\\UserChoice", "Progid", sz(name))
    if win8 and selection:
        for appx in APPX:
            put(HKCU + "Classes\\" + appx, "NoOpenWith", sz(""))
    return rows


# --- `reg export` text ------------------------------------------------------

_VALUE = re.compile(r'^(@|"(?:[^"\\]|\\.)*")=(.*)$')


def _unescape(text):
    return re.sub(r"\\(.)", r"\1", text)


def parse_export(text):
    """{key (lower case): (key as shown, {name: (type, data)})} of `reg export` text."""
    keys = {}
    current = None
    lines = text.replace("\r\n", "\n").split("\n")
    i = 0
    while i < len(lines):
        line = lines[i]
        i += 1
        if line.startswith("["):
            name = line[1:line.rindex("]")]
            current = keys.setdefault(name.lower(), (name, {}))[1]
            continue
        m = _VALUE.match(line)
        if not m or current is None:
            continue
        data = m.group(2)
        while data.endswith("\\") and i < len(lines):  # continued hex data
            data = data[:-1] + lines[i].strip()
            i += 1
        name = "" if m.group(1) == "@" else _unescape(m.group(1)[1:-1])
        if data.startswith('"') and data.endswith('"'):
            value = sz(_unescape(data[1:-1]))
        elif data.startswith("dword:"):
            value = dword(int(data[6:], 16))
        else:
            value = ("raw", data)
        current[name] = value
    return keys


WINE_OWN = (HKCU + "Wine").lower()


class Snapshot:
    """The machine's and the user's software keys, as `reg export` writes them."""

    def __init__(self, prefix):
        self.keys = {}
        for root in (r"HKLM\Software", r"HKCU\Software"):
            self.keys.update(parse_export(prefix.reg_export(root)))
        # Wine's own bookkeeping (version settings, display state) is not the setup's.
        self.keys = {k: v for k, v in self.keys.items() if k != WINE_OWN and not k.startswith(WINE_OWN + "\\")}

    def value(self, key, name=""):
        entry = self.keys.get(key.lower())
        return entry[1].get(name) if entry else None

    def has_key(self, key):
        return key.lower() in self.keys

    def changes_since(self, before):
        """Values added or changed, keys added, keys removed."""
        changed = {}
        for lower, (shown, values) in self.keys.items():
            old = before.keys.get(lower, (shown, {}))[1]
            for name, value in values.items():
                if old.get(name) != value:
                    changed[(lower, name)] = value
        added = {lower for lower in self.keys if lower not in before.keys}
        removed = {lower for lower in before.keys if lower not in self.keys}
        return changed, added, removed


def lower_rows(rows):
    return {(key.lower(), name): value for (key, name), value in rows.items()}


def ancestors(keys):
    out = set()
    for key in keys:
        parts = key.split("\\")
        for n in range(1, len(parts) + 1):
            out.add("\\".join(parts[:n]))
    return out


# --- shortcut files ---------------------------------------------------------

_LNK_FIELDS = {"Local path": "target", "Command line arguments": "arguments", "Icon location": "icon",
               "Icon index": "icon_index", "Description": "description"}


def read_shortcut(path):
    """Target, arguments, icon, icon index and description of a .lnk file, read by
    lnkinfo; a field that the file does not carry is None (the index then too)."""
    out = subprocess.run(["lnkinfo", path], capture_output=True, check=True).stdout.decode("utf-8", "replace")
    fields = dict.fromkeys(_LNK_FIELDS.values())
    for line in out.splitlines():
        m = re.match(r"^\t([A-Za-z ]+?)\t*\s*: (.*)$", line)
        if m and m.group(1) in _LNK_FIELDS and fields[_LNK_FIELDS[m.group(1)]] is None:
            fields[_LNK_FIELDS[m.group(1)]] = m.group(2)
    if fields["icon"] is None:
        fields["icon_index"] = None
    else:
        fields["icon_index"] = int(fields["icon_index"])
    return fields
