#!/usr/bin/env python3
"""Writes the seed inputs of every fuzz target into fuzz/corpus/<target>/.

The seeds are small, valid examples of what each parser meets in use, so a 30-second run
starts from inputs that reach deep into the parser instead of spending its time finding the
format. The files are committed; run this again only to change the seeds. Inputs a run
finds are written elsewhere (scripts/fuzz.sh), so the committed corpus stays as it is.
"""
import json
import pathlib
import struct

ROOT = pathlib.Path(__file__).resolve().parent
CORPUS = ROOT / "corpus"
RESOURCES = ROOT.parent / "resources"


def u16(text):
    return text.encode("utf-16-le")


def node(key, value=b"", children=(), text=False, value_length=None):
    """One node of a version block: length, value length, type, key, value, children,
    each part aligned to four bytes."""
    head_key = u16(key) + b"\0\0"
    body = struct.pack("<HHH", 0, 0, 0) + head_key
    body += b"\0" * (-len(body) % 4)
    body += value
    for child in children:
        body += b"\0" * (-len(body) % 4)
        body += child
    if value_length is None:
        value_length = len(value) // 2 if text else len(value)
    return struct.pack("<HHH", len(body), value_length, 1 if text else 0) + body[6:]


def text_node(key, value):
    return node(key, u16(value) + b"\0\0", text=True)


def version_block(strings, language="040904b0"):
    fixed = struct.pack("<II", 0xFEEF04BD, 0x00010000) + bytes(44)
    fixed = fixed[:8] + struct.pack("<II", 0x00020001, 0x00040003) + fixed[16:]
    table = node(language, children=[text_node(k, v) for k, v in strings.items()], text=True)
    string_info = node("StringFileInfo", children=[table], text=True)
    translation = node("Translation", struct.pack("<HH", int(language[:4], 16), int(language[4:], 16)))
    var_info = node("VarFileInfo", children=[translation], text=True)
    return node("VS_VERSION_INFO", fixed, children=[string_info, var_info])


def catalogue_record(enabled, *fields):
    return bytes([1 if enabled else 0]) + b"\xfe".join(
        field.encode("utf-16-le", "surrogatepass") for field in fields)


def seeds():
    translate = (RESOURCES / "translate.txt").read_bytes()
    # The shipped lists' first rows: every kind of row they hold, without making each run
    # slow (every input matches text against each row, twice).
    name_white = b"\n".join((RESOURCES / "NAME_WHITE.txt").read_bytes().split(b"\n")[:40])
    file_white = b"\n".join((RESOURCES / "FILE_WHITE.txt").read_bytes().split(b"\n")[:40])
    rows = {"file_white": ["Discord.exe*", "C:\\Tools\\*"], "name_white": ["Foo", "한글"],
            "name_black": ["Bad*"]}
    update = {"update": "https://dl.example.test/orvane-setup.exe?from=app",
              "info": {"style": "note", "text": "What is new", "url": "https://example.test/notes"}}
    snapshot = [
        {"from": "HKCU", "target": "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Helper",
         "caption": "Helper", "file": "C:\\Tools\\helper.exe", "data": "\"C:\\Tools\\helper.exe\" /min",
         "enabled": True},
        {"from": "SERV", "target": "Spooler", "caption": "Print Spooler",
         "file": "C:\\Windows\\System32\\spoolsv.exe", "enabled": False},
    ]
    return {
        "fuzz_command_line": {
            "quoted": u16('"C:\\Program Files\\Sample\\app.exe" --tray /min'),
            "bare": u16("C:\\Windows\\System32\\rundll32.exe shell32.dll,Control_RunDLL"),
            "variables": u16("%ProgramFiles%\\Sample\\app.exe -x \"%APPDATA%\\a b\""),
            "unclosed": u16('"C:\\a b\\c.exe'),
        },
        "fuzz_registry_path": {
            "hkcu": u16("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Helper"),
            "hklm_long": u16("HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run\\A\\B"),
            "no_root": u16("Software\\Name"),
        },
        # Byte 0 the type, byte 1 the name's length in bytes, the name, then the data.
        "fuzz_registry_value": {
            "sz": bytes([1, 12]) + u16("Helper") + u16("C:\\Tools\\helper.exe") + b"\0\0",
            "expand_sz": bytes([2, 8]) + u16("Tray") + u16("%ProgramFiles%\\t.exe") + b"\0\0",
            "unterminated": bytes([1, 2]) + u16("A") + u16("abc"),
            "approved": bytes([3, 12]) + u16("Helper") + bytes([3, 0, 0, 0]) + bytes(8),
            "dword": bytes([4, 2]) + u16("D") + struct.pack("<I", 1),
            "multi_sz": bytes([7, 2]) + u16("M") + u16("a\0b\0\0"),
            "backslash_name": bytes([1, 6]) + u16("a\\b") + u16("x") + b"\0\0",
        },
        # Byte 0 picks the language, the rest is the table.
        "fuzz_translate_table": {
            "shipped_en": bytes([1]) + translate,
            "shipped_ar": bytes([4]) + translate,
            "crlf_and_equals": bytes([2]) + "ko=가=나\r\nen=a=b\r\n\r\nja\n".encode("utf-8"),
        },
        # Byte 0 the length of the text to match (UTF-16LE), the text, then the resource.
        "fuzz_filter_list": {
            "name_white": bytes([len(u16("Audiosrv"))]) + u16("Audiosrv") + name_white,
            "file_white": bytes([len(u16("discord.exe"))]) + u16("discord.exe") + file_white,
            "wildcards": bytes([4]) + u16("ab") + "a*\r\n*b\n?\n\n".encode("utf-8"),
        },
        "fuzz_json_array": {
            "rows": json.dumps(rows, ensure_ascii=False).encode("utf-8"),
            "mixed": b'{"file_white":[1,"a",null,["b"]],"name_white":"x"}',
            "array": b'["a","b"]',
            # Nesting at the depth limit and one past it, with rows beside it.
            "nested_at_limit": b'{"name_white":["a"],"x":' + b"[" * 63 + b"]" * 63 + b"}",
            "nested_past_limit": b'{"name_white":["a"],"x":' + b"[" * 64 + b"]" * 64 + b"}",
        },
        "fuzz_update_reply": {
            "update": json.dumps(update).encode("utf-8"),
            "escapes": b'{"update":"https:\\/\\/a.test\\/\\u0041\\u00e9","info":{"text":"\\"q\\" \\\\"}}',
            "bad_escape": b'{"update":"https://a.test/\\u12","info":{"url":"\\x"}}',
        },
        "fuzz_handle_reply": {
            "update_and_rows": json.dumps({**update, **rows}, ensure_ascii=False).encode("utf-8"),
            "rows_only": json.dumps(rows).encode("utf-8"),
            "not_a_link": b'{"update":"file:///C:/Windows/System32/calc.exe"}',
        },
        "fuzz_version_block": {
            "product": version_block({"ProductName": "Sample Backup", "CompanyName": "Sample Ltd",
                                      "FileVersion": "2.1.0.4"}),
            "korean": version_block({"ProductName": "한글 프로그램"}, "041204b0"),
        },
        "fuzz_snapshot": {
            "utf8": json.dumps(snapshot, ensure_ascii=False, indent=1).encode("utf-8"),
            "utf16_bom": b"\xff\xfe" + json.dumps(snapshot).encode("utf-16-le"),
            "minimal": b'[{"from":"HKCU","target":"x"}]',
            "lone_surrogate": b'[{"from":"HKCU","target":"Tray\\udc00","caption":"\\ud800x"}]',
        },
        # Records split by 0xFF, fields by 0xFE, each field UTF-16LE: from, caption,
        # target, fileName, rawData; a record's first byte says enabled.
        "fuzz_catalogue_round_trip": {
            "plain": catalogue_record(True, "HKCU", "Notes", "HKCU\\Software\\Run\\Notes",
                                      "C:\\notes.exe", '"C:\\notes.exe" /q'),
            "awkward": catalogue_record(False, "FILE", 'Quote "q", comma\r\n', "C:\\S\\a.lnk", "", "")
            + b"\xff" + catalogue_record(True, "HKCU", "Tray\udc00\x1b[2K", "HKCU\\Run\\Tray\udc00",
                                         "\ufdd0dc00", ""),
        },
    }


def main():
    for target, files in seeds().items():
        folder = CORPUS / target
        folder.mkdir(parents=True, exist_ok=True)
        for name, data in files.items():
            (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
